#include "platform/win32/win32_file_access.h"

#include "platform/win32/win32_api.h"

namespace platform::win32 {

namespace {

HANDLE H(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

}  // namespace

uint32_t Win32FileAccess::Failed() {
    lastError_ = GetLastError();
    return lastError_;
}

FileHandle Win32FileAccess::Open(const std::string& path, FileMode mode, bool exclusive, bool create) {
    const DWORD access = mode == FileMode::Read    ? GENERIC_READ
                         : mode == FileMode::Write ? GENERIC_WRITE
                                                   : GENERIC_READ | GENERIC_WRITE;
    const DWORD share = exclusive ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
    HANDLE h = CreateFileA(path.c_str(), access, share, nullptr, create ? CREATE_ALWAYS : OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        Failed();
        return kNoFile;
    }
    return reinterpret_cast<FileHandle>(h);
}

bool Win32FileAccess::Read(FileHandle file, char* buffer, uint32_t size, uint32_t& read) {
    DWORD got = 0;
    const BOOL ok = ReadFile(H(file), buffer, size, &got, nullptr);
    read = got;
    if (!ok) Failed();
    return ok != FALSE;
}

bool Win32FileAccess::Write(FileHandle file, const char* data, uint32_t size, uint32_t& written) {
    DWORD put = 0;
    const BOOL ok = WriteFile(H(file), data, size, &put, nullptr);
    written = put;
    if (!ok) Failed();
    return ok != FALSE;
}

int64_t Win32FileAccess::Seek(FileHandle file, int64_t distance, SeekOrigin origin) {
    // SetFilePointer with the high word, as Windows 95 has no
    // SetFilePointerEx.
    LONG high = static_cast<LONG>(distance >> 32);
    SetLastError(NO_ERROR);
    const DWORD low =
        SetFilePointer(H(file), static_cast<LONG>(distance & 0xFFFFFFFF), &high, static_cast<DWORD>(origin));
    if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) {
        Failed();
        return -1;
    }
    return static_cast<int64_t>(static_cast<uint64_t>(static_cast<uint32_t>(high)) << 32 | low);
}

bool Win32FileAccess::Close(FileHandle file) {
    if (!CloseHandle(H(file))) {
        Failed();
        return false;
    }
    return true;
}

std::optional<DosDateTime> Win32FileAccess::LastWriteTime(FileHandle file) {
    FILETIME written, local;
    WORD date = 0, time = 0;
    if (!GetFileTime(H(file), nullptr, nullptr, &written) || !FileTimeToLocalFileTime(&written, &local) ||
        !FileTimeToDosDateTime(&local, &date, &time)) {
        Failed();
        return std::nullopt;
    }
    return DosDateTime{date, time};
}

bool Win32FileAccess::SetLastWriteTime(FileHandle file, const DosDateTime& dos) {
    FILETIME local, written;
    if (!DosDateTimeToFileTime(dos.date, dos.time, &local) || !LocalFileTimeToFileTime(&local, &written) ||
        !SetFileTime(H(file), nullptr, nullptr, &written)) {
        Failed();
        return false;
    }
    return true;
}

std::string Win32FileAccess::TempFileName(const std::string& folder, const std::string& prefix) {
    char name[MAX_PATH + 1] = {};
    if (GetTempFileNameA(folder.c_str(), prefix.c_str(), 0, name) == 0) {
        Failed();
        return std::string();
    }
    return name;
}

std::string Win32FileAccess::CurrentDirectory() {
    char folder[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder) return std::string();
    return std::string(folder, length);
}

uint32_t Win32FileAccess::SetErrorMode(uint32_t mode) { return ::SetErrorMode(mode); }

}  // namespace platform::win32
