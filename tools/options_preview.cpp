// Runs the program options cycle on its own, as the service page's options
// button will: the dialog "Programmoptionen" reads and writes the real
// registry, "qw32break.cfg" beside this program and the password file. For
// looking at the dialogs and for the GUI test; not part of the program.
//
//     cmake --build --preset win64 --target options_preview
//     cmake/wine-run.sh build/win64/safety/options_preview.exe
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_platform.h"
#include "safety/globel_option.h"
#include "safety/u1.h"
#include "widgets/application.h"
#include "widgets/win32/win32_widgets.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    platform::win32::InstallWin32Platform();
    widgets::win32::Win32Widgets native;
    widgets::Application().Title = "Halvorn Quellwerk";
    // "/passwort" shows the password dialog alone.
    if (lstrcmpiA(commandLine, "/passwort") == 0) {
        widgets::Owned<safety::TDlgPassSet> dialog(widgets::CreateForm<safety::TDlgPassSet>(nullptr));
        dialog->ShowModal();
        return 0;
    }
    safety::ShowProgramOptions();
    return 0;
}
