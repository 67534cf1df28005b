// Stand-in of the internet and network module: six dialogs of the network and the browser.
// Each entry point takes the owner window, uses the Windows API's
// convention and returns when its dialog is closed.
#include <windows.h>

#include <string>

#include "modules/common/stand_in_dialog.h"

using namespace modules;

namespace {

std::string RunAxessControlFacts() {
    char user[257] = "";
    DWORD size = sizeof user;
    if (!GetUserNameA(user, &size)) user[0] = 0;
    return std::string("Angemeldeter Benutzer: ") + (*user ? user : "unbekannt") +
           "\r\nPrimäre Anmeldung: " + RegistryText(HKEY_LOCAL_MACHINE, "Network\\Logon", "PrimaryProvider");
}

std::string RunSecControlFacts() {
    HKEY key = nullptr;
    DWORD value = 0, size = sizeof value;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Network\\Logon", 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryValueExA(key, "MustBeValidated", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
    }
    return std::string("Anmeldung muss bestätigt werden: ") + (value == 1 ? "ja" : "nein");
}

std::string GenINSFacts() {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = "";
    DWORD size = sizeof name;
    if (!GetComputerNameA(name, &size)) name[0] = 0;
    return std::string("Computername: ") + (*name ? name : "unbekannt") +
           "\r\nVerbindung: " + RegistryText(HKEY_CURRENT_USER, "RemoteAccess", "Default");
}

std::string IESetFacts() {
    return "Internet Explorer, Version: " +
           RegistryText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer", "Version") + "\r\nStartseite: " +
           RegistryText(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Main", "Start Page");
}

std::string MoreINSFacts() {
    return "Proxy-Server: " +
           RegistryText(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                        "ProxyServer") +
           "\r\nZwischenspeicher: " +
           RegistryText(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                        "Cache");
}

std::string XtendedIESetFacts() {
    return "Suchseite: " +
           RegistryText(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Main", "Search Page") +
           "\r\nVollbild beim Start: " +
           RegistryText(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Main", "FullScreen");
}

}  // namespace

extern "C" {

void WINAPI RunAxessControl(HWND owner) { ShowStandIn(owner, "Zugriff", RunAxessControlFacts()); }
void WINAPI RunSecControl(HWND owner) { ShowStandIn(owner, "Sicherheit", RunSecControlFacts()); }
void WINAPI GenINS(HWND owner) { ShowStandIn(owner, "Internet", GenINSFacts()); }
void WINAPI IESet(HWND owner) { ShowStandIn(owner, "Browser", IESetFacts()); }
void WINAPI MoreINS(HWND owner) { ShowStandIn(owner, "Mehr Internet", MoreINSFacts()); }
void WINAPI XtendedIESet(HWND owner) { ShowStandIn(owner, "Mehr Browser", XtendedIESetFacts()); }

}  // extern "C"
