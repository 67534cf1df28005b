#include "platform/win32/win32_files.h"

#include "platform/win32/win32_api.h"

#include "platform/win32/win32_handle.h"

namespace platform::win32 {

namespace {

// Calls a function that fills a buffer of MAX_PATH characters and returns
// the length, or the needed size when the buffer is too small.
template <typename Fill>
std::string FilledText(Fill fill) {
    std::string buffer(MAX_PATH + 1, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD length = fill(&buffer[0], static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.assign(length + 1, '\0');
    }
    return std::string();
}

}  // namespace

bool Win32Files::Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

uint32_t Win32Files::GetAttributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

bool Win32Files::SetAttributes(const std::string& path, uint32_t attributes) {
    return SetFileAttributesA(path.c_str(), attributes) != FALSE;
}

namespace {

// Windows refuses to write a read-only file; the check makes Wine run by
// root (which writes through the attribute) refuse it too.
bool IsReadOnlyFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
           !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool Win32Files::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    if (IsReadOnlyFile(to)) return false;
    return CopyFileA(from.c_str(), to.c_str(), failIfExists ? TRUE : FALSE) != FALSE;
}

bool Win32Files::MoveFile(const std::string& from, const std::string& to) {
    return MoveFileA(from.c_str(), to.c_str()) != FALSE;
}

bool Win32Files::DeleteFile(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

bool Win32Files::CreateDirectory(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }

bool Win32Files::RemoveDirectory(const std::string& path) { return RemoveDirectoryA(path.c_str()) != FALSE; }

std::optional<std::string> Win32Files::ReadFile(const std::string& path) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return std::nullopt;
    std::string bytes;
    char buffer[16384];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        bytes.append(buffer, got);
    }
    return bytes;
}

bool Win32Files::WriteFile(const std::string& path, const std::string& bytes) {
    if (IsReadOnlyFile(path)) return false;
    UniqueFile file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        const size_t chunk = bytes.size() - done < 65536 ? bytes.size() - done : 65536;
        DWORD written = 0;
        if (!::WriteFile(file.Get(), bytes.data() + done, static_cast<DWORD>(chunk), &written, nullptr) ||
            written == 0) {
            return false;
        }
        done += written;
    }
    if (!SetEndOfFile(file.Get())) return false;
    return CloseHandle(file.Release()) != FALSE;
}

std::vector<FoundFile> Win32Files::Find(const std::string& pattern) {
    std::vector<FoundFile> found;
    WIN32_FIND_DATAA data;
    UniqueFind search(FindFirstFileA(pattern.c_str(), &data));
    if (!search.Valid()) return found;
    do {
        FoundFile file;
        file.name = data.cFileName;
        file.shortName = data.cAlternateFileName;
        file.attributes = data.dwFileAttributes;
        file.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        found.push_back(file);
    } while (FindNextFileA(search.Get(), &data));
    return found;
}

std::string Win32Files::ShortPath(const std::string& path) {
    return FilledText([&](char* buffer, DWORD size) { return GetShortPathNameA(path.c_str(), buffer, size); });
}

DriveType Win32Files::GetDriveType(const std::string& root) {
    return static_cast<DriveType>(GetDriveTypeA(root.c_str()));
}

std::optional<DiskSpace> Win32Files::GetDiskSpace(const std::string& root) {
    using FreeSpaceEx = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const FARPROC proc = kernel ? GetProcAddress(kernel, "GetDiskFreeSpaceExA") : nullptr;
    if (proc) {
        // Through void(*)() so that the compiler accepts the change of type.
        const auto freeSpaceEx = reinterpret_cast<FreeSpaceEx>(reinterpret_cast<void (*)()>(proc));
        ULARGE_INTEGER available, total, totalFree;
        if (!freeSpaceEx(root.c_str(), &available, &total, &totalFree)) return std::nullopt;
        return DiskSpace{available.QuadPart, total.QuadPart};
    }
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters)) {
        return std::nullopt;
    }
    const uint64_t cluster = static_cast<uint64_t>(sectorsPerCluster) * bytesPerSector;
    return DiskSpace{cluster * freeClusters, cluster * totalClusters};
}

std::string Win32Files::WindowsDirectory() {
    return FilledText([](char* buffer, DWORD size) { return GetWindowsDirectoryA(buffer, size); });
}

std::string Win32Files::SystemDirectory() {
    return FilledText([](char* buffer, DWORD size) { return GetSystemDirectoryA(buffer, size); });
}

std::string Win32Files::TempDirectory() {
    return FilledText([](char* buffer, DWORD size) { return GetTempPathA(size, buffer); });
}

std::optional<std::string> Win32Files::GetEnvironment(const std::string& name) {
    // Windows 9x knows no empty variables: a length of 0 means missing.
    std::string value =
        FilledText([&](char* buffer, DWORD size) { return GetEnvironmentVariableA(name.c_str(), buffer, size); });
    if (value.empty()) return std::nullopt;
    return value;
}

std::string Win32Files::ModuleFileName() {
    // GetModuleFileNameA returns the buffer size when the name is cut.
    std::string buffer(MAX_PATH + 1, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD length = GetModuleFileNameA(nullptr, &buffer[0], static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size() - 1) {
            buffer.resize(length);
            return buffer;
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
    return std::string();
}

}  // namespace platform::win32
