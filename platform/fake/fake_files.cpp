#include "platform/fake/fake_files.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "platform/text.h"

namespace fs = std::filesystem;

namespace platform::fake {

// A Windows path taken apart: the drive letter, the drive text as the
// caller wrote it ("c:"), the folder and file names.
struct FakeFiles::WinPath {
    char drive = 'C';
    std::string driveText = "C:";
    std::vector<std::string> parts;
    bool trailingSeparator = false;
};

// Where a Windows path lies on the host.
struct FakeFiles::Resolved {
    fs::path host;          // the entry itself (named as given when missing)
    fs::path parentHost;    // its folder
    std::string key;        // upper-case Windows path of the entry
    std::string leaf;       // the last name as the caller wrote it
    bool exists = false;
    bool isDirectory = false;
    bool isRoot = false;
    WinPath path;
    std::vector<std::string> actualParts;  // the names as they are stored
};

namespace {

constexpr uint32_t kSettable = attr::ReadOnly | attr::Hidden | attr::System | attr::Archive | 0x100 /* temporary */ |
                               0x1000 /* offline */ | 0x2000 /* not indexed */;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsInvalidNameChar(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|' ||
           c == '?' || c == '*';
}

// The names in a host folder, in order without regard to case.
std::vector<std::string> ListNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string ua = UpperCase(a), ub = UpperCase(b);
        return ua != ub ? ua < ub : a < b;
    });
    return names;
}

std::string Stem83(const std::string& text, size_t keep) {
    std::string out;
    for (char c : text) {
        if (c == ' ' || c == '.') continue;
        if (c == '+' || c == ',' || c == ';' || c == '=' || c == '[' || c == ']') c = '_';
        out += UpperAscii(c);
        if (out.size() == keep) break;
    }
    return out;
}

// The stem of the generated short name: up to six characters of the name
// and up to three of the extension.
std::pair<std::string, std::string> ShortStem(const std::string& name) {
    const auto dot = name.find_last_of('.');
    const bool hasExt = dot != std::string::npos && dot > 0;
    std::string base = Stem83(hasExt ? name.substr(0, dot) : name, 6);
    if (base.empty()) base = "_";
    return {base, hasExt ? Stem83(name.substr(dot + 1), 3) : std::string()};
}

bool WildcardMatch(const char* p, const char* n) {
    // Iterative matching with one back-tracking point for the last "*".
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*n) {
        if (*p == '*') {
            star = p++;
            resume = n;
        } else if (*p == '?' || (*p && UpperAscii(*p) == UpperAscii(*n))) {
            ++p;
            ++n;
        } else if (star) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (*p == '*') ++p;
    return *p == 0;
}

bool ReadHostFile(const fs::path& path, std::string& out) {
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (!file) return false;
    out.clear();
    char buffer[8192];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) out.append(buffer, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool WriteHostFile(const fs::path& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

}  // namespace

bool IsShortName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    const auto dot = name.find('.');
    if (dot != std::string::npos && name.find('.', dot + 1) != std::string::npos) return false;
    const size_t baseLength = dot == std::string::npos ? name.size() : dot;
    const size_t extLength = dot == std::string::npos ? 0 : name.size() - dot - 1;
    if (baseLength == 0 || baseLength > 8 || extLength > 3) return false;
    for (char c : name) {
        if (IsInvalidNameChar(c) || c == ' ' || c == '+' || c == ',' || c == ';' || c == '=' || c == '[' ||
            c == ']' || c == '\\' || c == '/') {
            return false;
        }
    }
    return true;
}

std::string ShortNameOf(const std::string& name, const std::vector<std::string>& folderNames) {
    if (IsShortName(name)) return name;
    const auto stem = ShortStem(name);
    int number = 1;
    for (const auto& other : folderNames) {
        if (other == name) break;
        if (!IsShortName(other) && ShortStem(other) == stem) ++number;
    }
    std::string shortName = stem.first + "~" + std::to_string(number);
    if (!stem.second.empty()) shortName += "." + stem.second;
    return shortName;
}

bool MatchesWildcard(const std::string& pattern, const std::string& name) {
    if (WildcardMatch(pattern.c_str(), name.c_str())) return true;
    if (pattern.size() >= 2 && pattern.compare(pattern.size() - 2, 2, ".*") == 0 &&
        name.find('.') == std::string::npos) {
        return WildcardMatch(pattern.substr(0, pattern.size() - 2).c_str(), name.c_str());
    }
    return false;
}

// ------------------------------------------------------------------ setup

