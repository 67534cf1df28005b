// Message boxes, modal forms, the file-open dialog and pop-up menus on the
// screen: MessageBoxA, a modal message loop, GetOpenFileNameA and
// TrackPopupMenu.
#pragma once

#include "widgets/dialog_host.h"
#include "widgets/win32/win32_api.h"

namespace widgets::win32 {

class Win32DialogHost : public DialogHost {
public:
    TModalResult MessageBox(const MessageBoxRequest& request) override;
    TModalResult RunModal(TForm& form) override;
    std::optional<std::string> ExecuteOpenDialog(const TOpenDialog& dialog) override;
    int TrackPopupMenu(const std::vector<std::string>& items, TPoint screenPos) override;

    // The window that owns what pops up: the form's, else the active one,
    // else the main form's.
    static HWND OwnerWindow(const TForm* form);
};

}  // namespace widgets::win32
