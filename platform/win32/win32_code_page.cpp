#include "platform/win32/win32_code_page.h"

#include <vector>

#include "platform/win32/win32_api.h"

namespace platform::win32 {

std::string Win32CodePage::CharToOem(const std::string& ansi) {
    std::vector<char> oem(ansi.size() + 1, '\0');
    if (!CharToOemBuffA(ansi.data(), oem.data(), static_cast<DWORD>(ansi.size()))) return ansi;
    return std::string(oem.data(), ansi.size());
}

}  // namespace platform::win32
