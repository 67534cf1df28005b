#include "platform/win32/win32_shell.h"

#include "platform/win32/win32_api.h"

#include <shellapi.h>

namespace platform::win32 {

bool Win32Shell::ShellOpen(const std::string& target) {
    // ShellExecuteA reports success with a value above 32.
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace platform::win32