FakeFiles::FakeFiles(fs::path hostRoot) : root_(std::move(hostRoot)) {
    for (auto& type : types_) type = DriveType::NoRootDir;
    space_.freeBytes = 1536ull * 1024 * 1024;
    space_.totalBytes = 4096ull * 1024 * 1024;
    SetDriveType('C', DriveType::Fixed);
    MakeDirectories(SystemDirectory());
    MakeDirectories(TempDirectory());
    environment_ = {
        {"windir", "C:\\WINDOWS"},
        {"winbootdir", "C:\\WINDOWS"},
        {"COMSPEC", "C:\\WINDOWS\\COMMAND.COM"},
        {"PATH", "C:\\WINDOWS;C:\\WINDOWS\\COMMAND"},
        {"TEMP", "C:\\WINDOWS\\TEMP"},
        {"TMP", "C:\\WINDOWS\\TEMP"},
    };
    SetModuleFileName("C:\\PROGRAMME\\QUELLWERK\\quellwerk.exe");
}

void FakeFiles::SetDriveType(char letter, DriveType type) {
    const char drive = UpperAscii(letter);
    if (drive < 'A' || drive > 'Z') return;
    types_[drive - 'A'] = type;
    if (type != DriveType::NoRootDir) {
        std::error_code ec;
        fs::create_directories(root_ / std::string(1, drive), ec);
    }
}

void FakeFiles::SetEnvironment(const std::string& name, const std::optional<std::string>& value) {
    for (auto it = environment_.begin(); it != environment_.end(); ++it) {
        if (SameText(it->first, name)) {
            if (value) {
                it->second = *value;
            } else {
                environment_.erase(it);
            }
            return;
        }
    }
    if (value) environment_.emplace_back(name, *value);
}

void FakeFiles::SetModuleFileName(const std::string& path) {
    moduleFileName_ = path;
    const auto slash = path.find_last_of("\\/");
    if (slash != std::string::npos) MakeDirectories(path.substr(0, slash));
}

bool FakeFiles::MakeDirectories(const std::string& path) {
    auto parsed = Parse(path);
    if (!parsed) return false;
    WinPath partial = *parsed;
    partial.parts.clear();
    for (const auto& part : parsed->parts) {
        partial.parts.push_back(part);
        auto at = Resolve(partial);
        if (!at) return false;
        if (at->exists) {
            if (!at->isDirectory) return false;
            continue;
        }
        std::error_code ec;
        if (!fs::create_directory(at->host, ec)) return false;
    }
    return true;
}

fs::path FakeFiles::HostPath(const std::string& path) {
    auto at = Resolve(path);
    return at ? at->host : fs::path();
}

// ------------------------------------------------------------- resolving

std::optional<FakeFiles::WinPath> FakeFiles::Parse(const std::string& path) const {
    WinPath out;
    std::string rest = path;
    if (rest.size() >= 2 && rest[1] == ':') {
        const char drive = UpperAscii(rest[0]);
        if (drive < 'A' || drive > 'Z') return std::nullopt;
        out.drive = drive;
        out.driveText = rest.substr(0, 2);
        rest.erase(0, 2);
    } else if (rest.size() >= 2 && IsSeparator(rest[0]) && IsSeparator(rest[1])) {
        return std::nullopt;  // network names are not served
    }
    // Paths without a drive are taken from the root of C:, the current
    // folder of the fake.
    if (rest.empty()) return out;
    out.trailingSeparator = IsSeparator(rest.back());
    std::string part;
    auto finish = [&]() {
        if (part == "..") {
            if (!out.parts.empty()) out.parts.pop_back();
        } else if (part != "." && !part.empty()) {
            // Windows drops trailing dots and blanks of a name.
            while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.pop_back();
            if (!part.empty()) out.parts.push_back(part);
        }
        part.clear();
    };
    for (char c : rest) {
        if (IsSeparator(c)) {
            finish();
        } else {
            part += c;
        }
    }
    finish();
    return out;
}

bool FakeFiles::DrivePresent(char letter) const {
    return letter >= 'A' && letter <= 'Z' && types_[letter - 'A'] != DriveType::NoRootDir;
}

std::optional<FakeFiles::Resolved> FakeFiles::Resolve(const std::string& path) {
    auto parsed = Parse(path);
    if (!parsed) return std::nullopt;
    return Resolve(*parsed);
}

