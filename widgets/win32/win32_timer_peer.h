// A TTimer as a window-message timer (SetTimer) of the peer layer's
// hidden window.
#pragma once

#include "widgets/timer.h"
#include "widgets/timer_peer.h"
#include "widgets/win32/win32_api.h"

namespace widgets::win32 {

class Win32TimerPeer : public TimerPeer {
public:
    Win32TimerPeer(TTimer& timer, HWND window);
    ~Win32TimerPeer() override;
    Win32TimerPeer(const Win32TimerPeer&) = delete;
    Win32TimerPeer& operator=(const Win32TimerPeer&) = delete;

    void Restart(bool enabled, uint32_t interval) override;

    // WM_TIMER of the hidden window: runs the timer of that id.
    static void Fire(UINT_PTR id);

private:
    TTimer& timer_;
    HWND window_;
    UINT_PTR id_;
};

}  // namespace widgets::win32
