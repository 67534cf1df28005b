#include "safety/password_file.h"

#include "platform/platform.h"

namespace safety {

const char kNoPasswordMarker[] = "Rb\"k71Qx";
const std::string kVerificationText("9TV2k/w4\"§-+-+;R");

namespace {

constexpr uint32_t kKept = platform::attr::ReadOnly | platform::attr::Hidden | platform::attr::System;

// The file beside the password file that takes the new content, and the
// name the old one carries while it is being replaced.
std::string Beside(const std::string& path, const char* extension) {
    const auto dot = path.find_last_of('.');
    return path.substr(0, dot) + extension;
}

// Clears the protecting attributes of an existing file; the old ones.
uint32_t Unprotect(platform::FileSystem& files, const std::string& path) {
    const uint32_t attributes = files.GetAttributes(path);
    if (attributes != platform::attr::Invalid && (attributes & kKept)) {
        const uint32_t cleared = attributes & ~(kKept | platform::attr::Directory);
        files.SetAttributes(path, cleared == 0 ? platform::attr::Normal : cleared);
    }
    return attributes;
}

}  // namespace

std::string PasswordFilePath() { return platform::Get().files().WindowsDirectory() + "\\sysbtnc.dll"; }

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> ReadPasswordFile() {
    platform::FileSystem& files = platform::Get().files();
    const std::string path = PasswordFilePath();
    if (!files.Exists(path)) return {};
    const auto bytes = files.ReadFile(path);
    if (!bytes) throw EPasswordFileError(path + " kann nicht gelesen werden");
    return SplitLines(*bytes);
}

std::optional<std::string> ReadCheckLine() {
    const std::vector<std::string> lines = ReadPasswordFile();
    if (lines.size() <= kCheckLine) return std::nullopt;
    return lines[kCheckLine];
}

void WriteCheckLine(const std::string& value) {
    platform::FileSystem& files = platform::Get().files();
    const std::string path = PasswordFilePath();
    std::vector<std::string> lines = ReadPasswordFile();
    if (lines.size() <= kCheckLine) lines.resize(kCheckLine + 1);
    lines[kCheckLine] = value;

    const std::string fresh = Beside(path, ".qw$");
    const std::string old = Beside(path, ".qw~");
    const auto fail = [&] { throw EPasswordFileError("nach " + path + " kann nicht geschrieben werden"); };

    // Leftovers of an earlier attempt that was cut short.
    Unprotect(files, fresh);
    files.DeleteFile(fresh);
    if (!files.WriteFile(fresh, JoinLines(lines))) {
        files.DeleteFile(fresh);
        fail();
    }
    const uint32_t attributes = Unprotect(files, path);
    const bool exists = attributes != platform::attr::Invalid;
    const auto restore = [&] {
        if (exists && (attributes & kKept)) files.SetAttributes(path, attributes);
    };
    if (exists) {
        Unprotect(files, old);
        files.DeleteFile(old);
        if (!files.MoveFile(path, old)) {
            restore();
            files.DeleteFile(fresh);
            fail();
        }
    }
    if (!files.MoveFile(fresh, path)) {
        if (exists) files.MoveFile(old, path);
        restore();
        files.DeleteFile(fresh);
        fail();
    }
    restore();
    if (exists) files.DeleteFile(old);
}

bool PassUses() {
    const auto line = ReadCheckLine();
    return line && *line != kNoPasswordMarker;
}

}  // namespace safety