std::optional<FakeFiles::Resolved> FakeFiles::Resolve(const WinPath& path) {
    if (!DrivePresent(path.drive)) return std::nullopt;
    Resolved at;
    at.path = path;
    at.host = root_ / std::string(1, path.drive);
    at.parentHost = at.host;
    at.key = std::string(1, path.drive) + ":";
    at.exists = true;
    at.isDirectory = true;
    at.isRoot = path.parts.empty();
    for (size_t i = 0; i < path.parts.size(); ++i) {
        const std::string& part = path.parts[i];
        for (char c : part) {
            if (IsInvalidNameChar(c)) return std::nullopt;
        }
        const bool last = i + 1 == path.parts.size();
        if (!at.isDirectory) return std::nullopt;  // a file used as a folder
        const auto names = ListNames(at.host);
        std::string actual;
        for (const auto& name : names) {
            if (SameText(name, part)) actual = name;
        }
        if (actual.empty() && part.find('~') != std::string::npos) {
            for (const auto& name : names) {
                if (SameText(ShortNameOf(name, names), part)) actual = name;
            }
        }
        at.parentHost = at.host;
        if (actual.empty()) {
            if (!last) return std::nullopt;  // a missing folder on the way
            at.host /= part;
            at.key += "\\" + UpperCase(part);
            at.leaf = part;
            at.exists = false;
            at.isDirectory = false;
            at.actualParts.push_back(part);
            return at;
        }
        at.host /= actual;
        at.key += "\\" + UpperCase(actual);
        at.leaf = part;
        at.actualParts.push_back(actual);
        std::error_code ec;
        at.isDirectory = fs::is_directory(at.host, ec);
    }
    if (path.trailingSeparator && at.exists && !at.isDirectory) return std::nullopt;
    return at;
}

uint32_t FakeFiles::StoredAttributes(const Resolved& at) const {
    const auto it = attributes_.find(at.key);
    if (it != attributes_.end()) return it->second;
    return at.isDirectory ? 0 : attr::Archive;
}

bool FakeFiles::IsReadOnly(const Resolved& at) const { return (StoredAttributes(at) & attr::ReadOnly) != 0; }

void FakeFiles::MoveAttributes(const std::string& fromKey, const std::string& toKey) {
    std::map<std::string, uint32_t> moved;
    for (auto it = attributes_.begin(); it != attributes_.end();) {
        const std::string& key = it->first;
        if (key == fromKey || key.compare(0, fromKey.size() + 1, fromKey + "\\") == 0) {
            moved[toKey + key.substr(fromKey.size())] = it->second;
            it = attributes_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& entry : moved) attributes_[entry.first] = entry.second;
}

void FakeFiles::EraseAttributes(const std::string& key) {
    for (auto it = attributes_.begin(); it != attributes_.end();) {
        if (it->first == key || it->first.compare(0, key.size() + 1, key + "\\") == 0) {
            it = attributes_.erase(it);
        } else {
            ++it;
        }
    }
}

// ------------------------------------------------------------ operations

bool FakeFiles::Exists(const std::string& path) {
    auto at = Resolve(path);
    return at && at->exists;
}

uint32_t FakeFiles::GetAttributes(const std::string& path) {
    auto at = Resolve(path);
    if (!at || !at->exists) return attr::Invalid;
    const uint32_t stored = StoredAttributes(*at);
    if (at->isDirectory) return attr::Directory | stored;
    return stored ? stored : attr::Normal;
}

bool FakeFiles::SetAttributes(const std::string& path, uint32_t attributes) {
    auto at = Resolve(path);
    if (!at || !at->exists || at->isRoot) return false;
    attributes_[at->key] = attributes & kSettable;
    return true;
}

bool FakeFiles::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    auto source = Resolve(from);
    auto target = Resolve(to);
    if (!source || !source->exists || source->isDirectory || !target) return false;
    if (target->exists) {
        if (failIfExists || target->isDirectory || IsReadOnly(*target) || target->key == source->key) return false;
    }
    std::string bytes;
    if (!ReadHostFile(source->host, bytes) || !WriteHostFile(target->host, bytes)) return false;
    // The copy takes the attributes of the original, and is a new file.
    attributes_[target->key] = StoredAttributes(*source) | attr::Archive;
    return true;
}

bool FakeFiles::MoveFile(const std::string& from, const std::string& to) {
    auto source = Resolve(from);
    auto target = Resolve(to);
    if (!source || !source->exists || source->isRoot || !target) return false;
    const bool sameEntry = target->exists && target->key == source->key;  // a change of case
    if (target->exists && !sameEntry) return false;
    if (source->isDirectory && target->key.compare(0, source->key.size() + 1, source->key + "\\") == 0) return false;
    const fs::path destination = target->parentHost / target->leaf;
    std::error_code ec;
    fs::rename(source->host, destination, ec);
    if (ec) return false;
    MoveAttributes(source->key, target->key);
    return true;
}

bool FakeFiles::DeleteFile(const std::string& path) {
    auto at = Resolve(path);
    if (!at || !at->exists || at->isDirectory || IsReadOnly(*at)) return false;
    std::error_code ec;
    if (!fs::remove(at->host, ec)) return false;
    EraseAttributes(at->key);
    return true;
}

