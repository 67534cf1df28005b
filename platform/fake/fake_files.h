// Drives A: to Z: mapped to folders <root>/A ... <root>/Z of the host, with
// the rules of the Windows file functions: names compared without regard
// to case and kept in the case of their creation, "\" and "/" both
// separators, attributes kept beside the files (in memory, keyed by the
// upper-case path), read-only files refusing to be written, deleted or
// overwritten, 8.3 short names for long names.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace platform::fake {

class FakeFiles : public FileSystem {
public:
    // hostRoot must exist. Makes drive C: (a fixed disk) with the folders
    // C:\WINDOWS, C:\WINDOWS\SYSTEM, C:\WINDOWS\TEMP and the program folder.
    explicit FakeFiles(std::filesystem::path hostRoot);

    bool Exists(const std::string& path) override;
    uint32_t GetAttributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, uint32_t attributes) override;
    bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool MoveFile(const std::string& from, const std::string& to) override;
    bool DeleteFile(const std::string& path) override;
    bool CreateDirectory(const std::string& path) override;
    bool RemoveDirectory(const std::string& path) override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, const std::string& bytes) override;
    std::vector<FoundFile> Find(const std::string& pattern) override;
    std::string ShortPath(const std::string& path) override;
    DriveType GetDriveType(const std::string& root) override;
    std::optional<DiskSpace> GetDiskSpace(const std::string& root) override;
    std::string WindowsDirectory() override;
    std::string SystemDirectory() override;
    std::string TempDirectory() override;
    std::optional<std::string> GetEnvironment(const std::string& name) override;
    std::string ModuleFileName() override;

    // ------------------------------------------------ settings for tests

    // A drive of type NoRootDir does not exist; any other type makes the
    // drive's folder. Default: C: Fixed, all others NoRootDir.
    void SetDriveType(char letter, DriveType type);
    // The figure every existing drive reports.
    void SetDiskSpace(const DiskSpace& space) { space_ = space; }
    // Sets or (with nothing) removes an environment variable.
    void SetEnvironment(const std::string& name, const std::optional<std::string>& value);
    // The executable's path; its folder is made.
    void SetModuleFileName(const std::string& path);
    // Makes the folder and its missing parents.
    bool MakeDirectories(const std::string& path);
    // The host path a Windows path resolves to (also when it does not exist
    // yet); empty when the path cannot be resolved.
    std::filesystem::path HostPath(const std::string& path);

private:
    struct WinPath;
    struct Resolved;
    std::optional<WinPath> Parse(const std::string& path) const;
    std::optional<Resolved> Resolve(const std::string& path);
    std::optional<Resolved> Resolve(const WinPath& path);
    bool DrivePresent(char letter) const;
    uint32_t StoredAttributes(const Resolved& at) const;
    bool IsReadOnly(const Resolved& at) const;
    void MoveAttributes(const std::string& fromKey, const std::string& toKey);
    void EraseAttributes(const std::string& key);

    std::filesystem::path root_;
    DriveType types_[26];
    std::map<std::string, uint32_t> attributes_;  // by upper-case Windows path
    DiskSpace space_;
    std::vector<std::pair<std::string, std::string>> environment_;
    std::string moduleFileName_;
};

// True for a name that is a valid 8.3 name as it stands (case aside).
bool IsShortName(const std::string& name);
// The 8.3 name that a long name gets among the names of its folder:
// NAME~n.EXT, n counting the long names of the folder (in order without
// regard to case) that share the same stem. A valid 8.3 name is its own.
std::string ShortNameOf(const std::string& name, const std::vector<std::string>& folderNames);
// Windows wildcard matching without regard to case: "*" any run, "?" one
// character, and a pattern ending in ".*" also matches names without dot.
bool MatchesWildcard(const std::string& pattern, const std::string& name);

}  // namespace platform::fake
