// The machine's facts through kernel32, gdi32 and the 16-bit kernel
// services of Windows 9x.
#pragma once

#include "platform/platform.h"

namespace platform::win32 {

class Win32Machine : public Machine {
public:
    MemoryStatus GlobalMemoryStatus() override;
    std::optional<std::vector<ProcessEntry>> Processes(size_t limit) override;
    uint32_t SetErrorMode(uint32_t mode) override;
    std::optional<DiskGeometry> GetDiskFreeSpace(const std::string& root) override;
    std::optional<DiskSpaceEx> GetDiskFreeSpaceEx(const std::string& root) override;
    std::optional<std::string> ReadLowMemoryText(uint32_t address, size_t maxLength) override;
    // In the 32-bit build on Windows 9x only; elsewhere the system has no
    // 16-bit layer (No16BitLayer).
    ResourceReading FreeSystemResources(const std::string& module, const std::string& entry, uint16_t kind) override;
    std::optional<uint64_t> PerformanceFrequency() override;
    uint64_t PerformanceCounter() override;
    uint64_t TimeStampCounter() override;
    std::optional<int> ThreadPriority() override;
    void SetThreadPriority(int priority) override;
    ScreenMode Screen() override;
    NumberSeparators Separators() override;
    LocalTime Now() override;
    std::string ShortDateText(const LocalTime& time) override;
    std::string LongTimeText(const LocalTime& time) override;
};

}  // namespace platform::win32
