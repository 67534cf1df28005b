#include "config/big_ini_file.h"

#include <optional>
#include <unordered_set>

#include "config/errors.h"
#include "config/text.h"
#include "platform/platform.h"

namespace config {

namespace {

constexpr size_t kMaxLine = 255;
constexpr char kCtrlZ = 26;

const std::string kByteOrderMark = "\xEF\xBB\xBF";

std::string Cut(const std::string& text) { return text.size() > kMaxLine ? text.substr(0, kMaxLine) : text; }

// A section or key name as the profile functions take it.
std::string Name(const std::string& text) { return TrimBlanks(Cut(text)); }

// The section that a line starts, read as the profile functions read it:
// without its blanks and tabs the line begins with "[" and holds a "]";
// the name is the text up to the last "]", without its own blanks, and
// anything after that "]" (blanks, a comment) does not count. Nothing for
// any other line.
std::optional<std::string> HeaderName(const std::string& line) {
    const std::string text = TrimBlanks(line);
    if (text.empty() || text[0] != '[') return std::nullopt;
    const auto close = text.rfind(']');
    if (close == 0 || close == std::string::npos) return std::nullopt;
    return TrimBlanks(text.substr(1, close - 1));
}

// The entry line with the blanks and tabs around its name and its value
// taken off, which is how Windows reads it.
std::string Plain(const IniEntry& entry) {
    const std::string& text = entry.Text();
    const auto eq = text.find('=');
    return eq == std::string::npos ? text : TrimBlanks(text.substr(0, eq)) + "=" + TrimBlanks(text.substr(eq + 1));
}

// The file beside the target that takes the new content, and the name the
// old file carries while it is being replaced.
std::string SiblingName(const std::string& path, const char* extension) {
    const auto slash = path.find_last_of("\\/");
    const auto dot = path.find_last_of('.');
    const std::string stem =
        (dot != std::string::npos && (slash == std::string::npos || dot > slash)) ? path.substr(0, dot) : path;
    return stem + extension;
}

}  // namespace

TBigIniFile::TBigIniFile(const std::string& fileName) : fileName_(fileName) {
    if (fileName_.empty()) return;
    platform::FileSystem& files = platform::Get().files();
    if (!files.Exists(fileName_)) return;
    const auto bytes = files.ReadFile(fileName_);
    if (!bytes) throw EIniFileException(Format(kMsgCannotReadFile, fileName_));
    Parse(*bytes);
}

TBigIniFile::~TBigIniFile() {
    try {
        Flush();
    } catch (...) {
        // A destructor must not throw; Flush() reports to callers that ask.
    }
}

void TBigIniFile::Parse(const std::string& bytes) {
    IniSection* current = nullptr;
    size_t start = 0;
    // A UTF-8 mark before the first line is skipped, as the profile
    // functions skip it, and written back in its place.
    byteOrderMark_ = bytes.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0;
    if (byteOrderMark_) start = kByteOrderMark.size();
    while (start < bytes.size()) {
        // A line ends at CR, LF or CR LF.
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = bytes.substr(start, end - start);
        start = end;
        if (start < bytes.size() && bytes[start++] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;

        if (line.empty() || (line.size() == 1 && line[0] == kCtrlZ)) continue;
        if (const auto name = HeaderName(Cut(line))) {
            current = &sections_.Add(*name, line);
            continue;
        }
        if (current) {
            current->entries.push_back(IniEntry::FromFileLine(line));
        } else {
            preamble_.push_back(line);
        }
    }
    changed_ = false;
}

std::string TBigIniFile::Serialize() const {
    // An empty section is left out, unless leaving it out would bring a
    // later section of the same name, set aside so far, into effect.
    std::unordered_set<std::string> shadowed;
    for (const auto& section : sections_.Sections()) {
        if (section.setAside && !section.entries.empty()) shadowed.insert(UpperCase(section.name));
    }
    std::string out = byteOrderMark_ ? kByteOrderMark : std::string();
    for (const auto& line : preamble_) out += line + "\r\n";
    for (const auto& section : sections_.Sections()) {
        if (section.entries.empty() && (section.setAside || !shadowed.count(UpperCase(section.name)))) continue;
        out += (section.header.empty() ? "[" + section.name + "]" : section.header) + "\r\n";
        for (const auto& entry : section.entries) out += entry.Text() + "\r\n";
        out += "\r\n";
    }
    // Text that only looked like the UTF-8 mark after the blank lines that
    // go stays away from the start: there Windows would read the whole file
    // as UTF-8.
    if (!byteOrderMark_ && out.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) out = "\r\n" + out;
    return out;
}

int TBigIniFile::FindKey(IniSection& section, const std::string& key) const {
    const std::string wanted = Name(key);
    for (size_t i = 0; i < section.entries.size(); ++i) {
        const IniEntry& entry = section.entries[i];
        if (entry.hasName && SameText(entry.name, wanted)) return static_cast<int>(i);
    }
    return -1;
}

std::string TBigIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) {
    const int s = sections_.Find(Name(section));
    if (s < 0) return defaultValue;
    IniSection& sec = sections_.Sections()[s];
    const int k = FindKey(sec, key);
    return k < 0 ? defaultValue : sec.entries[k].Value();
}

int32_t TBigIniFile::ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) {
    return ParseNumber(ReadString(section, key, std::string()), true).value_or(defaultValue);
}

