#include "platform/win32/win32_version_info.h"

#include <vector>

#include "platform/win32/win32_api.h"

namespace platform::win32 {

uint32_t Win32VersionInfo::FileVersionInfoSize(const std::string& path) {
    DWORD handle = 0;
    return GetFileVersionInfoSizeA(path.c_str(), &handle);
}

std::optional<std::string> Win32VersionInfo::FileVersionInfo(const std::string& path, uint32_t size) {
    if (size == 0) return std::nullopt;
    std::string block(size, '\0');
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return std::nullopt;
    return block;
}

std::optional<std::string> Win32VersionInfo::QueryValue(const std::string& block, const std::string& subBlock) {
    // VerQueryValueA may convert texts into the block's spare room, so it
    // works on a copy it may write to.
    std::vector<char> copy(block.begin(), block.end());
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(copy.data(), subBlock.c_str(), &value, &length) || !value) return std::nullopt;
    const char* start = static_cast<const char*>(value);
    if (start < copy.data() || start + length > copy.data() + copy.size()) return std::nullopt;
    return std::string(start, length);
}

}  // namespace platform::win32
