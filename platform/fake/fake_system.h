// Version information, a virtual clock and the system calls that change the
// machine, recorded instead of carried out.
//
// The clock: TickCount() reads a counter that only moves when the program
// waits. WaitForMessage(ms) moves it on by ms, but by at most the wait
// quantum (10 ms unless set), as if a window message had ended the wait
// then; ProcessMessages() runs the message hook, which stands for the
// window messages (timers of the headless widgets, for instance). A delay
// of n ms therefore runs the hook about n / quantum times, in no real time.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform::fake {

class FakeSystem : public System {
public:
    // Windows 98 SE: version 4.10, build 2222 (the high word of the build
    // number repeats the version, as on the 9x family), service text " A ",
    // kernel32.dll of file version 4.10.2222.0.
    FakeSystem();

    VersionRecord GetVersion() override { return version_; }
    std::optional<FileVersion> GetFileVersion(const std::string& modulePath) override;
    uint32_t TickCount() override { return ticks_; }
    void ProcessMessages() override;
    void WaitForMessage(uint32_t milliseconds) override;
    std::optional<bool> GetSystemParameterFlag(uint32_t action) override;
    bool SetSystemParameter(uint32_t action, uint32_t param, uint32_t winIniFlags) override;
    bool ExitWindows(uint32_t flags) override;
    void MessageBeep(uint32_t type) override { beeps_.push_back(type); }
    // Read from the resource folder: the file whose ResourceName matches.
    std::optional<std::string> Resource(const std::string& name) override;

    // ------------------------------------------------ settings for tests

    void SetVersion(const VersionRecord& version) { version_ = version; }
    // Sets or (with nothing) removes the file version of a module path.
    void SetFileVersion(const std::string& modulePath, const std::optional<FileVersion>& version);
    void SetTickCount(uint32_t ticks) { ticks_ = ticks; }
    void SetWaitQuantum(uint32_t milliseconds) { quantum_ = milliseconds; }
    void SetMessageHook(std::function<void()> hook) { hook_ = std::move(hook); }
    void SetDragFullWindows(bool on) { dragFullWindows_ = on; }
    // The host folder that stands for the program's resources.
    void SetResourceFolder(const std::filesystem::path& folder) { resourceFolder_ = folder; }

    struct ParameterCall {
        uint32_t action;
        uint32_t param;
        uint32_t winIniFlags;
    };
    const std::vector<ParameterCall>& ParameterCalls() const { return parameterCalls_; }
    const std::vector<uint32_t>& ExitCalls() const { return exitCalls_; }
    const std::vector<uint32_t>& Beeps() const { return beeps_; }
    bool DragFullWindows() const { return dragFullWindows_; }
    int ProcessMessagesCount() const { return processCount_; }

private:
    VersionRecord version_;
    std::map<std::string, FileVersion> fileVersions_;  // by upper-case path
    uint32_t ticks_ = 1000000;
    uint32_t quantum_ = 10;
    std::function<void()> hook_;
    bool dragFullWindows_ = false;
    std::vector<ParameterCall> parameterCalls_;
    std::vector<uint32_t> exitCalls_;
    std::vector<uint32_t> beeps_;
    std::filesystem::path resourceFolder_;
    int processCount_ = 0;
};

}  // namespace platform::fake
