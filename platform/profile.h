// Profile strings: the INI file access of GetPrivateProfileStringA and
// WritePrivateProfileStringA.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

class Profile {
public:
    virtual ~Profile() = default;
    // GetPrivateProfileStringA with a buffer of bufferSize bytes. A file
    // name without a path is taken from the Windows directory.
    virtual std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                                  uint32_t bufferSize, const std::string& file) = 0;
    // WritePrivateProfileStringA. No value deletes the key.
    virtual bool WriteString(const std::string& section, const std::string& key,
                             const std::optional<std::string>& value, const std::string& file) = 0;
};

}  // namespace platform
