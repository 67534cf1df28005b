#include "platform/win32/win32_recycle_bin.h"

// <shellapi.h> needs the Windows types first.
// clang-format off
#include "platform/win32/win32_api.h"
#include <shellapi.h>
// clang-format on

namespace platform::win32 {

int Win32RecycleBin::Delete(const std::string& path, uint16_t flags) {
    // The source list: the path, then an extra terminating zero.
    std::string from = path;
    from.push_back('\0');
    from.push_back('\0');
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = GetActiveWindow();
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.pTo = nullptr;
    operation.fFlags = flags;
    return SHFileOperationA(&operation);
}

}  // namespace platform::win32