bool TBigIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TBigIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    const std::string line = Cut(Cut(key) + "=" + value);
    int s = sections_.Find(Name(section));
    if (s < 0) {
        sections_.Add(Cut(section));
        s = sections_.Find(Name(section));
    }
    IniSection& sec = sections_.Sections()[s];
    const int k = FindKey(sec, key);
    if (k < 0) {
        sec.entries.push_back(IniEntry::FromFileLine(line));
        changed_ = true;
    } else if (sec.entries[k].Text() != line && Plain(sec.entries[k]) != line) {
        // Blanks around the "=" alone are no change: Windows reads the same
        // value, and the line stays as the user wrote it.
        sec.entries[k] = IniEntry::FromFileLine(line);
        changed_ = true;
    }
}

void TBigIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TBigIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TBigIniFile::DeleteKey(const std::string& section, const std::string& key) {
    const int s = sections_.Find(Name(section));
    if (s < 0) return;
    IniSection& sec = sections_.Sections()[s];
    const int k = FindKey(sec, key);
    if (k < 0) return;
    sec.entries.erase(sec.entries.begin() + k);
    changed_ = true;
}

void TBigIniFile::ReadSection(const std::string& section, std::vector<std::string>& keys) {
    const int s = sections_.Find(Name(section));
    if (s < 0) return;
    for (const auto& entry : sections_.Sections()[s].entries) {
        if (entry.hasName) keys.push_back(entry.name);
    }
}

void TBigIniFile::Flush() {
    if (!changed_ || fileName_.empty()) return;
    platform::FileSystem& files = platform::Get().files();
    const std::string fresh = SiblingName(fileName_, ".qw$");
    const std::string old = SiblingName(fileName_, ".qw~");
    const auto fail = [&] { throw EIniFileException(Format(kMsgCannotWriteFile, fileName_)); };

    const uint32_t attributes = files.GetAttributes(fileName_);
    const bool exists = attributes != platform::attr::Invalid;
    // A read-only file is not replaced behind the user's back.
    if (exists && (attributes & platform::attr::ReadOnly)) fail();

    files.DeleteFile(fresh);
    if (!files.WriteFile(fresh, Serialize())) {
        files.DeleteFile(fresh);
        fail();
    }
    if (exists) {
        files.DeleteFile(old);
        if (!files.MoveFile(fileName_, old)) {
            files.DeleteFile(fresh);
            fail();
        }
    }
    if (!files.MoveFile(fresh, fileName_)) {
        if (exists) files.MoveFile(old, fileName_);
        files.DeleteFile(fresh);
        fail();
    }
    if (exists) {
        files.SetAttributes(fileName_, attributes);
        files.DeleteFile(old);
    }
    changed_ = false;
}

}  // namespace config
