#include "widgets/win32/win32_widgets.h"

#include <exception>

#include "widgets/application.h"
#include "widgets/errors.h"
#include "widgets/label.h"
#include "widgets/screen.h"
#include "widgets/win32/form_peer.h"
#include "widgets/win32/gdi_object.h"
#include "widgets/win32/win32_timer_peer.h"
#include "widgets/win32/window_peer.h"

namespace widgets::win32 {

namespace {

const char* const kUtilityClass = "QuellwerkUtility";
// Posted when work waits for the pump (a released form, a posted call).
constexpr UINT kWakeMessage = WM_APP + 0x51;
// The fonts of the peers, for the utility window's procedure.
FontCache* g_fonts = nullptr;

}  // namespace

Win32Widgets::Win32Widgets() {
    InitCommonControls();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WindowPeer::RegisterClasses(instance);
    WNDCLASSA utilityClass = {};
    utilityClass.lpfnWndProc = UtilityProcedure;
    utilityClass.hInstance = instance;
    utilityClass.lpszClassName = kUtilityClass;
    RegisterClassA(&utilityClass);
    // A hidden top-level window: Windows 95 has no message-only windows.
    utility_ =
        CreateWindowExA(WS_EX_TOOLWINDOW, kUtilityClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!utility_) throw EOutOfResources("Fehler beim Erzeugen des Fensters");
    ReadScreen();
    g_fonts = &fonts_;
    factory_ = std::make_unique<Win32PeerFactory>(fonts_, utility_);
    InstallPeerFactory(factory_.get());
    InstallDialogHost(&dialogs_);
    InstallHelpSystem(&help_);
    HWND utility = utility_;
    Application().OnPost = [utility] { PostMessageA(utility, kWakeMessage, 0, 0); };
}

Win32Widgets::~Win32Widgets() {
    Application().OnPost = nullptr;
    InstallHelpSystem(nullptr);
    InstallDialogHost(nullptr);
    InstallPeerFactory(nullptr);
    if (utility_) DestroyWindow(utility_);
    g_fonts = nullptr;
}

void Win32Widgets::ReadScreen() {
    WindowDC dc(nullptr);
    Screen().SetSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    Screen().SetBitsPerPixel(GetDeviceCaps(dc.Get(), BITSPIXEL) * GetDeviceCaps(dc.Get(), PLANES));
    Screen().SetPixelsPerInch(GetDeviceCaps(dc.Get(), LOGPIXELSY));
    const TFormBorderStyle styles[] = {bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin};
    for (TFormBorderStyle style : styles) {
        RECT r = {0, 0, 100, 100};
        AdjustWindowRectEx(&r, FormPeer::StyleOf(style), FALSE, FormPeer::ExStyleOf(style, fsNormal));
        Screen().SetFrameExtra(style, TSize{r.right - r.left - 100, r.bottom - r.top - 100});
    }
}

LRESULT CALLBACK Win32Widgets::UtilityProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
            case WM_TIMER:
                Win32TimerPeer::Fire(wParam);
                return 0;
            case kWakeMessage:
                Application().RunPendingWork();
                return 0;
            case WM_DISPLAYCHANGE:
                ReadScreen();
                return 0;
            case WM_FONTCHANGE:
                // The interface font may just have been added for this run;
                // labels measured with the face that stood in for it must
                // take the width of the real one.
                if (g_fonts) g_fonts->Refresh();
                RemeasureLabels();
                return 0;
            case WM_SETTINGCHANGE:
                if (wParam == SPI_SETFONTSMOOTHING) RemeasureLabels();
                break;
            default:
                break;
        }
    } catch (...) {
        Application().DeferError(std::current_exception());
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace widgets::win32
