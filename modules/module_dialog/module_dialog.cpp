// clang-format off
#include "modules/module_dialog/module_dialog.h"
#include <commctrl.h>
// clang-format on

#include <vector>

namespace modules {

namespace {

void PutWord(std::vector<WORD>& t, WORD w) { t.push_back(w); }

void PutText(std::vector<WORD>& t, const std::string& text) {
    // Templates are Unicode on every Windows; our texts are Windows-1252.
    const int n = MultiByteToWideChar(1252, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(n > 0 ? n : 1, L'\0');
    if (n > 0) MultiByteToWideChar(1252, 0, text.c_str(), -1, wide.data(), n);
    for (wchar_t c : wide) t.push_back(static_cast<WORD>(c));
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* hooks = reinterpret_cast<DialogHooks*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            hooks = reinterpret_cast<DialogHooks*>(lParam);
            if (hooks->init) hooks->init(dialog);
            return TRUE;
        case WM_COMMAND:
            if (hooks && hooks->command && hooks->command(dialog, LOWORD(wParam), HIWORD(wParam))) return TRUE;
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        case WM_NOTIFY:
            if (hooks && hooks->notify) hooks->notify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

INT_PTR RunDialog(HINSTANCE instance, HWND owner, const std::string& title, int width, int height, DialogHooks& hooks) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
    // InitCommonControlsEx came with Internet Explorer 3; Windows 95 without
    // it has the list view all the same.
    using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto initEx = reinterpret_cast<InitEx>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("comctl32.dll"), "InitCommonControlsEx")));
    if (!initEx || !initEx(&classes)) InitCommonControls();

    std::vector<WORD> t;
    const DWORD style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    PutWord(t, LOWORD(style));
    PutWord(t, HIWORD(style));
    PutWord(t, 0);
    PutWord(t, 0);  // extended style
    PutWord(t, 0);  // no items: the controls come at WM_INITDIALOG
    PutWord(t, 0);
    PutWord(t, 0);
    PutWord(t, static_cast<WORD>(width));
    PutWord(t, static_cast<WORD>(height));
    PutWord(t, 0);  // no menu
    PutWord(t, 0);  // the dialog class
    PutText(t, title);
    PutWord(t, 8);
    PutText(t, "MS Sans Serif");
    return DialogBoxIndirectParamA(instance, reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), owner, Procedure,
                                   reinterpret_cast<LPARAM>(&hooks));
}

HWND AddControl(HWND dialog, const char* windowClass, const std::string& text, DWORD style, int x, int y, int width,
                int height, int id) {
    RECT r{x, y, x + width, y + height};
    MapDialogRect(dialog, &r);
    const DWORD exStyle = std::string(windowClass) == WC_LISTVIEWA ? WS_EX_CLIENTEDGE : 0;
    HWND control =
        CreateWindowExA(exStyle, windowClass, text.c_str(), style | WS_CHILD | WS_VISIBLE, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)), nullptr);
    SendMessageA(control, WM_SETFONT, SendMessageA(dialog, WM_GETFONT, 0, 0), TRUE);
    return control;
}

HWND AddReport(HWND dialog, int x, int y, int width, int height, int id,
               const std::initializer_list<std::pair<const char*, int>>& columns) {
    HWND list = AddControl(dialog, WC_LISTVIEWA, "",
                           WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER, x, y, width,
                           height, id);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    int index = 0;
    for (const auto& [caption, units] : columns) {
        RECT r{0, 0, units, 1};
        MapDialogRect(dialog, &r);
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = r.right;
        column.pszText = const_cast<char*>(caption);
        SendMessageA(list, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&column));
    }
    return list;
}

int AddRow(HWND list, const std::initializer_list<std::string>& texts) {
    const int row = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    int column = 0;
    for (const std::string& text : texts) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.iSubItem = column;
        item.pszText = const_cast<char*>(text.c_str());
        SendMessageA(list, column == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        ++column;
    }
    return row;
}

}  // namespace modules
