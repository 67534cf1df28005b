#include "platform/win32/win32_system.h"

#include "platform/win32/win32_api.h"


namespace platform::win32 {

VersionRecord Win32System::GetVersion() {
    OSVERSIONINFOA info;
    ZeroMemory(&info, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    VersionRecord record;
    if (!GetVersionExA(&info)) return record;
    record.major = info.dwMajorVersion;
    record.minor = info.dwMinorVersion;
    record.build = info.dwBuildNumber;
    record.platformId = info.dwPlatformId;
    record.servicePack = info.szCSDVersion;
    return record;
}

std::optional<FileVersion> Win32System::GetFileVersion(const std::string& modulePath) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(modulePath.c_str(), &handle);
    if (size == 0) return std::nullopt;
    std::string block(size, '\0');
    if (!GetFileVersionInfoA(modulePath.c_str(), 0, size, &block[0])) return std::nullopt;
    void* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(&block[0], "\\", &fixed, &length) || !fixed || length < sizeof(VS_FIXEDFILEINFO)) {
        return std::nullopt;
    }
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    if (info->dwSignature != 0xFEEF04BD) return std::nullopt;
    return FileVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS), HIWORD(info->dwFileVersionLS),
                       LOWORD(info->dwFileVersionLS)};
}

uint32_t Win32System::TickCount() { return GetTickCount(); }

void Win32System::ProcessMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void Win32System::WaitForMessage(uint32_t milliseconds) {
    // The wait ends at input that is new since the queue was last looked
    // at. A caller that waits in a loop without handling messages (the page
    // blend) would otherwise find the same waiting message new at every
    // call and never wait at all; looking at the queue here marks it seen.
    GetQueueStatus(QS_ALLINPUT);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
}

std::optional<bool> Win32System::GetSystemParameterFlag(uint32_t action) {
    BOOL value = FALSE;
    if (!SystemParametersInfoA(action, 0, &value, 0)) return std::nullopt;
    return value != FALSE;
}

bool Win32System::SetSystemParameter(uint32_t action, uint32_t param, uint32_t winIniFlags) {
    return SystemParametersInfoA(action, param, nullptr, winIniFlags) != FALSE;
}

bool Win32System::ExitWindows(uint32_t flags) { return ExitWindowsEx(flags, 0) != FALSE; }

void Win32System::MessageBeep(uint32_t type) { ::MessageBeep(type); }

std::optional<std::string> Win32System::Resource(const std::string& name) {
    HRSRC info = FindResourceA(nullptr, name.c_str(), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!info) return std::nullopt;
    HGLOBAL loaded = LoadResource(nullptr, info);
    const DWORD size = SizeofResource(nullptr, info);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return std::nullopt;
    return std::string(static_cast<const char*>(bytes), size);
}

}  // namespace platform::win32
