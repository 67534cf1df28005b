// The machine's own facts, as the system information page shows them:
// memory, running processes, drive sizes, the BIOS text, the 16-bit free
// resources, the processor's counters, the screen mode and the user's
// regional formats.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// GlobalMemoryStatus, with the fields as wide as the build's MEMORYSTATUS.
struct MemoryStatus {
    uint64_t totalPhys = 0;
    uint64_t availPhys = 0;
    uint64_t totalPageFile = 0;
    uint64_t availPageFile = 0;
    uint64_t totalVirtual = 0;
    uint64_t availVirtual = 0;
};

// The fields of a PROCESSENTRY32 that the program uses.
struct ProcessEntry {
    uint32_t processId = 0;
    uint32_t threads = 0;
    uint32_t parentProcessId = 0;
    std::string exeFile;
};

// GetDiskFreeSpaceA.
struct DiskGeometry {
    uint32_t sectorsPerCluster = 0;
    uint32_t bytesPerSector = 0;
    uint32_t freeClusters = 0;
    uint32_t totalClusters = 0;
};

// GetDiskFreeSpaceExA.
struct DiskSpaceEx {
    uint64_t freeToCaller = 0;
    uint64_t total = 0;
};

// GetFreeSystemResources of the 16-bit USER, reached through the kernel's
// 16-bit loader and QT_Thunk.
enum class ResourceStatus {
    Done,           // percent holds the reading
    NoModule,       // the 16-bit module did not load (result below 32)
    NoEntry,        // the module has no such 16-bit entry
    No16BitLayer,   // the system has no 16-bit layer: nothing is short
    NoResult,       // the call gate does not bring 16-bit results back
};
struct ResourceReading {
    ResourceStatus status = ResourceStatus::Done;
    uint16_t percent = 0;
};

// The screen's current mode (GetDeviceCaps of the screen's DC).
struct ScreenMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// A local date and time (SYSTEMTIME without the weekday).
struct LocalTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, milliseconds = 0;
};

// The user's number separators (LOCALE_STHOUSAND, LOCALE_SDECIMAL).
struct NumberSeparators {
    char thousands = '.';
    char decimal = ',';
};

// THREAD_PRIORITY_TIME_CRITICAL.
constexpr int kPriorityTimeCritical = 15;

class Machine {
public:
    virtual ~Machine() = default;
    virtual MemoryStatus GlobalMemoryStatus() = 0;
    // A ToolHelp process snapshot: Process32First, then Process32Next
    // until it fails or limit entries are filled. Nothing when the snapshot
    // cannot be taken.
    virtual std::optional<std::vector<ProcessEntry>> Processes(size_t limit) = 0;
    // SetErrorMode: the previous mode.
    virtual uint32_t SetErrorMode(uint32_t mode) = 0;
    // GetDiskFreeSpaceA(root); nothing when it fails (no medium).
    virtual std::optional<DiskGeometry> GetDiskFreeSpace(const std::string& root) = 0;
    // GetDiskFreeSpaceExA(root), loaded at run time (Windows 95 before OSR2
    // lacks it); nothing when it is missing or fails.
    virtual std::optional<DiskSpaceEx> GetDiskFreeSpaceEx(const std::string& root) = 0;
    // The zero-terminated text at a linear address of the first megabyte,
    // read only as far as the memory is readable, below 0x100000 and at
    // most maxLength characters; nothing when no byte can be read.
    virtual std::optional<std::string> ReadLowMemoryText(uint32_t address, size_t maxLength) = 0;
    // Loads the 16-bit module, releases it at once, looks up the 16-bit
    // entry and calls it through QT_Thunk with kind as its one argument.
    virtual ResourceReading FreeSystemResources(const std::string& module, const std::string& entry,
                                                uint16_t kind) = 0;
    // QueryPerformanceFrequency; nothing without a performance counter.
    virtual std::optional<uint64_t> PerformanceFrequency() = 0;
    virtual uint64_t PerformanceCounter() = 0;
    // RDTSC.
    virtual uint64_t TimeStampCounter() = 0;
    // GetThreadPriority of the calling thread; nothing when it cannot be read.
    virtual std::optional<int> ThreadPriority() = 0;
    virtual void SetThreadPriority(int priority) = 0;
    virtual ScreenMode Screen() = 0;
    virtual NumberSeparators Separators() = 0;
    // GetLocalTime.
    virtual LocalTime Now() = 0;
    // GetDateFormatA with DATE_SHORTDATE and GetTimeFormatA with the long
    // time format of the user; "" when the date is not valid.
    virtual std::string ShortDateText(const LocalTime& time) = 0;
    virtual std::string LongTimeText(const LocalTime& time) = 0;
};

}  // namespace platform
