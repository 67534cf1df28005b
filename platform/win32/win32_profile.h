// Profile strings through kernel32's ANSI functions.
#pragma once

#include "platform/platform.h"

namespace platform::win32 {

class Win32Profile : public Profile {
public:
    std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                          uint32_t bufferSize, const std::string& file) override;
    // Flushes the profile cache of Windows 9x after the write, so that the
    // bytes of the file show the change at once.
    bool WriteString(const std::string& section, const std::string& key, const std::optional<std::string>& value,
                     const std::string& file) override;
};

}  // namespace platform::win32
