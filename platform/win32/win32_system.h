// Version information, the tick count, the message queue, system
// parameters and restarting, through kernel32, user32 and version.dll.
#pragma once

#include "platform/platform.h"

namespace platform::win32 {

class Win32System : public System {
public:
    VersionRecord GetVersion() override;
    std::optional<FileVersion> GetFileVersion(const std::string& modulePath) override;
    uint32_t TickCount() override;
    // Dispatches the waiting messages. A WM_QUIT is posted again and ends
    // the pumping, so that the main message loop still sees it.
    void ProcessMessages() override;
    void WaitForMessage(uint32_t milliseconds) override;
    std::optional<bool> GetSystemParameterFlag(uint32_t action) override;
    bool SetSystemParameter(uint32_t action, uint32_t param, uint32_t winIniFlags) override;
    bool ExitWindows(uint32_t flags) override;
    void MessageBeep(uint32_t type) override;
    std::optional<std::string> Resource(const std::string& name) override;
};

}  // namespace platform::win32
