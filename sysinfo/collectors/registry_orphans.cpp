#include "sysinfo/collectors/registry_orphans.h"

#include <cstdio>

#include "platform/platform.h"
#include "platform/regedit.h"

namespace sysinfo::collectors {

using platform::RootKey;

std::vector<TOrphan> FindRunOrphans(RootKey root, const std::string& path) {
    std::vector<TOrphan> found;
    auto key = platform::Get().registry().OpenKey(root, path, false);
    if (!key) return found;
    for (const std::string& name : key->ValueNames()) {
        auto value = key->QueryValue(name);
        if (!value || name.empty()) continue;
        const bool text = value->type == platform::ValueType::Sz || value->type == platform::ValueType::ExpandSz;
        const auto judged = text ? JudgeRunCommand(platform::TextOfSz(value->data)) : RunJudgement{};
        if (judged.verdict == RunVerdict::Present) continue;
        found.push_back({root, path, name, *value, judged.file.empty() ? name : judged.file, judged.verdict});
    }
    return found;
}

std::vector<TOrphan> FindSharedDllOrphans(RootKey root, const std::string& path) {
    std::vector<TOrphan> found;
    auto key = platform::Get().registry().OpenKey(root, path, false);
    if (!key) return found;
    platform::FileSystem& files = platform::Get().files();
    for (const std::string& name : key->ValueNames()) {
        auto value = key->QueryValue(name);
        if (!value || name.empty()) continue;
        const bool fullPath = name.size() >= 3 && name[1] == ':' && name[2] == '\\';
        const bool fixed = fullPath && files.GetDriveType(name.substr(0, 3)) == platform::DriveType::Fixed;
        if (fixed && files.GetAttributes(name) != platform::attr::Invalid) continue;
        found.push_back({root, path, name, *value, name, fixed ? RunVerdict::Missing : RunVerdict::Unjudged});
    }
    return found;
}

namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string HexBytes(const std::string& data) {
    std::string out;
    char byte[4];
    for (size_t i = 0; i < data.size(); ++i) {
        std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned char>(data[i]));
        if (i) out += ',';
        out += byte;
    }
    return out;
}

std::string ValueLine(const TOrphan& entry) {
    std::string line = Quoted(entry.name) + "=";
    const platform::RegValue& value = entry.value;
    if (value.type == platform::ValueType::Sz) return line + Quoted(platform::TextOfSz(value.data));
    if (value.type == platform::ValueType::Dword && value.data.size() == 4) {
        uint32_t number = 0;
        for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value.data[i]);
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(number));
        return line + text;
    }
    if (value.type == platform::ValueType::Binary) return line + "hex:" + HexBytes(value.data);
    return line + "hex(" + std::to_string(static_cast<unsigned>(value.type)) + "):" + HexBytes(value.data);
}

}  // namespace

std::string RegeditBackup(const std::vector<const TOrphan*>& entries) {
    std::string text = "REGEDIT4\r\n";
    std::string section;
    for (const TOrphan* entry : entries) {
        const std::string next = std::string("[") + platform::RootKeyName(entry->root) + "\\" + entry->key + "]";
        if (next != section) {
            text += "\r\n" + next + "\r\n";
            section = next;
        }
        text += ValueLine(*entry) + "\r\n";
    }
    return text + "\r\n";
}

}  // namespace sysinfo::collectors
