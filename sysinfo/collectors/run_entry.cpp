#include "sysinfo/collectors/run_entry.h"

#include <optional>
#include <vector>

#include "platform/platform.h"
#include "platform/text.h"

namespace sysinfo::collectors {

namespace {

using platform::attr::Directory;
using platform::attr::Invalid;

const char kAppPaths[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// %NAME% replaced by the variable's value; nothing when a variable is not
// set, as the command would then start something else than it says.
std::optional<std::string> Expand(const std::string& text) {
    std::string out;
    size_t at = 0;
    while (at < text.size()) {
        const size_t open = text.find('%', at);
        if (open == std::string::npos) break;
        const size_t close = text.find('%', open + 1);
        if (close == std::string::npos) break;
        out += text.substr(at, open - at);
        const std::string name = text.substr(open + 1, close - open - 1);
        if (name.empty()) {
            out += '%';
        } else {
            auto value = platform::Get().files().GetEnvironment(name);
            if (!value) return std::nullopt;
            out += *value;
        }
        at = close + 1;
    }
    return out + text.substr(at);
}

bool IsFile(const std::string& path) {
    const uint32_t attributes = platform::Get().files().GetAttributes(path);
    return attributes != Invalid && (attributes & Directory) == 0;
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool HasPath(const std::string& name) { return name.find_first_of("\\/:") != std::string::npos; }

// "C:\..." or "C:/...": a full path on a drive.
bool IsFullPath(const std::string& path) {
    return path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/') &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

bool OnFixedDisk(const std::string& path) {
    return IsFullPath(path) &&
           platform::Get().files().GetDriveType(path.substr(0, 2) + "\\") == platform::DriveType::Fixed;
}

// The path as given, and with the extensions Windows tries for a name
// without one.
std::vector<std::string> Spellings(const std::string& path) {
    if (BaseName(path).find('.') != std::string::npos) return {path};
    return {path, path + ".exe", path + ".com", path + ".bat", path + ".pif"};
}

// Only fixed disks are asked: a floppy or CD-ROM drive would spin up or
// ask for its disk, a network drive may hang.
std::optional<std::string> FindSpelling(const std::string& path) {
    if (!OnFixedDisk(path)) return std::nullopt;
    for (const std::string& spelling : Spellings(path)) {
        if (IsFile(spelling)) return spelling;
    }
    return std::nullopt;
}

std::string WithSlash(const std::string& folder) {
    return !folder.empty() && folder.back() != '\\' ? folder + "\\" : folder;
}

// A name without path where Windows would look for it.
std::optional<std::string> Search(const std::string& name) {
    platform::FileSystem& files = platform::Get().files();
    std::vector<std::string> folders{files.WindowsDirectory(), files.SystemDirectory()};
    if (auto path = files.GetEnvironment("PATH")) {
        size_t at = 0;
        while (at <= path->size()) {
            size_t end = path->find(';', at);
            if (end == std::string::npos) end = path->size();
            const std::string folder = platform::Trim(path->substr(at, end - at), platform::kBlanksAndTabs);
            if (!folder.empty()) folders.push_back(folder);
            at = end + 1;
        }
    }
    for (const std::string& folder : folders) {
        if (auto found = FindSpelling(WithSlash(folder) + name)) return found;
    }
    for (const std::string& spelling : Spellings(name)) {
        auto key = platform::Get().registry().OpenKey(platform::RootKey::LocalMachine, kAppPaths + spelling, false);
        if (!key) continue;
        auto value = key->QueryValue("");
        if (!value) continue;
        std::string registered = platform::Trim(platform::TextOfSz(value->data), platform::kBlanksAndTabs);
        if (registered.size() >= 2 && registered.front() == '"' && registered.back() == '"') {
            registered = registered.substr(1, registered.size() - 2);
        }
        if (IsFile(registered)) return registered;
    }
    return std::nullopt;
}

// One file: a full path is there or missing (only a fixed disk is trusted
// to say it is missing), a bare name is found on the search path or cannot
// be judged.
RunJudgement JudgeFile(const std::string& file) {
    if (file.empty()) return {RunVerdict::Unjudged, file};
    if (!HasPath(file)) {
        if (auto found = Search(file)) return {RunVerdict::Present, *found};
        return {RunVerdict::Unjudged, file};
    }
    if (!IsFullPath(file)) return {RunVerdict::Unjudged, file};
    if (auto found = FindSpelling(file)) return {RunVerdict::Present, *found};
    return {OnFixedDisk(file) ? RunVerdict::Missing : RunVerdict::Unjudged, file};
}

bool IsRundll(const std::string& program) {
    const std::string name = platform::UpperCase(BaseName(program));
    return name == "RUNDLL32.EXE" || name == "RUNDLL32" || name == "RUNDLL.EXE" || name == "RUNDLL";
}

// The DLL of "rundll32 <dll>,<entry> <arguments>".
RunJudgement JudgeRundll(const std::string& arguments) {
    std::string dll = platform::Trim(arguments, platform::kBlanksAndTabs);
    if (!dll.empty() && dll.front() == '"') {
        const size_t close = dll.find('"', 1);
        if (close == std::string::npos) return {RunVerdict::Unjudged, dll};
        dll = dll.substr(1, close - 1);
    } else {
        const size_t comma = dll.find(',');
        if (comma == std::string::npos) return {RunVerdict::Unjudged, dll};
        dll = platform::Trim(dll.substr(0, comma), platform::kBlanksAndTabs);
    }
    return JudgeFile(dll);
}

}  // namespace

RunJudgement JudgeRunCommand(const std::string& command) {
    const std::string trimmed = platform::Trim(command, platform::kWhiteSpace);
    if (trimmed.empty()) return {RunVerdict::Unjudged, trimmed};
    const auto expanded = Expand(trimmed);
    if (!expanded) return {RunVerdict::Unjudged, trimmed};
    const std::string& text = *expanded;

    std::string program;
    std::string arguments;
    if (text.front() == '"') {
        const size_t close = text.find('"', 1);
        if (close == std::string::npos) return {RunVerdict::Unjudged, text};
        program = text.substr(1, close - 1);
        arguments = text.substr(close + 1);
    } else {
        // Unquoted blanks: like Windows, the shortest prefix that names a
        // file is the program; the rest are its arguments.
        size_t end = text.find(' ');
        program = text.substr(0, end);
        if (HasPath(program)) {
            // When none is there, the first prefix that ends in a file name
            // with an extension is the program that went missing.
            std::optional<size_t> guess;
            bool found = false;
            for (size_t at = end;; at = text.find(' ', at + 1)) {
                const std::string candidate = text.substr(0, at);
                if (FindSpelling(candidate)) {
                    end = at;
                    found = true;
                    break;
                }
                if (!guess && BaseName(candidate).find('.') != std::string::npos) guess = at;
                if (at == std::string::npos) break;
            }
            if (!found && guess) end = *guess;
            program = text.substr(0, end);
        }
        arguments = end == std::string::npos ? std::string() : text.substr(end);
    }
    if (IsRundll(program)) return JudgeRundll(arguments);
    return JudgeFile(program);
}

}  // namespace sysinfo::collectors
