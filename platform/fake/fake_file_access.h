// Files by handle over the fake drives, with the sharing rules of Windows
// (an exclusive open fails while the file is open, and any open fails while
// it is open exclusively), read-only files refusing write access, and the
// error codes of kernel32. Tests can make reads of a file fail after a
// number of bytes, or every write to a file fail.
#pragma once

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/fake_files.h"
#include "platform/file_access.h"

namespace platform::fake {

class FakeFileAccess : public FileAccess {
public:
    explicit FakeFileAccess(FakeFiles& files) : files_(files) {}
    ~FakeFileAccess() override;

    FileHandle Open(const std::string& path, FileMode mode, bool exclusive, bool create) override;
    bool Read(FileHandle file, char* buffer, uint32_t size, uint32_t& read) override;
    bool Write(FileHandle file, const char* data, uint32_t size, uint32_t& written) override;
    int64_t Seek(FileHandle file, int64_t distance, SeekOrigin origin) override;
    bool Close(FileHandle file) override;
    uint32_t LastError() override { return lastError_; }
    std::optional<DosDateTime> LastWriteTime(FileHandle file) override;
    bool SetLastWriteTime(FileHandle file, const DosDateTime& local) override;
    std::string TempFileName(const std::string& folder, const std::string& prefix) override;
    std::string CurrentDirectory() override { return currentDirectory_; }
    uint32_t SetErrorMode(uint32_t mode) override;

    // ------------------------------------------------ settings for tests
    void SetCurrentDirectory(const std::string& folder) { currentDirectory_ = folder; }
    // Reads of the file fail once this many bytes have been read.
    void FailReadsAfter(const std::string& path, uint64_t bytes);
    void FailWrites(const std::string& path);
    // Every mode SetErrorMode was given, in order.
    const std::vector<uint32_t>& ErrorModes() const { return errorModes_; }
    size_t OpenCount() const { return open_.size(); }

private:
    struct Open_ {
        std::FILE* file = nullptr;
        std::string key;  // upper-case Windows path
        std::string host;
        FileMode mode = FileMode::Read;
        bool exclusive = false;
        uint64_t read = 0;
    };
    Open_* Find(FileHandle file);

    FakeFiles& files_;
    std::map<FileHandle, Open_> open_;
    FileHandle next_ = 0x100;
    uint32_t lastError_ = 0;
    std::string currentDirectory_ = "C:\\WINDOWS";
    uint32_t errorMode_ = 0;
    std::vector<uint32_t> errorModes_;
    std::map<std::string, uint64_t> readLimits_;
    std::set<std::string> failWrites_;
    unsigned tempCounter_ = 0;
};

}  // namespace platform::fake
