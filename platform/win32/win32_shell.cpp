#include "platform/win32/win32_shell.h"

// clang-format off
#include "platform/win32/win32_api.h"
#include <shellapi.h>
// clang-format on

namespace platform::win32 {

namespace {

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

bool Win32Shell::ShellOpen(const std::string& target) {
    // ShellExecuteA reports success with a value above 32.
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool Win32Shell::Execute(const ShellExecuteRequest& request) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(reinterpret_cast<HWND>(request.ownerWindow), OrNull(request.verb), request.file.c_str(),
                      OrNull(request.parameters), OrNull(request.directory), request.show));
    return result > 32;
}

bool Win32Shell::ExecuteEx(const ShellExecuteRequest& request) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(info);
    info.hwnd = reinterpret_cast<HWND>(request.ownerWindow);
    info.lpVerb = OrNull(request.verb);
    info.lpFile = request.file.c_str();
    info.lpParameters = OrNull(request.parameters);
    info.lpDirectory = OrNull(request.directory);
    info.nShow = request.show;
    return ShellExecuteExA(&info) != FALSE;
}

}  // namespace platform::win32
