#include "platform/fake/fake_machine.h"

#include <algorithm>
#include <cstdio>

#include "platform/text.h"

namespace platform::fake {

FakeMachine::FakeMachine() {
    memory_ = {64ull << 20, 20ull << 20, 128ull << 20, 100ull << 20, 2047ull << 20, 2000ull << 20};
    // 2 GB with 1.5 GB free: 8 sectors of 512 bytes a cluster.
    SetDisk("C:\\", DiskGeometry{8, 512, 393216, 524288});
    SetLowMemory(0xFE061, std::string("Award Modular BIOS v4.51PG", 26) + '\0');
}

std::optional<std::vector<ProcessEntry>> FakeMachine::Processes(size_t limit) {
    ++snapshots_;
    largestLimit_ = std::max(largestLimit_, limit);
    if (!processCount_) return std::nullopt;
    std::vector<ProcessEntry> entries;
    for (size_t i = 0; i < *processCount_ && entries.size() < limit; ++i) {
        entries.push_back({static_cast<uint32_t>(i + 1), 2, 0, "PROC" + std::to_string(i + 1) + ".EXE"});
    }
    return entries;
}

uint32_t FakeMachine::SetErrorMode(uint32_t mode) {
    errorModes_.push_back(mode);
    const uint32_t previous = errorMode_;
    errorMode_ = mode;
    return previous;
}

void FakeMachine::SetDisk(const std::string& root, const std::optional<DiskGeometry>& geometry) {
    disks_[UpperCase(root)] = geometry;
}

std::optional<DiskGeometry> FakeMachine::GetDiskFreeSpace(const std::string& root) {
    const auto disk = disks_.find(UpperCase(root));
    if (disk == disks_.end()) return std::nullopt;
    return disk->second;
}

std::optional<DiskSpaceEx> FakeMachine::GetDiskFreeSpaceEx(const std::string& root) {
    if (!hasFreeSpaceEx_) return std::nullopt;
    const auto geometry = GetDiskFreeSpace(root);
    if (!geometry) return std::nullopt;
    const uint64_t cluster = uint64_t{geometry->sectorsPerCluster} * geometry->bytesPerSector;
    return DiskSpaceEx{cluster * geometry->freeClusters, cluster * geometry->totalClusters};
}

void FakeMachine::SetLowMemory(uint32_t address, const std::optional<std::string>& bytes) {
    lowMemory_[address] = bytes;
}

std::optional<std::string> FakeMachine::ReadLowMemoryText(uint32_t address, size_t maxLength) {
    const auto memory = lowMemory_.find(address);
    if (memory == lowMemory_.end() || !memory->second || memory->second->empty()) return std::nullopt;
    const std::string& bytes = *memory->second;
    // The set bytes are all that is readable, and nothing beyond 1 MB.
    size_t room = std::min<size_t>(bytes.size(), maxLength);
    if (address < 0x100000) room = std::min<size_t>(room, 0x100000 - address);
    return bytes.substr(0, std::min(room, bytes.find('\0')));
}

ResourceReading FakeMachine::FreeSystemResources(const std::string& module, const std::string& entry,
                                                 uint16_t kind) {
    resourceCalls_.push_back({module, entry, kind});
    return resources_;
}

uint64_t FakeMachine::PerformanceCounter() { return performance_ += performanceStep_; }

uint64_t FakeMachine::TimeStampCounter() { return cycles_ += cycleStep_; }

void FakeMachine::SetThreadPriority(int priority) {
    priorities_.push_back(priority);
    if (priority_) priority_ = priority;
}

std::string FakeMachine::ShortDateText(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", t.day, t.month, t.year);
    return text;
}

std::string FakeMachine::LongTimeText(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}

}  // namespace platform::fake
