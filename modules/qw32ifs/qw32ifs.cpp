// Stand-in of the interface-settings module: six dialogs of the interface.
// Each entry point takes the owner window, uses the Windows API's
// convention and returns when its dialog is closed.
#include <windows.h>

#include <string>

#include "modules/common/stand_in_dialog.h"

using namespace modules;

namespace {

std::string qw32SetStartFacts() {
    return "Ordner des Startmenüs:\r\n" +
           RegistryText(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                        "Start Menu") +
           "\r\nProgramme im Startmenü: " +
           RegistryText(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
                        "StartMenuScrollPrograms");
}

std::string qw32ExplorerSetFacts() {
    char windows[MAX_PATH + 1] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    return std::string("Windows-Ordner: ") + windows + "\r\nEigene Dateien: " +
           RegistryText(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                        "Personal");
}

std::string qw32DesktopSetsFacts() {
    return "Bildschirm: " + Number(GetSystemMetrics(SM_CXSCREEN)) + " x " + Number(GetSystemMetrics(SM_CYSCREEN)) +
           " Pixel\r\nHintergrundbild: " + RegistryText(HKEY_CURRENT_USER, "Control Panel\\desktop", "Wallpaper");
}

std::string qw32SetIcoFacts() {
    return "Symbolgröße: " + Number(GetSystemMetrics(SM_CXICON)) + " x " + Number(GetSystemMetrics(SM_CYICON)) +
           " Pixel\r\nKleine Symbole: " + Number(GetSystemMetrics(SM_CXSMICON)) + " x " +
           Number(GetSystemMetrics(SM_CYSMICON)) + " Pixel";
}

std::string qw32AutoStartFacts() {
    return "Alle Benutzer (Run):\r\n" +
           RegistryTexts(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "keine Einträge") +
           "Dieser Benutzer (Run):\r\n" +
           RegistryTexts(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "keine Einträge");
}

std::string qw32MMSetsFacts() {
    return "Systemklänge: " + RegistryText(HKEY_CURRENT_USER, "AppEvents\\Schemes", "") +
           "\r\nFehlerton: " + RegistryText(HKEY_CURRENT_USER, "Control Panel\\Sound", "Beep");
}

}  // namespace

extern "C" {

void WINAPI qw32SetStart(HWND owner) { ShowStandIn(owner, "Startmenü", qw32SetStartFacts()); }
void WINAPI qw32ExplorerSet(HWND owner) { ShowStandIn(owner, "Explorer", qw32ExplorerSetFacts()); }
void WINAPI qw32DesktopSets(HWND owner) { ShowStandIn(owner, "Desktop", qw32DesktopSetsFacts()); }
void WINAPI qw32SetIco(HWND owner) { ShowStandIn(owner, "Symbole", qw32SetIcoFacts()); }
void WINAPI qw32AutoStart(HWND owner) { ShowStandIn(owner, "Autostart", qw32AutoStartFacts()); }
void WINAPI qw32MMSets(HWND owner) { ShowStandIn(owner, "Multimedia", qw32MMSetsFacts()); }

}  // extern "C"
