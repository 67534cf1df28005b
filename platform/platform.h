// The operations on Windows services that the rest of the program calls.
//
// Two implementations exist: platform/win32 calls the real ANSI functions of
// Windows 9x, platform/fake keeps a registry in memory and maps drive letters
// to folders of a temp directory. Both follow the same Windows rules, and the
// same tests run against both.
//
// Text is Windows-1252 bytes in std::string. Binary registry data is also
// carried in std::string (one char per byte).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// ---------------------------------------------------------------- registry

enum class RootKey { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig, DynData };

// The Win32 numbers of the value types, so that they can be passed through.
enum class ValueType : uint32_t {
    None = 0,
    Sz = 1,
    ExpandSz = 2,
    Binary = 3,
    Dword = 4,
    MultiSz = 7,
};

struct RegValue {
    ValueType type = ValueType::None;
    std::string data;  // raw bytes; REG_SZ data includes its terminating NUL
};

// An open registry key. Closed when destroyed.
class RegKey {
public:
    virtual ~RegKey() = default;
    // The value's type and bytes, or nothing when the value does not exist.
    // An empty name is the key's default value.
    virtual std::optional<RegValue> QueryValue(const std::string& name) = 0;
    // The size in bytes of the value's data, or nothing when it does not exist.
    virtual std::optional<uint32_t> QueryValueSize(const std::string& name) = 0;
    virtual bool SetValue(const std::string& name, ValueType type, const std::string& data) = 0;
    virtual bool DeleteValue(const std::string& name) = 0;
    virtual std::vector<std::string> SubkeyNames() = 0;
    virtual std::vector<std::string> ValueNames() = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens root\path (an empty path opens the root itself). With create, a
    // missing key and its missing parents are created. Nothing on failure.
    virtual std::unique_ptr<RegKey> OpenKey(RootKey root, const std::string& path, bool create) = 0;
    // Deletes root\path together with all its subkeys.
    virtual bool DeleteKey(RootKey root, const std::string& path) = 0;
};

// Helpers to build value data in the Win32 layout.
std::string SzData(const std::string& text);  // text plus the terminating NUL
std::string DwordData(uint32_t value);        // four bytes, little endian
// Text of REG_SZ/REG_EXPAND_SZ data, cut at the first NUL.
std::string TextOfSz(const std::string& data);

// ---------------------------------------------------------- profile strings

class Profile {
public:
    virtual ~Profile() = default;
    // GetPrivateProfileStringA with a buffer of bufferSize bytes. A file
    // name without a path is taken from the Windows directory.
    virtual std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                                  uint32_t bufferSize, const std::string& file) = 0;
    // WritePrivateProfileStringA. No value deletes the key.
    virtual bool WriteString(const std::string& section, const std::string& key,
                             const std::optional<std::string>& value, const std::string& file) = 0;
};

// ------------------------------------------------------------------- files

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

// ------------------------------------------------------------------ system

constexpr uint32_t kPlatformWin32s = 0;
constexpr uint32_t kPlatformWindows = 1;  // VER_PLATFORM_WIN32_WINDOWS, the 9x family
constexpr uint32_t kPlatformNT = 2;       // VER_PLATFORM_WIN32_NT

// The record of GetVersionExA.
struct VersionRecord {
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t build = 0;
    uint32_t platformId = 0;
    std::string servicePack;  // szCSDVersion
};

// The fixed file version of a module's version resource.
struct FileVersion {
    uint16_t major = 0;
    uint16_t minor = 0;
    uint16_t release = 0;
    uint16_t build = 0;
};

// SystemParametersInfoA actions and flags that the program uses.
constexpr uint32_t kSpiGetDragFullWindows = 0x0026;
constexpr uint32_t kSpiSetDragFullWindows = 0x0025;
constexpr uint32_t kSpifUpdateIniFile = 0x01;
constexpr uint32_t kSpifSendChange = 0x02;
constexpr uint32_t kEwxReboot = 0x02;

class System {
public:
    virtual ~System() = default;
    virtual VersionRecord GetVersion() = 0;
    virtual std::optional<FileVersion> GetFileVersion(const std::string& modulePath) = 0;
    virtual uint32_t TickCount() = 0;
    // Handles the window messages that are waiting, then returns.
    virtual void ProcessMessages() = 0;
    // Blocks until a window message arrives or the milliseconds have
    // passed, whichever comes first (MsgWaitForMultipleObjects). The fake
    // moves its clock on instead of waiting.
    virtual void WaitForMessage(uint32_t milliseconds) = 0;
    // SystemParametersInfoA for an action that reads a BOOL.
    virtual std::optional<bool> GetSystemParameterFlag(uint32_t action) = 0;
    // SystemParametersInfoA for an action that takes its value in uiParam.
    virtual bool SetSystemParameter(uint32_t action, uint32_t param, uint32_t winIniFlags) = 0;
    virtual bool ExitWindows(uint32_t flags) = 0;
    // The bytes of one of the program's own resources (RCDATA), named by
    // its file name in upper case with the dot as "_" ("MAIN_BACKGROUND_JPG").
    virtual std::optional<std::string> Resource(const std::string& name) = 0;
    // ShellExecuteA with the verb "open", shown normally: a document or a
    // web address. False when the shell could not open it.
    virtual bool ShellOpen(const std::string& target) = 0;
};

// The resource name of a file: "main_background.jpg" -> "MAIN_BACKGROUND_JPG".
std::string ResourceName(const std::string& fileName);

// ------------------------------------------------------------- the platform

class FileAccess;
class CodePage;
class RecycleBin;
class Cabinet;

class Platform {
public:
    virtual ~Platform() = default;
    virtual Registry& registry() = 0;
    virtual Profile& profile() = 0;
    virtual FileSystem& files() = 0;
    virtual System& system() = 0;
    virtual FileAccess& fileAccess() = 0;    // platform/file_access.h
    virtual CodePage& codePage() = 0;        // platform/code_page.h
    virtual RecycleBin& recycleBin() = 0;    // platform/recycle_bin.h
    virtual Cabinet& cabinet() = 0;          // platform/cabinet.h
};

// The platform the program runs on. The win32 build installs the real one
// at start; tests install a fake or the real one in their fixture.
Platform& Get();
void Install(Platform* platform);

}  // namespace platform
