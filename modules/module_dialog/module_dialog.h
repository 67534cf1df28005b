// A modal dialog for the outside modules, made from a template in memory:
// MS Sans Serif 8, the controls added in ANSI when it opens, positions in
// dialog units so that it grows with the system font as Windows' own do.
#pragma once

#include <functional>
#include <string>

#include "platform/win32/win32_api.h"

namespace modules {

struct DialogHooks {
    std::function<void(HWND dialog)> init;
    // WM_COMMAND; true when handled.
    std::function<bool(HWND dialog, int id, int code)> command;
    // WM_NOTIFY of the list views.
    std::function<void(HWND dialog, const NMHDR& header)> notify;
};

// Runs the dialog, owned by owner (disabled meanwhile), until EndDialog.
INT_PTR RunDialog(HINSTANCE instance, HWND owner, const std::string& title, int width, int height, DialogHooks& hooks);

// A child control at dialog units, in the dialog's font.
HWND AddControl(HWND dialog, const char* windowClass, const std::string& text, DWORD style, int x, int y, int width,
                int height, int id);

// A list view in report style with its columns (widths in dialog units).
HWND AddReport(HWND dialog, int x, int y, int width, int height, int id,
               const std::initializer_list<std::pair<const char*, int>>& columns);
// Appends a row of texts; gives its index.
int AddRow(HWND list, const std::initializer_list<std::string>& texts);

}  // namespace modules
