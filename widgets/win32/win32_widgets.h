// The Win32 side of the components, installed for the lifetime of one
// object: window classes, the hidden window for timers and posted work,
// the screen's metrics, the peer factory, the dialogs and WinHelp.
//
//     widgets::win32::Win32Widgets native;  // at the start of WinMain
#pragma once

#include "widgets/win32/font_cache.h"
#include "widgets/win32/win32_api.h"
#include "widgets/win32/win32_dialog_host.h"
#include "widgets/win32/win32_help.h"
#include "widgets/win32/win32_peer_factory.h"

namespace widgets::win32 {

class Win32Widgets {
public:
    Win32Widgets();
    ~Win32Widgets();
    Win32Widgets(const Win32Widgets&) = delete;
    Win32Widgets& operator=(const Win32Widgets&) = delete;

    bool Ready() const { return utility_ != nullptr; }
    // Reads the screen's size, colour depth, resolution and frame sizes
    // into Screen() (again after a display change).
    static void ReadScreen();

private:
    static LRESULT CALLBACK UtilityProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND utility_ = nullptr;
    FontCache fonts_;
    Win32DialogHost dialogs_;
    Win32Help help_;
    std::unique_ptr<Win32PeerFactory> factory_;
};

}  // namespace widgets::win32
