// GetFileVersionInfoSizeA, GetFileVersionInfoA and VerQueryValueA of
// version.dll.
#pragma once

#include "platform/version_info.h"

namespace platform::win32 {

class Win32VersionInfo : public VersionInfo {
public:
    uint32_t FileVersionInfoSize(const std::string& path) override;
    std::optional<std::string> FileVersionInfo(const std::string& path, uint32_t size) override;
    std::optional<std::string> QueryValue(const std::string& block, const std::string& subBlock) override;
};

}  // namespace platform::win32
