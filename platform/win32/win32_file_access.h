// Files by handle through kernel32's ANSI functions.
#pragma once

#include "platform/file_access.h"

namespace platform::win32 {

class Win32FileAccess : public FileAccess {
public:
    FileHandle Open(const std::string& path, FileMode mode, bool exclusive, bool create) override;
    bool Read(FileHandle file, char* buffer, uint32_t size, uint32_t& read) override;
    bool Write(FileHandle file, const char* data, uint32_t size, uint32_t& written) override;
    int64_t Seek(FileHandle file, int64_t distance, SeekOrigin origin) override;
    bool Close(FileHandle file) override;
    uint32_t LastError() override { return lastError_; }
    std::optional<DosDateTime> LastWriteTime(FileHandle file) override;
    bool SetLastWriteTime(FileHandle file, const DosDateTime& local) override;
    std::string TempFileName(const std::string& folder, const std::string& prefix) override;
    std::string CurrentDirectory() override;
    uint32_t SetErrorMode(uint32_t mode) override;

private:
    uint32_t Failed();
    uint32_t lastError_ = 0;
};

}  // namespace platform::win32
