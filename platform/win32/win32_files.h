// Files and folders through kernel32's ANSI functions.
#pragma once

#include "platform/platform.h"

namespace platform::win32 {

class Win32Files : public FileSystem {
public:
    bool Exists(const std::string& path) override;
    uint32_t GetAttributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, uint32_t attributes) override;
    bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool MoveFile(const std::string& from, const std::string& to) override;
    bool DeleteFile(const std::string& path) override;
    bool CreateDirectory(const std::string& path) override;
    bool RemoveDirectory(const std::string& path) override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    // Opens the file as it is and cuts it after the new bytes, so that a
    // hidden or system file keeps its attributes (creating it anew would be
    // refused for such files on Windows NT).
    bool WriteFile(const std::string& path, const std::string& bytes) override;
    std::vector<FoundFile> Find(const std::string& pattern) override;
    std::string ShortPath(const std::string& path) override;
    DriveType GetDriveType(const std::string& root) override;
    // GetDiskFreeSpaceExA when kernel32 has it (Windows 95 OSR2 and
    // later), else GetDiskFreeSpaceA, which the first Windows 95 offers.
    std::optional<DiskSpace> GetDiskSpace(const std::string& root) override;
    std::string WindowsDirectory() override;
    std::string SystemDirectory() override;
    std::string TempDirectory() override;
    std::optional<std::string> GetEnvironment(const std::string& name) override;
    std::string ModuleFileName() override;
};

}  // namespace platform::win32
