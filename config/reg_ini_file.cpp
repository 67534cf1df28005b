#include "config/reg_ini_file.h"

#include "config/errors.h"
#include "config/text.h"

namespace config {

using platform::RootKey;
using platform::ValueType;

TRegIniFile::TRegIniFile(const std::string& baseKey) : base_(baseKey) {
    // The base key is made at once, as the options expect it to exist.
    platform::Get().registry().OpenKey(RootKey::CurrentUser, base_, true);
}

std::unique_ptr<platform::RegKey> TRegIniFile::OpenSection(const std::string& section, bool create) const {
    const std::string path = section.empty() ? base_ : base_ + "\\" + section;
    return platform::Get().registry().OpenKey(RootKey::CurrentUser, path, create);
}

std::optional<std::string> TRegIniFile::ReadText(const std::string& section, const std::string& key) const {
    const auto sub = OpenSection(section, false);
    if (!sub) return std::nullopt;
    const auto value = sub->QueryValue(key);
    if (!value) return std::nullopt;
    if (value->type != ValueType::Sz && value->type != ValueType::ExpandSz) {
        throw ERegistryException(Format(kMsgInvalidDataType, key));
    }
    return platform::TextOfSz(value->data);
}

std::string TRegIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
    return ReadText(section, key).value_or(defaultValue);
}

int32_t TRegIniFile::ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const {
    const auto text = ReadText(section, key);
    if (!text) return defaultValue;
    return ParseNumber(*text, false).value_or(defaultValue);
}

bool TRegIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TRegIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    const auto sub = OpenSection(section, true);
    if (!sub || !sub->SetValue(key, ValueType::Sz, platform::SzData(value))) {
        throw ERegistryException(Format(kMsgCannotSetData, key));
    }
}

void TRegIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TRegIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TRegIniFile::DeleteKey(const std::string& section, const std::string& key) {
    const auto sub = OpenSection(section, false);
    if (sub) sub->DeleteValue(key);
}

}  // namespace config
