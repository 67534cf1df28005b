// An INI file reached through the profile-string functions: one file
// access per operation, no copy kept. A name without a path means the file
// of that name in the Windows directory.
#pragma once

#include <cstdint>
#include <string>

namespace config {

class TIniFile {
public:
    explicit TIniFile(const std::string& fileName) : fileName_(fileName) {}

    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const;
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    // True when the section holds the key with a value, as the profile
    // functions read it.
    bool ValueExists(const std::string& section, const std::string& key) const;

    // Each raises EIniFileException when the file cannot be written.
    void WriteString(const std::string& section, const std::string& key, const std::string& value) const;
    void WriteInteger(const std::string& section, const std::string& key, int32_t value) const;
    void WriteBool(const std::string& section, const std::string& key, bool value) const;
    void DeleteKey(const std::string& section, const std::string& key) const;

    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
};

}  // namespace config
