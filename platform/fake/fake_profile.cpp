#include "platform/fake/fake_profile.h"

#include <stdexcept>
#include <vector>

#include "platform/text.h"

namespace platform::fake {

namespace {

struct Entry {
    std::string name;
    std::optional<std::string> value;
};

struct Section {
    std::string name;
    std::vector<Entry> entries;
};

// The file as the profile functions see it. The first section has no name
// and holds the lines before the first section header.
std::vector<Section> Parse(const std::string& bytes) {
    std::vector<Section> sections(1);
    bool previousUnnamed = false;  // the last entry of the section had no name
    bool anyEntry = false;
    size_t pos = 0;
    while (pos < bytes.size()) {
        auto end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = Trim(bytes.substr(pos, end - pos), kProfileBlanks);
        pos = end + 1;
        if (line.empty()) continue;
        if (line[0] == '[') {
            const auto close = line.rfind(']');
            if (close != std::string::npos) {
                sections.push_back(Section{Trim(line.substr(1, close - 1), kProfileBlanks), {}});
                previousUnnamed = false;
                anyEntry = false;
                continue;
            }
        }
        Entry entry;
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            entry.name = line;
        } else {
            entry.name = TrimRight(line.substr(0, equals), kProfileBlanks);
            entry.value = TrimLeft(line.substr(equals + 1), kProfileBlanks);
        }
        // Of several entries in a row without a name only the first is kept.
        if (entry.name.empty() && anyEntry && previousUnnamed) continue;
        previousUnnamed = entry.name.empty();
        anyEntry = true;
        sections.back().entries.push_back(entry);
    }
    return sections;
}

std::string Serialize(const std::vector<Section>& sections) {
    std::string out;
    for (const auto& section : sections) {
        if (!section.name.empty()) out += "[" + section.name + "]\r\n";
        for (const auto& entry : section.entries) {
            out += entry.name;
            if (entry.value) out += "=" + *entry.value;
            out += "\r\n";
        }
    }
    return out;
}

Section* FindSection(std::vector<Section>& sections, const std::string& name) {
    const std::string wanted = Trim(name, kProfileBlanks);
    for (auto& section : sections) {
        if (SameText(section.name, wanted)) return &section;
    }
    return nullptr;
}

Entry* FindEntry(Section& section, const std::string& name) {
    const std::string wanted = Trim(name, kProfileBlanks);
    for (auto& entry : section.entries) {
        if (SameText(entry.name, wanted)) return &entry;
    }
    return nullptr;
}

std::string WithoutQuotes(const std::string& text) {
    if (text.size() >= 2 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0]) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

}  // namespace

std::string FakeProfile::FullName(const std::string& file) {
    if (file.find_first_of("\\/:") != std::string::npos) return file;
    return files_.WindowsDirectory() + "\\" + file;
}

std::string FakeProfile::GetString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue, uint32_t bufferSize, const std::string& file) {
    if (!failingKey_.empty() && SameText(key, failingKey_)) throw std::runtime_error("simulated read failure");
    if (bufferSize == 0) return std::string();
    std::string result;
    bool found = false;
    if (auto bytes = files_.ReadFile(FullName(file))) {
        auto sections = Parse(*bytes);
        if (Section* s = FindSection(sections, section)) {
            if (Entry* e = FindEntry(*s, key)) {
                if (e->value) {
                    result = *e->value;
                    found = true;
                }
            }
        }
    }
    if (!found) {
        // Trailing blanks of the default go; a default of only blanks
        // keeps its first.
        size_t end = defaultValue.size();
        while (end > 1 && defaultValue[end - 1] == ' ') --end;
        result = defaultValue.substr(0, end);
    }
    result = WithoutQuotes(result);
    // Wine cuts one character too many when the buffer holds the unquoted
    // text exactly; the sound cut is kept here.
    if (result.size() > bufferSize - 1) result.resize(bufferSize - 1);
    return result;
}

bool FakeProfile::WriteString(const std::string& section, const std::string& key,
                              const std::optional<std::string>& value, const std::string& file) {
    const std::string path = FullName(file);
    const uint32_t attributes = files_.GetAttributes(path);
    if (attributes != attr::Invalid && (attributes & attr::ReadOnly)) return false;
    auto bytes = files_.ReadFile(path);
    auto sections = Parse(bytes.value_or(std::string()));
    bool changed = false;
    if (!value) {
        // Deleting looks for the key in every section of that name.
        for (auto& s : sections) {
            if (s.name.empty() || !SameText(s.name, section)) continue;
            for (auto it = s.entries.begin(); it != s.entries.end(); ++it) {
                if (SameText(it->name, key)) {
                    s.entries.erase(it);
                    changed = true;
                    break;
                }
            }
            if (changed) break;
        }
    } else {
        Section* s = FindSection(sections, section);
        if (!s) {
            sections.push_back(Section{TrimLeft(section, kProfileBlanks), {}});
            s = &sections.back();
        }
        Entry* e = FindEntry(*s, key);
        if (!e) {
            s->entries.push_back(Entry{TrimLeft(key, kProfileBlanks), std::nullopt});
            e = &s->entries.back();
        }
        const std::string text = TrimLeft(*value, kProfileBlanks);
        if (!e->value || *e->value != text) {
            e->value = text;
            changed = true;
        }
    }
    if (!changed) return true;
    return files_.WriteFile(path, Serialize(sections));
}

}  // namespace platform::fake
