#include "sysinfo/collectors/disk.h"

#include "platform/platform.h"

namespace sysinfo::collectors {

namespace {
constexpr uint32_t kSemFailCriticalErrors = 1;
}

void TDisk::SetDrive(const std::string& drive) {
    drive_ = drive.substr(0, 2);
    const std::string root = drive_ + "\\";
    platform::Platform& p = platform::Get();
    const uint32_t type = static_cast<uint32_t>(p.files().GetDriveType(root));
    DriveType = type <= 6 ? static_cast<TDriveType>(type) : TDriveType::dtUnknown;

    platform::Machine& machine = p.machine();
    const uint32_t oldMode = machine.SetErrorMode(kSemFailCriticalErrors);
    const auto geometry = machine.GetDiskFreeSpace(root);
    const auto space = geometry ? machine.GetDiskFreeSpaceEx(root) : std::nullopt;
    machine.SetErrorMode(oldMode);

    MediaPresent = geometry.has_value();
    if (!geometry) {
        Capacity = FreeSpace = 0;
        SectorsPerCluster = BytesPerSector = FreeClusters = TotalClusters = 0;
        return;
    }
    SectorsPerCluster = geometry->sectorsPerCluster;
    BytesPerSector = geometry->bytesPerSector;
    FreeClusters = geometry->freeClusters;
    TotalClusters = geometry->totalClusters;
    if (space) {
        FreeSpace = space->freeToCaller;
        Capacity = space->total;
    } else {
        // In 64 bits: drives beyond 4 GB would wrap in 32.
        const uint64_t cluster = uint64_t{SectorsPerCluster} * BytesPerSector;
        Capacity = cluster * TotalClusters;
        FreeSpace = cluster * FreeClusters;
    }
}

}  // namespace sysinfo::collectors
