// The size of one drive.
#pragma once

#include <cstdint>
#include <string>

namespace sysinfo::collectors {

enum class TDriveType { dtUnknown, dtNotExists, dtRemovable, dtFixed, dtRemote, dtCDROM, dtRAMDisk };

class TDisk {
public:
    const std::string& Drive() const { return drive_; }
    // Takes the first two characters ("C:") and reads the drive at once.
    // No critical-error box is shown for a drive without a medium.
    void SetDrive(const std::string& drive);

    TDriveType DriveType = TDriveType::dtUnknown;
    bool MediaPresent = false;
    uint64_t Capacity = 0;
    uint64_t FreeSpace = 0;  // the bytes available to the user
    uint32_t SectorsPerCluster = 0;
    uint32_t BytesPerSector = 0;
    uint32_t FreeClusters = 0;
    uint32_t TotalClusters = 0;

private:
    std::string drive_;
};

}  // namespace sysinfo::collectors
