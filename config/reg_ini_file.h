// The registry in the manner of an INI file: sections are subkeys of a base
// key under HKEY_CURRENT_USER, every value is text.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace config {

class TRegIniFile {
public:
    // Opens the base key, creating it when missing.
    explicit TRegIniFile(const std::string& baseKey);

    // Defaults when the section subkey or the value is missing;
    // ERegistryException when the value is stored in a non-text type.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    // Decimal text only; "0x" is not recognised.
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const;
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

    // Creates the section subkey when missing; ERegistryException on failure.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // Deletes the value; nothing happens when the subkey is missing.
    void DeleteKey(const std::string& section, const std::string& key);

    const std::string& BaseKey() const { return base_; }

private:
    std::unique_ptr<platform::RegKey> OpenSection(const std::string& section, bool create) const;
    // The value's text, nothing when the subkey or value is missing.
    std::optional<std::string> ReadText(const std::string& section, const std::string& key) const;

    std::string base_;
};

}  // namespace config
