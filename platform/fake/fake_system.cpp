#include "platform/fake/fake_system.h"

#include <cstdio>

#include <algorithm>

#include "platform/text.h"

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
        fileVersions_[UpperCase(modulePath)] = *version;
    } else {
        fileVersions_.erase(UpperCase(modulePath));
    }
}

std::optional<FileVersion> FakeSystem::GetFileVersion(const std::string& modulePath) {
    const auto it = fileVersions_.find(UpperCase(modulePath));
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

std::optional<std::string> FakeSystem::Resource(const std::string& name) {
    std::error_code ec;
    if (resourceFolder_.empty()) return std::nullopt;
    for (const auto& entry : std::filesystem::directory_iterator(resourceFolder_, ec)) {
        if (!entry.is_regular_file() || ResourceName(entry.path().filename().string()) != name) continue;
        std::string bytes;
        if (FILE* f = std::fopen(entry.path().string().c_str(), "rb")) {
            char buffer[16384];
            size_t n;
            while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
            std::fclose(f);
            return bytes;
        }
    }
    return std::nullopt;
}

}  // namespace platform::fake
