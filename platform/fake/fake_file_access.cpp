#include "platform/fake/fake_file_access.h"

#include <sys/stat.h>
#include <sys/types.h>
#ifdef _WIN32
#include <sys/utime.h>
#else
#include <utime.h>
#endif

#include <ctime>

#include "platform/platform.h"
#include "platform/text.h"

namespace platform::fake {

FakeFileAccess::~FakeFileAccess() {
    for (auto& [handle, open] : open_) std::fclose(open.file);
}

FileHandle FakeFileAccess::Open(const std::string& path, FileMode mode, bool exclusive, bool create) {
    const std::filesystem::path host = files_.HostPath(path);
    const std::string key = UpperCase(path);
    if (host.empty()) {
        lastError_ = error_code::kPathNotFound;
        return kNoFile;
    }
    const uint32_t attributes = files_.GetAttributes(path);
    if (attributes != attr::Invalid && (attributes & attr::Directory)) {
        lastError_ = error_code::kAccessDenied;
        return kNoFile;
    }
    if (attributes == attr::Invalid && !create) {
        lastError_ = files_.Exists(path.substr(0, path.find_last_of('\\') + 1)) ? error_code::kFileNotFound
                                                                                : error_code::kPathNotFound;
        return kNoFile;
    }
    if (attributes != attr::Invalid && (attributes & attr::ReadOnly) && (mode != FileMode::Read || create)) {
        lastError_ = error_code::kAccessDenied;
        return kNoFile;
    }
    for (const auto& [handle, other] : open_) {
        if (other.key == key && (exclusive || other.exclusive)) {
            lastError_ = error_code::kSharingViolation;
            return kNoFile;
        }
    }
    const char* how = create ? (mode == FileMode::Write ? "wb" : "w+b") : (mode == FileMode::Read ? "rb" : "r+b");
    std::FILE* file = std::fopen(host.string().c_str(), how);
    if (!file) {
        lastError_ = create ? error_code::kPathNotFound : error_code::kAccessDenied;
        return kNoFile;
    }
    if (create) files_.SetAttributes(path, attr::Archive);
    const FileHandle handle = next_++;
    Open_ entry;
    entry.file = file;
    entry.key = key;
    entry.host = host.string();
    entry.mode = mode;
    entry.exclusive = exclusive;
    open_[handle] = entry;
    return handle;
}

FakeFileAccess::Open_* FakeFileAccess::Find(FileHandle file) {
    auto it = open_.find(file);
    if (it == open_.end()) {
        lastError_ = error_code::kInvalidHandle;
        return nullptr;
    }
    return &it->second;
}

bool FakeFileAccess::Read(FileHandle file, char* buffer, uint32_t size, uint32_t& read) {
    read = 0;
    Open_* open = Find(file);
    if (!open) return false;
    if (open->mode == FileMode::Write) {
        lastError_ = error_code::kAccessDenied;
        return false;
    }
    const auto limit = readLimits_.find(open->key);
    if (limit != readLimits_.end() && open->read + size > limit->second) {
        lastError_ = error_code::kReadFault;
        return false;
    }
    std::fflush(open->file);
    read = static_cast<uint32_t>(std::fread(buffer, 1, size, open->file));
    open->read += read;
    return true;
}

bool FakeFileAccess::Write(FileHandle file, const char* data, uint32_t size, uint32_t& written) {
    written = 0;
    Open_* open = Find(file);
    if (!open) return false;
    if (open->mode == FileMode::Read || failWrites_.count(open->key)) {
        lastError_ = error_code::kAccessDenied;
        return false;
    }
    written = static_cast<uint32_t>(std::fwrite(data, 1, size, open->file));
    if (written != size) {
        lastError_ = error_code::kAccessDenied;
        return false;
    }
    return true;
}

int64_t FakeFileAccess::Seek(FileHandle file, int64_t distance, SeekOrigin origin) {
    Open_* open = Find(file);
    if (!open) return -1;
    const int whence = origin == SeekOrigin::Begin ? SEEK_SET : origin == SeekOrigin::Current ? SEEK_CUR : SEEK_END;
    if (std::fseek(open->file, static_cast<long>(distance), whence) != 0) {
        lastError_ = 131;  // ERROR_NEGATIVE_SEEK
        return -1;
    }
    return std::ftell(open->file);
}

bool FakeFileAccess::Close(FileHandle file) {
    Open_* open = Find(file);
    if (!open) return false;
    std::fclose(open->file);
    open_.erase(file);
    return true;
}

std::optional<DosDateTime> FakeFileAccess::LastWriteTime(FileHandle file) {
    Open_* open = Find(file);
    if (!open) return std::nullopt;
    std::fflush(open->file);
    struct stat info {};
    if (stat(open->host.c_str(), &info) != 0) return std::nullopt;
    const time_t when = info.st_mtime;
    const std::tm* local = std::localtime(&when);
    if (!local || local->tm_year < 80) return std::nullopt;
    DosDateTime dos;
    dos.date = static_cast<uint16_t>((local->tm_year - 80) << 9 | (local->tm_mon + 1) << 5 | local->tm_mday);
    dos.time = static_cast<uint16_t>(local->tm_hour << 11 | local->tm_min << 5 | local->tm_sec / 2);
    return dos;
}

bool FakeFileAccess::SetLastWriteTime(FileHandle file, const DosDateTime& local) {
    Open_* open = Find(file);
    if (!open) return false;
    std::fflush(open->file);
    std::tm when{};
    when.tm_year = (local.date >> 9) + 80;
    when.tm_mon = ((local.date >> 5) & 15) - 1;
    when.tm_mday = local.date & 31;
    when.tm_hour = local.time >> 11;
    when.tm_min = (local.time >> 5) & 63;
    when.tm_sec = (local.time & 31) * 2;
    when.tm_isdst = -1;
    struct utimbuf times {};
    times.actime = times.modtime = std::mktime(&when);
    return utime(open->host.c_str(), &times) == 0;
}

std::string FakeFileAccess::TempFileName(const std::string& folder, const std::string& prefix) {
    const uint32_t attributes = files_.GetAttributes(folder);
    if (attributes == attr::Invalid || !(attributes & attr::Directory)) {
        lastError_ = error_code::kPathNotFound;
        return std::string();
    }
    std::string base = folder;
    if (!base.empty() && base.back() != '\\') base += '\\';
    for (;;) {
        char unique[16];
        std::snprintf(unique, sizeof unique, "%X.TMP", ++tempCounter_);
        const std::string path = base + prefix.substr(0, 3) + unique;
        if (!files_.Exists(path)) {
            if (!files_.WriteFile(path, std::string())) return std::string();
            return path;
        }
    }
}

uint32_t FakeFileAccess::SetErrorMode(uint32_t mode) {
    errorModes_.push_back(mode);
    const uint32_t before = errorMode_;
    errorMode_ = mode;
    return before;
}

void FakeFileAccess::FailReadsAfter(const std::string& path, uint64_t bytes) { readLimits_[UpperCase(path)] = bytes; }

void FakeFileAccess::FailWrites(const std::string& path) { failWrites_.insert(UpperCase(path)); }

}  // namespace platform::fake
