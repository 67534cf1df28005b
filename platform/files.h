// Files, folders, drives and the environment.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

namespace attr {
constexpr uint32_t ReadOnly = 0x01;
constexpr uint32_t Hidden = 0x02;
constexpr uint32_t System = 0x04;
constexpr uint32_t Directory = 0x10;
constexpr uint32_t Archive = 0x20;
constexpr uint32_t Normal = 0x80;
constexpr uint32_t Invalid = 0xFFFFFFFFu;
// The attributes that are cleared before a system file is rewritten.
constexpr uint32_t Protecting = ReadOnly | Hidden | System | Archive;
}  // namespace attr

enum class DriveType : uint32_t {
    Unknown = 0,
    NoRootDir = 1,
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CdRom = 5,
    RamDisk = 6,
};

struct FoundFile {
    std::string name;  // long name, without the folder
    std::string shortName;
    uint32_t attributes = 0;
    uint64_t size = 0;
};

struct DiskSpace {
    uint64_t freeBytes = 0;
    uint64_t totalBytes = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool Exists(const std::string& path) = 0;
    virtual uint32_t GetAttributes(const std::string& path) = 0;  // attr::Invalid when missing
    virtual bool SetAttributes(const std::string& path, uint32_t attributes) = 0;
    virtual bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
    // Renames within one drive; fails when the target exists.
    virtual bool MoveFile(const std::string& from, const std::string& to) = 0;
    virtual bool DeleteFile(const std::string& path) = 0;
    virtual bool CreateDirectory(const std::string& path) = 0;
    virtual bool RemoveDirectory(const std::string& path) = 0;
    // The whole file, or nothing when it cannot be opened or read.
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
    // Creates or truncates the file and writes the bytes; false when any
    // part of that failed.
    virtual bool WriteFile(const std::string& path, const std::string& bytes) = 0;
    // FindFirstFileA/FindNextFileA over a pattern such as "C:\WINDOWS\*.ini".
    virtual std::vector<FoundFile> Find(const std::string& pattern) = 0;
    virtual std::string ShortPath(const std::string& path) = 0;   // empty on failure
    virtual DriveType GetDriveType(const std::string& root) = 0;  // root like "C:\"
    virtual std::optional<DiskSpace> GetDiskSpace(const std::string& root) = 0;
    // Folders, each without a trailing backslash except the temp folder,
    // which keeps it as GetTempPathA returns it.
    virtual std::string WindowsDirectory() = 0;
    virtual std::string SystemDirectory() = 0;
    virtual std::string TempDirectory() = 0;
    virtual std::optional<std::string> GetEnvironment(const std::string& name) = 0;
    // The full path of the running executable.
    virtual std::string ModuleFileName() = 0;
};

}  // namespace platform
