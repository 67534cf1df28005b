#include "platform/win32/win32_shell.h"

// clang-format off
#include "platform/win32/win32_api.h"
#include <shellapi.h>
// clang-format on

namespace platform::win32 {

bool Win32Shell::ShellOpen(const std::string& target) {
    // ShellExecuteA reports success with a value above 32.
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool Win32Shell::Execute(const ShellExecuteRequest& request) {
    auto text = [](const std::string& s) { return s.empty() ? nullptr : s.c_str(); };
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(reinterpret_cast<HWND>(request.parent), text(request.verb), request.file.c_str(),
                      text(request.parameters), text(request.directory), request.show));
    return result > 32;
}

}  // namespace platform::win32
