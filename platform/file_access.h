// Files by handle, as the cabinet writer and the cabinet library read and
// write them: CreateFileA with an access mode and sharing, ReadFile,
// WriteFile, SetFilePointer and CloseHandle with the GetLastError codes of
// Windows; the last-write time as a local DOS date and time; temporary file
// names (GetTempFileNameA); the current folder; and the error mode.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The GetLastError codes that callers tell apart.
namespace error_code {
constexpr uint32_t kFileNotFound = 2;
constexpr uint32_t kPathNotFound = 3;
constexpr uint32_t kAccessDenied = 5;
constexpr uint32_t kInvalidHandle = 6;
constexpr uint32_t kSharingViolation = 32;
constexpr uint32_t kReadFault = 30;
}  // namespace error_code

// SetErrorMode flags.
constexpr uint32_t kSemFailCriticalErrors = 0x0001;
constexpr uint32_t kSemNoOpenFileErrorBox = 0x8000;

enum class FileMode { Read, Write, ReadWrite };
enum class SeekOrigin { Begin = 0, Current = 1, End = 2 };

// A handle of FileAccess; 0 is never a valid one.
using FileHandle = intptr_t;
constexpr FileHandle kNoFile = 0;

struct DosDateTime {
    uint16_t date = 0;
    uint16_t time = 0;
    bool operator==(const DosDateTime& o) const { return date == o.date && time == o.time; }
};

class FileAccess {
public:
    virtual ~FileAccess() = default;
    // CreateFileA. create: CREATE_ALWAYS (a new, empty file, replacing one
    // that exists); otherwise OPEN_EXISTING. exclusive: no sharing;
    // otherwise read and write sharing (deny none). kNoFile on failure.
    virtual FileHandle Open(const std::string& path, FileMode mode, bool exclusive, bool create) = 0;
    // ReadFile: true with the count read (0 at the end), false on failure.
    virtual bool Read(FileHandle file, char* buffer, uint32_t size, uint32_t& read) = 0;
    virtual bool Write(FileHandle file, const char* data, uint32_t size, uint32_t& written) = 0;
    // SetFilePointer: the new position, or -1 on failure.
    virtual int64_t Seek(FileHandle file, int64_t distance, SeekOrigin origin) = 0;
    virtual bool Close(FileHandle file) = 0;
    // GetLastError after the call that failed last.
    virtual uint32_t LastError() = 0;
    // GetFileTime's last write, FileTimeToLocalFileTime, then
    // FileTimeToDosDateTime. Nothing when a step fails.
    virtual std::optional<DosDateTime> LastWriteTime(FileHandle file) = 0;
    // The reverse, for files that a test or set-up dates.
    virtual bool SetLastWriteTime(FileHandle file, const DosDateTime& local) = 0;
    // GetTempFileNameA(folder, prefix, 0): makes the file, returns its path;
    // empty on failure.
    virtual std::string TempFileName(const std::string& folder, const std::string& prefix) = 0;
    // GetCurrentDirectoryA, without a trailing backslash except at a root.
    virtual std::string CurrentDirectory() = 0;
    // SetErrorMode: sets the mode, returns the one before.
    virtual uint32_t SetErrorMode(uint32_t mode) = 0;
};

}  // namespace platform
