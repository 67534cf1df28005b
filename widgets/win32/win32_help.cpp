#include "widgets/win32/win32_help.h"

#include "widgets/win32/win32_api.h"
#include "widgets/win32/win32_dialog_host.h"

namespace widgets::win32 {

bool Win32Help::ShowHelp(const std::string& file, uint32_t command, uint32_t data) {
    HWND owner = Win32DialogHost::OwnerWindow(nullptr);
    if (!owner) owner = GetDesktopWindow();
    return WinHelpA(owner, file.c_str(), command, data) != FALSE;
}

}  // namespace widgets::win32
