// The machine's facts, as a test sets them, with the calls that change
// something recorded: error modes, thread priorities, snapshots.
//
// The processor's counters move on by a set step at every read, so that a
// clock measurement sees a steady clock of the set speed.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/machine.h"

namespace platform::fake {

class FakeMachine : public Machine {
public:
    // A Windows 98 machine of 64 MB at 450 MHz, German formats, a 800 x 600
    // screen of 32 bits, drive C: of 2 GB with 1.5 GB free.
    FakeMachine();

    MemoryStatus GlobalMemoryStatus() override { return memory_; }
    std::optional<std::vector<ProcessEntry>> Processes(size_t limit) override;
    uint32_t SetErrorMode(uint32_t mode) override;
    std::optional<DiskGeometry> GetDiskFreeSpace(const std::string& root) override;
    std::optional<DiskSpaceEx> GetDiskFreeSpaceEx(const std::string& root) override;
    std::optional<std::string> ReadLowMemoryText(uint32_t address, size_t maxLength) override;
    ResourceReading FreeSystemResources(const std::string& module, const std::string& entry, uint16_t kind) override;
    std::optional<uint64_t> PerformanceFrequency() override { return frequency_; }
    uint64_t PerformanceCounter() override;
    uint64_t TimeStampCounter() override;
    std::optional<int> ThreadPriority() override { return priority_; }
    void SetThreadPriority(int priority) override;
    ScreenMode Screen() override { return screen_; }
    NumberSeparators Separators() override { return separators_; }
    LocalTime Now() override { return now_; }
    std::string ShortDateText(const LocalTime& time) override;
    std::string LongTimeText(const LocalTime& time) override;

    // ------------------------------------------------ settings for tests

    void SetMemory(const MemoryStatus& memory) { memory_ = memory; }
    // Process n gets id n + 1; nothing makes the snapshot fail.
    void SetProcessCount(std::optional<size_t> count) { processCount_ = count; }
    // A drive by its root ("C:\"); nothing for a drive without a medium.
    void SetDisk(const std::string& root, const std::optional<DiskGeometry>& geometry);
    // Whether the system has GetDiskFreeSpaceExA.
    void SetHasDiskFreeSpaceEx(bool has) { hasFreeSpaceEx_ = has; }
    // The first megabyte's bytes from address on; nothing when unreadable.
    void SetLowMemory(uint32_t address, const std::optional<std::string>& bytes);
    void SetResources(const ResourceReading& reading) { resources_ = reading; }
    // Without a frequency the machine has no performance counter.
    void SetFrequency(std::optional<uint64_t> frequency) { frequency_ = frequency; }
    // How far the counters move at each read.
    void SetCounterSteps(uint64_t performanceTicks, uint64_t cycles) {
        performanceStep_ = performanceTicks;
        cycleStep_ = cycles;
    }
    // Where the counters stand.
    void SetCounters(uint64_t performance, uint64_t cycles) {
        performance_ = performance;
        cycles_ = cycles;
    }
    void SetPriorityReadable(bool readable) { priority_ = readable ? std::optional<int>(0) : std::nullopt; }
    void SetScreen(const ScreenMode& screen) { screen_ = screen; }
    void SetSeparators(const NumberSeparators& separators) { separators_ = separators; }
    void SetNow(const LocalTime& now) { now_ = now; }

    const std::vector<uint32_t>& ErrorModes() const { return errorModes_; }
    uint32_t ErrorMode() const { return errorMode_; }
    const std::vector<int>& Priorities() const { return priorities_; }
    struct ResourceCall {
        std::string module, entry;
        uint16_t kind;
    };
    const std::vector<ResourceCall>& ResourceCalls() const { return resourceCalls_; }
    int Snapshots() const { return snapshots_; }
    // The largest limit a snapshot was asked for.
    size_t LargestLimit() const { return largestLimit_; }
    // Forgets the recorded calls (a long run keeps its memory flat).
    void ClearCalls() {
        errorModes_.clear();
        priorities_.clear();
        resourceCalls_.clear();
    }

private:
    MemoryStatus memory_;
    std::optional<size_t> processCount_ = 12;
    std::map<std::string, std::optional<DiskGeometry>> disks_;  // by upper-case root
    bool hasFreeSpaceEx_ = true;
    std::map<uint32_t, std::optional<std::string>> lowMemory_;
    ResourceReading resources_{ResourceStatus::Done, 85};
    std::optional<uint64_t> frequency_ = 1193180;
    uint64_t performance_ = 0, cycles_ = 0;
    uint64_t performanceStep_ = 10, cycleStep_ = 3772;
    std::optional<int> priority_ = 0;
    ScreenMode screen_{800, 600, 32};
    NumberSeparators separators_{'.', ','};
    LocalTime now_{2001, 3, 12, 9, 41, 36, 0};
    uint32_t errorMode_ = 0;
    std::vector<uint32_t> errorModes_;
    std::vector<int> priorities_;
    std::vector<ResourceCall> resourceCalls_;
    int snapshots_ = 0;
    size_t largestLimit_ = 0;
};

}  // namespace platform::fake
