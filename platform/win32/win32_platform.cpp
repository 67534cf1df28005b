#include "platform/win32/win32_platform.h"

namespace platform::win32 {

Win32Platform& InstallWin32Platform() {
    static Win32Platform real;
    Install(&real);
    return real;
}

}  // namespace platform::win32
