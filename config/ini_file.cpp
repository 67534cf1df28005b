#include "config/ini_file.h"

#include "config/errors.h"
#include "config/text.h"
#include "platform/platform.h"

namespace config {

namespace {
// A text read returns at most 2047 characters.
constexpr uint32_t kReadBuffer = 2048;
}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    return platform::Get().profile().GetString(section, key, defaultValue, kReadBuffer, fileName_);
}

int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const {
    return ParseNumber(ReadString(section, key, std::string()), true).value_or(defaultValue);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
    // No text reads back as two different defaults, so a key that gives
    // both is missing.
    return ReadString(section, key, "\x01") != "\x01" || ReadString(section, key, "\x02") != "\x02";
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) const {
    if (!platform::Get().profile().WriteString(section, key, value, fileName_)) {
        throw EIniFileException(Format(kMsgCannotWriteFile, fileName_));
    }
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) const {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) const {
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) const {
    if (!platform::Get().profile().WriteString(section, key, std::nullopt, fileName_)) {
        throw EIniFileException(Format(kMsgCannotWriteFile, fileName_));
    }
}

}  // namespace config
