#include "platform/win32/win32_profile.h"

#include "platform/win32/win32_api.h"

namespace platform::win32 {

std::string Win32Profile::GetString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, uint32_t bufferSize, const std::string& file) {
    if (bufferSize == 0) return std::string();
    std::string buffer(bufferSize, '\0');
    const DWORD copied = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), &buffer[0],
                                                  bufferSize, file.c_str());
    buffer.resize(copied < bufferSize ? copied : bufferSize - 1);
    return buffer;
}

bool Win32Profile::WriteString(const std::string& section, const std::string& key,
                               const std::optional<std::string>& value, const std::string& file) {
    // A read-only file is refused, also by Wine run by root, which would
    // write through the attribute.
    std::string path = file;
    if (file.find_first_of("\\/:") == std::string::npos) {
        char windows[MAX_PATH + 1];
        const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
        if (length > 0 && length < sizeof windows) path = std::string(windows, length) + "\\" + file;
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    const BOOL written =
        WritePrivateProfileStringA(section.c_str(), key.c_str(), value ? value->c_str() : nullptr, file.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    return written != FALSE;
}

}  // namespace platform::win32
