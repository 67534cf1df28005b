// The kernel's performance statistics under HKEY_DYN_DATA "PerfStats".
//
// Windows 9x publishes its counters there. Other systems (Wine, NT) have no
// such statistics: StatData is empty and StartStat and StopStat are
// missing. For the counters the program reads, KERNEL\CPUUsage,
// KERNEL\Threads and KERNEL\VMs, the keys opened here then answer
// themselves, decided per counter by whether the system's StartStat holds
// it. Everything else passes through to the system's key.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace platform::win32 {

// True for "PerfStats\StartStat", "PerfStats\StatData" and
// "PerfStats\StopStat" (any case).
bool IsPerfStatsPath(const std::string& path);
// The key for such a path: the system's key (null when it is missing)
// with the published counters added.
std::unique_ptr<RegKey> OpenPerfStatsKey(const std::string& path, std::unique_ptr<RegKey> system);

// The published counters, for the contract test: nothing for a name that
// is not one of them.
std::optional<int32_t> PublishedCounter(const std::string& name);

}  // namespace platform::win32
