#include "platform/helpers.h"

#include "platform/text.h"

namespace platform {

std::string ProgramFolder() {
    const std::string exe = Get().files().ModuleFileName();
    const auto slash = exe.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : exe.substr(0, slash + 1);
}

WindowsRelease ClassifyRelease(const VersionRecord& version, const std::optional<FileVersion>& kernel32) {
    if (version.platformId != kPlatformWindows) return WindowsRelease::None;
    const std::string service = Trim(version.servicePack, kSpaces);
    if (version.minor < 10) return service == "B" ? WindowsRelease::Win95OSR2 : WindowsRelease::Win95;
    if (version.minor < 90) {
        if (kernel32 && kernel32->major == 4 && kernel32->minor == 90) return WindowsRelease::WinME;
        return service == "A" ? WindowsRelease::Win98SE : WindowsRelease::Win98;
    }
    if (version.minor == 90) return WindowsRelease::WinME;
    return WindowsRelease::None;
}

WindowsRelease CurrentRelease() {
    static const WindowsRelease release = [] {
        System& system = Get().system();
        const std::string kernel = Get().files().SystemDirectory() + "\\kernel32.dll";
        return ClassifyRelease(system.GetVersion(), system.GetFileVersion(kernel));
    }();
    return release;
}

std::string FindOnFixedDrives(const std::string& name) {
    FileSystem& files = Get().files();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (files.GetDriveType(root) != DriveType::Fixed) continue;
        if (files.Exists(root + name)) return root + name;
    }
    return std::string();
}

void Delay(uint32_t milliseconds) {
    System& system = Get().system();
    const uint32_t start = system.TickCount();
    for (;;) {
        system.ProcessMessages();
        const uint32_t now = system.TickCount();
        if (now < start || now - start >= milliseconds) return;
        system.WaitForMessage(milliseconds - (now - start));
    }
}

}  // namespace platform
