// The entry point of the program: the real platform and the Win32 peers,
// then the start sequence and the message loop.
#include "app/startup.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_platform.h"
#include "widgets/font_installer.h"
#include "widgets/win32/win32_font_installer.h"
#include "widgets/win32/win32_widgets.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    platform::win32::InstallWin32Platform();
    widgets::win32::Win32Widgets native;
    widgets::win32::Win32FontInstaller fonts;
    widgets::InstallFontInstaller(&fonts);
    return app::RunProgram();
}
