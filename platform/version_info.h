// Version resources of files (version.dll): GetFileVersionInfoSizeA,
// GetFileVersionInfoA and VerQueryValueA.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

class VersionInfo {
public:
    virtual ~VersionInfo() = default;
    // GetFileVersionInfoSizeA: the size a buffer for the file's version
    // resource needs; 0 when the file has none or cannot be read.
    virtual uint32_t FileVersionInfoSize(const std::string& path) = 0;
    // GetFileVersionInfoA into a buffer of that size; nothing when it fails.
    virtual std::optional<std::string> FileVersionInfo(const std::string& path, uint32_t size) = 0;
    // VerQueryValueA on a block that FileVersionInfo gave: the value's bytes
    // as long as the returned length says (a text value in Windows-1252,
    // possibly with its terminating zero); nothing when the block has no
    // such value.
    virtual std::optional<std::string> QueryValue(const std::string& block, const std::string& subBlock) = 0;
};

}  // namespace platform
