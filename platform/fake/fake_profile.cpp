#include "platform/fake/fake_profile.h"

#include <cstdint>
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

const std::string kByteOrderMark = "\xEF\xBB\xBF";

// The code points of the Windows-1252 bytes 0x80 to 0x9F; the five unused
// bytes stand for themselves, as MultiByteToWideChar maps them.
constexpr uint16_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

uint32_t CodePoint(unsigned char b) { return b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : b; }

// A file that starts with the UTF-8 mark is UTF-8 text to Wine: it reads
// it as such and hands the program Windows-1252 text, with "?" for what the
// code page cannot hold (a broken sequence among it).
std::string FromUtf8(const std::string& bytes) {
    std::string out;
    for (size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        uint32_t cp = 0xFFFD;
        size_t length = 1;
        if (b < 0x80) {
            cp = b;
        } else {
            const size_t need = b >= 0xF0 && b < 0xF8 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 0;
            if (need > 0 && i + need <= bytes.size()) {
                uint32_t value = b & (0xFF >> (need + 1));
                bool valid = true;
                for (size_t k = 1; k < need && valid; ++k) {
                    const auto c = static_cast<unsigned char>(bytes[i + k]);
                    valid = (c & 0xC0) == 0x80;
                    value = (value << 6) | (c & 0x3F);
                }
                if (valid) {
                    cp = value;
                    length = need;
                }
            }
        }
        i += length;
        char mapped = '?';
        for (int byte = 0; byte < 256; ++byte) {
            if (CodePoint(static_cast<unsigned char>(byte)) == cp) {
                mapped = static_cast<char>(byte);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

std::string ToUtf8(const std::string& text) {
    std::string out;
    for (char c : text) {
        const uint32_t cp = CodePoint(static_cast<unsigned char>(c));
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

// The file as the profile functions see it. The first section has no name
// and holds the lines before the first section header.
std::vector<Section> Parse(const std::string& bytes) {
    std::vector<Section> sections(1);
    bool previousUnnamed = false;  // the last entry of the section had no name
    bool anyEntry = false;
    size_t pos = 0;
    while (pos < bytes.size()) {
        // A line ends at CR, at LF or at both.
        auto end = bytes.find_first_of("\r\n", pos);
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

// The file's text in the code page, and whether it was UTF-8 behind a mark.
std::pair<std::string, bool> Text(const std::string& bytes) {
    if (bytes.compare(0, kByteOrderMark.size(), kByteOrderMark) != 0) return {bytes, false};
    return {FromUtf8(bytes.substr(kByteOrderMark.size())), true};
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

std::string FakeProfile::GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                                   uint32_t bufferSize, const std::string& file) {
    if (bufferSize == 0) return std::string();
    std::string result;
    bool found = false;
    if (auto bytes = files_.ReadFile(FullName(file))) {
        auto sections = Parse(Text(*bytes).first);
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
    const auto [text, utf8] = Text(files_.ReadFile(path).value_or(std::string()));
    auto sections = Parse(text);
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
    return files_.WriteFile(path, utf8 ? kByteOrderMark + ToUtf8(Serialize(sections)) : Serialize(sections));
}

}  // namespace platform::fake
