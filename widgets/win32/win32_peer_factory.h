// Makes the Win32 peers: windows for forms and windowed controls, none for
// the controls that their parent paints, and window-message timers.
#pragma once

#include "widgets/peer_factory.h"
#include "widgets/win32/font_cache.h"
#include "widgets/win32/win32_api.h"

namespace widgets::win32 {

class Win32PeerFactory : public PeerFactory {
public:
    // utility: the hidden window that receives the timers' messages.
    Win32PeerFactory(FontCache& fonts, HWND utility) : fonts_(fonts), utility_(utility) {}

    std::unique_ptr<ControlPeer> CreatePeer(TControl& control) override;
    std::unique_ptr<TimerPeer> CreateTimerPeer(TTimer& timer) override;
    TSize TextExtent(const TFont& font, const std::string& text) override;

private:
    FontCache& fonts_;
    HWND utility_;
};

}  // namespace widgets::win32
