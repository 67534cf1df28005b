#include "safety/prog_start_breakpoint.h"

#include <algorithm>

#include "config/errors.h"
#include "config/text.h"
#include "platform/file_access.h"
#include "platform/helpers.h"
#include "platform/platform.h"

namespace safety {

namespace {

constexpr size_t kPathBuffer = 260;
const char* const kArchivePrefix = "Quellwerk Programmstart (";
const char* const kArchiveSuffix = ").cab";
// Where the new cabinet is written before it joins the set.
const char* const kFreshArchive = "Quellwerk Programmstart.tmp";

void MakeDirectories(const std::string& folder) {
    platform::FileSystem& files = platform::Get().files();
    for (size_t at = folder.find('\\', 3);; at = folder.find('\\', at + 1)) {
        const std::string level = folder.substr(0, at);
        if (!files.Exists(level)) files.CreateDirectory(level);
        if (at == std::string::npos) break;
    }
}

// The numbers 1..ttl of the archives that exist, from the oldest: the same
// shift as trying every number, without trying a huge TTLProgStart's worth.
std::vector<int> ExistingArchives(const std::string& folder, int ttl) {
    std::vector<int> numbers;
    for (const platform::FoundFile& hit :
         platform::Get().files().Find(folder + "\\" + kArchivePrefix + "*" + kArchiveSuffix)) {
        const std::string prefix = kArchivePrefix, suffix = kArchiveSuffix;
        if (hit.name.size() <= prefix.size() + suffix.size()) continue;
        const std::string digits = hit.name.substr(prefix.size(), hit.name.size() - prefix.size() - suffix.size());
        if (digits.empty() || digits.size() > 10 || digits[0] == '0' ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            continue;
        }
        const long long k = std::stoll(digits);
        if (k >= 1 && k <= ttl && config::SameText(hit.name, BreakpointArchiveName(static_cast<int>(k)))) {
            numbers.push_back(static_cast<int>(k));
        }
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

}  // namespace

bool IsWindowsMe() {
    platform::Platform& p = platform::Get();
    const platform::VersionRecord version = p.system().GetVersion();
    if (version.platformId != platform::kPlatformWindows) return false;
    if (version.minor == 90) return true;
    if (version.minor < 10 || version.minor > 89) return false;
    const auto kernel = p.system().GetFileVersion(p.files().SystemDirectory() + "\\kernel32.dll");
    return kernel && kernel->major == 4 && kernel->minor == 90;
}

std::string BreakpointArchiveName(int number) { return kArchivePrefix + std::to_string(number) + kArchiveSuffix; }

std::string FindBootFile(const std::string& name) {
    platform::Platform& p = platform::Get();
    platform::FileSystem& files = p.files();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (files.GetDriveType(root) == platform::DriveType::Fixed && files.Exists(root + name)) return root + name;
    }
    std::string list;
    const std::string windows = files.WindowsDirectory();
    if (!windows.empty() && windows.size() < kPathBuffer) list += windows + ";";
    const std::string system = files.SystemDirectory();
    if (!system.empty() && system.size() < kPathBuffer) list += system + ";";
    const auto path = files.GetEnvironment("PATH");
    if (path && path->size() < kPathBuffer) list += *path;

    std::string current = p.fileAccess().CurrentDirectory();
    if (!current.empty() && current.back() != '\\') current += '\\';
    if (files.Exists(current + name)) return current + name;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(';', start);
        if (end == std::string::npos) end = list.size();
        std::string folder = list.substr(start, end - start);
        start = end + 1;
        if (folder.empty()) continue;
        if (folder.back() != ':' && folder.back() != '\\') folder += '\\';
        if (files.Exists(folder + name)) return folder + name;
    }
    return std::string();
}

std::string ToShortPath(const std::string& path) {
    platform::FileSystem& files = platform::Get().files();
    if (path.empty() || !files.Exists(path)) return std::string();
    const std::string shortPath = files.ShortPath(path);
    return shortPath.size() < kPathBuffer + 1 ? shortPath : std::string();
}

std::vector<std::string> BreakpointFiles(config::TBigIniFile& cfg) {
    platform::FileSystem& files = platform::Get().files();
    std::vector<std::string> spec;
    const auto add = [&](const std::string& path) {
        const std::string shortPath = ToShortPath(path);
        if (!shortPath.empty()) spec.push_back(shortPath);
    };
    const std::string windows = files.WindowsDirectory() + "\\";
    add(windows + "system.dat");
    add(windows + "user.dat");
    if (IsWindowsMe()) add(windows + "classes.dat");
    for (const char* boot : {"autoexec.bat", "config.sys", "msdos.sys", "command.com", "io.sys"}) {
        add(FindBootFile(boot));
    }
    for (const char* name : {"win.ini", "system.ini", "system.cb", "ttfCache", "dosstart.bat", "protocol.ini"}) {
        add(windows + name);
    }
    std::vector<std::string> keys;
    cfg.ReadSection("Files", keys);
    for (const std::string& key : keys) add(cfg.ReadString("Files", key, ""));
    return spec;
}

void CreateProgStartBreakPoint(TMakeCab& makeCab, const std::function<void()>& showProgress) {
    platform::FileSystem& files = platform::Get().files();
    const std::string program = platform::ProgramFolder();
    const std::string folder = program + "brkpoint";
    MakeDirectories(folder);

    try {
        config::TBigIniFile cfg(program + "qw32break.cfg");
        const int32_t counter = cfg.ReadInteger("Counter", "ProgStart", 1);
        const int32_t every = cfg.ReadInteger("Option", "ProgStartCount", 3);
        if (counter < every) {
            cfg.WriteInteger("Counter", "ProgStart", counter + 1);
            cfg.Flush();
            return;
        }
        cfg.WriteInteger("Counter", "ProgStart", 1);
        // Saved before anything is touched: a start that cannot count takes
        // no breakpoint, rather than one at every start.
        cfg.Flush();

        showProgress();
        const int32_t ttl = cfg.ReadInteger("Option", "TTLProgStart", 5);
        const std::string fresh = folder + "\\" + kFreshArchive;
        if (files.Exists(fresh)) {
            files.SetAttributes(fresh, platform::attr::Normal);
            files.DeleteFile(fresh);
        }
        makeCab.SetArchiveFile(fresh);
        makeCab.FileSpec() = BreakpointFiles(cfg);
        const int stored = makeCab.CreateArchive();
        if (stored < 1 || !makeCab.Complete()) {
            // The set stays as it was.
            files.DeleteFile(fresh);
            return;
        }

        // Archive k moves down to k - 1; the oldest goes for good. A missing
        // number leaves the one below it as it was. Failures are not
        // reported: the new archive still joins the set.
        for (int k : ExistingArchives(folder, ttl)) {
            const std::string archive = folder + "\\" + BreakpointArchiveName(k);
            if (k == 1) {
                files.DeleteFile(archive);
            } else {
                files.CopyFile(archive, folder + "\\" + BreakpointArchiveName(k - 1), false);
            }
        }
        const std::string newest = folder + "\\" + BreakpointArchiveName(ttl);
        if (files.Exists(newest)) makeCab.EraseFile(newest, true);
        if (!files.MoveFile(fresh, newest)) {
            files.CopyFile(fresh, newest, false);
            files.DeleteFile(fresh);
        }
    } catch (const config::EIniFileException&) {
        // qw32break.cfg or the program folder cannot be written: the program
        // starts without a breakpoint.
    }
}

}  // namespace safety
