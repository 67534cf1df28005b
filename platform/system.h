// Version information, the clock and the message queue, system
// parameters, restarting and the program's own resources.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

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
// MessageBeep types: MB_OK (the default sound) and the icons' sounds.
constexpr uint32_t kBeepDefault = 0x00;
constexpr uint32_t kBeepHand = 0x10;
constexpr uint32_t kBeepQuestion = 0x20;
constexpr uint32_t kBeepExclamation = 0x30;
constexpr uint32_t kBeepAsterisk = 0x40;

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
    // MessageBeep: the sound of a message box icon (kBeep...).
    virtual void MessageBeep(uint32_t type) = 0;
    // The bytes of one of the program's own resources (RCDATA), named by
    // its file name in upper case with the dot as "_" ("MAIN_BACKGROUND_JPG").
    virtual std::optional<std::string> Resource(const std::string& name) = 0;
};

// The resource name of a file: "main_background.jpg" -> "MAIN_BACKGROUND_JPG".
std::string ResourceName(const std::string& fileName);

}  // namespace platform
