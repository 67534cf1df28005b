// The small modal dialog of a stand-in module: a title, a few read-only
// facts of its area and an OK button, owned by the window it is given.
// Built from a template in memory, so the modules carry no resources.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace modules {

namespace detail {

inline void Put(std::vector<WORD>& t, WORD w) { t.push_back(w); }
inline void PutDword(std::vector<WORD>& t, DWORD d) {
    t.push_back(LOWORD(d));
    t.push_back(HIWORD(d));
}
// Texts are Windows-1252 in the sources; the template holds UTF-16.
inline void PutText(std::vector<WORD>& t, const std::string& text) {
    const int n = MultiByteToWideChar(1252, 0, text.c_str(), -1, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(n > 0 ? n : 1), 0);
    if (n > 0) MultiByteToWideChar(1252, 0, text.c_str(), -1, wide.data(), n);
    for (WCHAR c : wide) t.push_back(static_cast<WORD>(c));
}
inline void Align(std::vector<WORD>& t) {
    if (t.size() % 2) t.push_back(0);
}
inline void PutItem(std::vector<WORD>& t, DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom,
                    const std::string& text) {
    Align(t);
    PutDword(t, style | WS_CHILD | WS_VISIBLE);
    PutDword(t, 0);
    for (short v : {x, y, cx, cy}) Put(t, static_cast<WORD>(v));
    Put(t, id);
    Put(t, 0xFFFF);
    Put(t, atom);
    PutText(t, text);
    Put(t, 0);
}

constexpr WORD kFacts = 100;

inline INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetDlgItemTextA(dialog, kFacts, reinterpret_cast<const char*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        default:
            return FALSE;
    }
}

inline HINSTANCE ThisModule() {
    MEMORY_BASIC_INFORMATION info{};
    VirtualQuery(reinterpret_cast<const void*>(&Proc), &info, sizeof info);
    return static_cast<HINSTANCE>(info.AllocationBase);
}

}  // namespace detail

// Shows the dialog and returns when the user closes it.
inline void ShowStandIn(HWND owner, const std::string& title, const std::string& facts) {
    using namespace detail;
    std::vector<WORD> t;
    PutDword(t, DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    PutDword(t, 0);
    Put(t, 3);  // items
    for (short v : {0, 0, 220, 120}) Put(t, static_cast<WORD>(v));
    Put(t, 0);  // no menu
    Put(t, 0);  // the dialog class
    PutText(t, title);
    Put(t, 8);
    PutText(t, "MS Sans Serif");
    PutItem(t, SS_LEFT, 10, 8, 200, 10, 0xFFFF, 0x0082, "Ersatzmodul \"" + title + "\": Das meldet Ihr System.");
    PutItem(t, SS_LEFT | WS_BORDER, 10, 22, 200, 70, kFacts, 0x0082, "");
    PutItem(t, BS_DEFPUSHBUTTON | WS_TABSTOP, 85, 98, 50, 14, IDOK, 0x0080, "OK");
    DialogBoxIndirectParamA(ThisModule(), reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), owner, Proc,
                            reinterpret_cast<LPARAM>(facts.c_str()));
}

// The string values of a registry key, one "name: text" line each; a note
// when the key holds none.
inline std::string RegistryTexts(HKEY root, const char* path, const char* none) {
    std::string lines;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        for (DWORD i = 0;; ++i) {
            char name[256];
            BYTE data[512];
            DWORD nameSize = sizeof name, dataSize = sizeof data - 1, type = 0;
            const LONG r = RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize);
            if (r == ERROR_NO_MORE_ITEMS) break;
            if (r != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) continue;
            data[dataSize] = 0;
            lines += std::string(*name ? name : "(Standard)") + ": " + reinterpret_cast<char*>(data) + "\r\n";
        }
        RegCloseKey(key);
    }
    return lines.empty() ? std::string(none) + "\r\n" : lines;
}

// One string value, or "unbekannt".
inline std::string RegistryText(HKEY root, const char* path, const char* name) {
    HKEY key = nullptr;
    std::string text = "unbekannt";
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        char data[512];
        DWORD size = sizeof data - 1, type = 0;
        if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS &&
            (type == REG_SZ || type == REG_EXPAND_SZ)) {
            data[size] = 0;
            text = data;
        }
        RegCloseKey(key);
    }
    return text;
}

// The number of subkeys of a key; 0 when it cannot be opened.
inline DWORD SubkeyCount(HKEY root, const char* path) {
    HKEY key = nullptr;
    DWORD count = 0;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr);
        RegCloseKey(key);
    }
    return count;
}

inline std::string Number(unsigned long long n) { return std::to_string(n); }

}  // namespace modules
