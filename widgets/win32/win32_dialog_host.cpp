#include "widgets/win32/win32_dialog_host.h"

#include <vector>

#include "widgets/application.h"
#include "widgets/form.h"
#include "widgets/open_dialog.h"
#include "widgets/win32/window_peer.h"

namespace widgets::win32 {

namespace {

HWND WindowOf(const TForm* form) {
    if (!form) return nullptr;
    const WindowPeer* peer = dynamic_cast<const WindowPeer*>(form->Peer());
    return peer ? peer->Handle() : nullptr;
}

// The other windows of the thread are disabled while a form is modal.
class DisabledWindows {
public:
    explicit DisabledWindows(HWND modal) : modal_(modal) {
        EnumThreadWindows(GetCurrentThreadId(), Disable, reinterpret_cast<LPARAM>(this));
    }
    ~DisabledWindows() {
        for (HWND window : disabled_)
            if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;

private:
    static BOOL CALLBACK Disable(HWND window, LPARAM self) {
        auto* me = reinterpret_cast<DisabledWindows*>(self);
        if (window != me->modal_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            me->disabled_.push_back(window);
        }
        return TRUE;
    }

    HWND modal_;
    std::vector<HWND> disabled_;
};

// "Text|*.ext|Text|*.ext" as the dialog takes it: NUL-separated, two NULs
// at the end.
std::string FilterList(const std::string& filter) {
    std::string list = filter;
    for (char& c : list)
        if (c == '|') c = '\0';
    list.append(2, '\0');
    return list;
}

}  // namespace

HWND Win32DialogHost::OwnerWindow(const TForm* form) {
    if (HWND window = WindowOf(form)) return window;
    if (HWND active = GetActiveWindow()) return active;
    return WindowOf(Application().MainForm());
}

TModalResult Win32DialogHost::MessageBox(const MessageBoxRequest& request) {
    UINT flags = static_cast<UINT>(request.buttons) | static_cast<UINT>(request.icon);
    flags |= static_cast<UINT>(request.defaultButton & 3) << 8;  // MB_DEFBUTTON1..4
    return MessageBoxA(OwnerWindow(request.owner), request.text.c_str(), request.caption.c_str(), flags);
}

TModalResult Win32DialogHost::RunModal(TForm& form) {
    DisabledWindows others(WindowOf(&form));
    if (HWND window = WindowOf(&form)) SetActiveWindow(window);
    return form.ModalLoop();
}

std::optional<std::string> Win32DialogHost::ExecuteOpenDialog(const TOpenDialog& dialog) {
    const std::string filter = FilterList(dialog.Filter());
    std::vector<char> file(MAX_PATH + 1, '\0');
    lstrcpynA(file.data(), dialog.FileName().c_str(), MAX_PATH);
    std::string ext = dialog.DefaultExt();
    if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);

    OPENFILENAMEA open = {};
    // The record of Windows 95: the longer one of later systems is refused
    // there.
    open.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    open.hwndOwner = OwnerWindow(nullptr);
    open.lpstrFilter = filter.c_str();
    open.nFilterIndex = static_cast<DWORD>(dialog.FilterIndex());
    open.lpstrFile = file.data();
    open.nMaxFile = MAX_PATH;
    open.lpstrInitialDir = dialog.InitialDir().empty() ? nullptr : dialog.InitialDir().c_str();
    open.lpstrTitle = dialog.Title().empty() ? nullptr : dialog.Title().c_str();
    open.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
    open.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&open)) return std::nullopt;
    return std::string(file.data());
}

int Win32DialogHost::TrackPopupMenu(const std::vector<std::string>& items, TPoint screenPos) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return -1;
    for (size_t i = 0; i < items.size(); ++i) AppendMenuA(menu, MF_STRING, i + 1, items[i].c_str());
    HWND owner = OwnerWindow(nullptr);
    // Without this the menu would not close when the user clicks elsewhere.
    if (owner) SetForegroundWindow(owner);
    const int chosen = static_cast<int>(::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                         screenPos.x, screenPos.y, 0, owner, nullptr));
    DestroyMenu(menu);
    if (owner) PostMessageA(owner, WM_NULL, 0, 0);
    return chosen - 1;
}

}  // namespace widgets::win32
