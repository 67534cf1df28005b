#include "platform/fake/fake_system.h"

#include <algorithm>

#include "platform/fake/fake_text.h"

namespace platform::fake {

FakeSystem::FakeSystem() {
    version_.major = 4;
    version_.minor = 10;
    version_.build = (4u << 24) | (10u << 16) | 2222u;
    version_.platformId = kPlatformWindows;
    version_.servicePack = " A ";
    SetFileVersion("C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL", FileVersion{4, 10, 2222, 0});
}

void FakeSystem::SetFileVersion(const std::string& modulePath, const std::optional<FileVersion>& version) {
    if (version) {
        fileVersions_[Upper(modulePath)] = *version;
    } else {
        fileVersions_.erase(Upper(modulePath));
    }
}

std::optional<FileVersion> FakeSystem::GetFileVersion(const std::string& modulePath) {
    const auto it = fileVersions_.find(Upper(modulePath));
    if (it == fileVersions_.end()) return std::nullopt;
    return it->second;
}

void FakeSystem::ProcessMessages() {
    ++processCount_;
    if (hook_) hook_();
}

void FakeSystem::WaitForMessage(uint32_t milliseconds) { ticks_ += std::min(milliseconds, quantum_); }

std::optional<bool> FakeSystem::GetSystemParameterFlag(uint32_t action) {
    if (action == kSpiGetDragFullWindows) return dragFullWindows_;
    return std::nullopt;
}

bool FakeSystem::SetSystemParameter(uint32_t action, uint32_t param, uint32_t winIniFlags) {
    parameterCalls_.push_back(ParameterCall{action, param, winIniFlags});
    if (action == kSpiSetDragFullWindows) dragFullWindows_ = param != 0;
    return true;
}

bool FakeSystem::ExitWindows(uint32_t flags) {
    exitCalls_.push_back(flags);
    return true;
}

}  // namespace platform::fake