bool FakeFiles::CreateDirectory(const std::string& path) {
    auto at = Resolve(path);
    if (!at || at->exists) return false;
    std::error_code ec;
    if (!fs::create_directory(at->host, ec)) return false;
    attributes_.erase(at->key);
    return true;
}

bool FakeFiles::RemoveDirectory(const std::string& path) {
    auto at = Resolve(path);
    if (!at || !at->exists || !at->isDirectory || at->isRoot) return false;
    if (!ListNames(at->host).empty()) return false;
    std::error_code ec;
    if (!fs::remove(at->host, ec)) return false;
    EraseAttributes(at->key);
    return true;
}

std::optional<std::string> FakeFiles::ReadFile(const std::string& path) {
    auto at = Resolve(path);
    if (!at || !at->exists || at->isDirectory) return std::nullopt;
    std::string bytes;
    if (!ReadHostFile(at->host, bytes)) return std::nullopt;
    return bytes;
}

bool FakeFiles::WriteFile(const std::string& path, const std::string& bytes) {
    auto at = Resolve(path);
    if (!at || at->isDirectory || (at->exists && IsReadOnly(*at))) return false;
    const uint32_t before = at->exists ? StoredAttributes(*at) : 0;
    if (!WriteHostFile(at->host, bytes)) return false;
    // Writing a file marks it for the next backup.
    attributes_[at->key] = before | attr::Archive;
    return true;
}

std::vector<FoundFile> FakeFiles::Find(const std::string& pattern) {
    std::vector<FoundFile> found;
    const auto slash = pattern.find_last_of("\\/");
    std::string folder;
    std::string namePattern;
    if (slash == std::string::npos) {
        if (pattern.size() >= 2 && pattern[1] == ':') {
            folder = pattern.substr(0, 2) + "\\";
            namePattern = pattern.substr(2);
        } else {
            folder = "C:\\";
            namePattern = pattern;
        }
    } else {
        folder = pattern.substr(0, slash + 1);
        namePattern = pattern.substr(slash + 1);
    }
    if (namePattern.empty()) return found;
    auto at = Resolve(folder);
    if (!at || !at->exists || !at->isDirectory) return found;

    const auto names = ListNames(at->host);
    if (!at->isRoot) {
        for (const char* dots : {".", ".."}) {
            if (MatchesWildcard(namePattern, dots)) found.push_back(FoundFile{dots, "", attr::Directory, 0});
        }
    }
    for (const auto& name : names) {
        const std::string shortName = ShortNameOf(name, names);
        if (!MatchesWildcard(namePattern, name) && !MatchesWildcard(namePattern, shortName)) continue;
        auto entry = Resolve(folder + name);
        if (!entry) continue;
        FoundFile file;
        file.name = name;
        file.shortName = shortName == name ? std::string() : shortName;
        file.attributes = GetAttributes(folder + name);
        std::error_code ec;
        if (!entry->isDirectory) file.size = fs::file_size(entry->host, ec);
        found.push_back(file);
    }
    return found;
}

std::string FakeFiles::ShortPath(const std::string& path) {
    auto at = Resolve(path);
    if (!at || !at->exists) return std::string();
    std::string out = at->path.driveText;
    fs::path folder = root_ / std::string(1, at->path.drive);
    for (const auto& actual : at->actualParts) {
        out += "\\" + ShortNameOf(actual, ListNames(folder));
        folder /= actual;
    }
    if (at->actualParts.empty() || at->path.trailingSeparator) out += "\\";
    return out;
}

DriveType FakeFiles::GetDriveType(const std::string& root) {
    const bool rootForm = (root.size() == 2 || (root.size() == 3 && IsSeparator(root[2]))) && root[1] == ':';
    if (!rootForm) return DriveType::NoRootDir;
    const char drive = UpperAscii(root[0]);
    if (drive < 'A' || drive > 'Z') return DriveType::NoRootDir;
    return types_[drive - 'A'];
}

std::optional<DiskSpace> FakeFiles::GetDiskSpace(const std::string& root) {
    auto parsed = Parse(root);
    if (!parsed || !DrivePresent(parsed->drive)) return std::nullopt;
    return space_;
}

std::string FakeFiles::WindowsDirectory() { return "C:\\WINDOWS"; }

std::string FakeFiles::SystemDirectory() { return "C:\\WINDOWS\\SYSTEM"; }

std::string FakeFiles::TempDirectory() { return "C:\\WINDOWS\\TEMP\\"; }

std::optional<std::string> FakeFiles::GetEnvironment(const std::string& name) {
    for (const auto& entry : environment_) {
        if (SameText(entry.first, name)) return entry.second;
    }
    return std::nullopt;
}

std::string FakeFiles::ModuleFileName() { return moduleFileName_; }

}  // namespace platform::fake
