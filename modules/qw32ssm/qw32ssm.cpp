// Stand-in of the system-settings module: six dialogs of the system.
// Each entry point takes the owner window, uses the Windows API's
// convention and returns when its dialog is closed.
#include <windows.h>

#include <string>

#include "modules/common/stand_in_dialog.h"

using namespace modules;

namespace {

std::string SysSetSMFacts() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return "Windows-Version: " + Number(version.dwMajorVersion) + "." + Number(version.dwMinorVersion) + "." +
           Number(version.dwBuildNumber & 0xFFFF) + "\r\nRegistriert für: " +
           RegistryText(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOwner");
}

std::string MemSetWndSMFacts() {
    MEMORYSTATUS memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatus(&memory);
    return "Arbeitsspeicher: " + Number(memory.dwTotalPhys / 1024) +
           " KB\r\nDavon frei: " + Number(memory.dwAvailPhys / 1024) +
           " KB\r\nAuslastung: " + Number(memory.dwMemoryLoad) + " %";
}

std::string DrvControlSMFacts() {
    std::string lines;
    const DWORD drives = GetLogicalDrives();
    for (int k = 2; k < 26; ++k) {  // from C:, so that no floppy is asked
        if (!(drives & (1u << k))) continue;
        const std::string root = std::string(1, static_cast<char>('A' + k)) + ":\\";
        const UINT type = GetDriveTypeA(root.c_str());
        lines += root + "  " +
                 (type == DRIVE_FIXED    ? "Festplatte"
                  : type == DRIVE_CDROM  ? "CD-ROM"
                  : type == DRIVE_REMOTE ? "Netzwerk"
                                         : "anderes Laufwerk") +
                 "\r\n";
    }
    return lines.empty() ? "keine Laufwerke" : lines;
}

std::string DeviceSetWndSMFacts() {
    return "Maustasten: " + Number(GetSystemMetrics(SM_CMOUSEBUTTONS)) +
           "\r\nTastaturtyp: " + Number(GetKeyboardType(0)) + ", Funktionstasten: " + Number(GetKeyboardType(2));
}

std::string ProgEditSMFacts() {
    return "Eingetragene Programme zum Entfernen: " +
           Number(SubkeyCount(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"));
}

std::string ShowVideoSMFacts() {
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    const int refresh = GetDeviceCaps(screen, VREFRESH);
    ReleaseDC(nullptr, screen);
    return "Farbtiefe: " + Number(bits) + " Bit\r\nBildschirm: " + Number(GetSystemMetrics(SM_CXSCREEN)) + " x " +
           Number(GetSystemMetrics(SM_CYSCREEN)) + (refresh > 1 ? ", " + Number(refresh) + " Hz" : "");
}

}  // namespace

extern "C" {

void WINAPI SysSetSM(HWND owner) { ShowStandIn(owner, "Allgemein", SysSetSMFacts()); }
void WINAPI MemSetWndSM(HWND owner) { ShowStandIn(owner, "Speicher", MemSetWndSMFacts()); }
void WINAPI DrvControlSM(HWND owner) { ShowStandIn(owner, "Laufwerke", DrvControlSMFacts()); }
void WINAPI DeviceSetWndSM(HWND owner) { ShowStandIn(owner, "Eingabe", DeviceSetWndSMFacts()); }
void WINAPI ProgEditSM(HWND owner) { ShowStandIn(owner, "Uninstall", ProgEditSMFacts()); }
void WINAPI ShowVideoSM(HWND owner) { ShowStandIn(owner, "Video", ShowVideoSMFacts()); }

}  // extern "C"
