#include "platform/win32/win32_perf_stats.h"

#include <cmath>

#include "platform/text.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_handle.h"
#include "platform/win32/win32_reg_key.h"
// ToolHelp needs the types of <windows.h> first.
// clang-format off
#include <tlhelp32.h>
// clang-format on

namespace platform::win32 {

namespace {

enum class Kind { Start, Data, Stop };

uint64_t Ticks100ns(const FILETIME& t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; }

// The processor load since the previous reading, from GetSystemTimes
// (Windows XP and later, so looked up at run time); kernel time includes
// idle time.
int32_t CpuUsage() {
    using GetSystemTimesFn = BOOL(WINAPI*)(FILETIME*, FILETIME*, FILETIME*);
    static const auto getSystemTimes = reinterpret_cast<GetSystemTimesFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetSystemTimes")));
    static uint64_t lastIdle = 0, lastKernel = 0, lastUser = 0;
    if (!getSystemTimes) return 0;
    FILETIME idle, kernel, user;
    if (!getSystemTimes(&idle, &kernel, &user)) return 0;
    const uint64_t i = Ticks100ns(idle), k = Ticks100ns(kernel), u = Ticks100ns(user);
    const uint64_t busyAll = (k - lastKernel) + (u - lastUser);
    const uint64_t idleDelta = i - lastIdle;
    lastIdle = i;
    lastKernel = k;
    lastUser = u;
    if (busyAll == 0) return 0;
    const double load = std::nearbyint(100.0 * (1.0 - static_cast<double>(idleDelta) / static_cast<double>(busyAll)));
    return load < 0 ? 0 : load > 100 ? 100 : static_cast<int32_t>(load);
}

int32_t ThreadCount() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    int32_t threads = 0;
    for (BOOL ok = Process32First(snapshot, &entry); ok; ok = Process32Next(snapshot, &entry))
        threads += static_cast<int32_t>(entry.cntThreads);
    CloseHandle(snapshot);
    return threads;
}

bool IsPublished(const std::string& name) {
    const std::string n = UpperCase(name);
    return n == "KERNEL\\CPUUSAGE" || n == "KERNEL\\THREADS" || n == "KERNEL\\VMS";
}

// Whether the system's own StartStat holds the counter: then the system
// publishes it and nothing is added.
bool SystemHas(const std::string& name) {
    UniqueKey key;
    if (RegOpenKeyExA(HKEY_DYN_DATA, "PerfStats\\StartStat", 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    return RegQueryValueExA(key.Get(), name.c_str(), nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS;
}

class PerfStatsKey : public RegKey {
public:
    PerfStatsKey(Kind kind, std::unique_ptr<RegKey> system) : kind_(kind), system_(std::move(system)) {}

    std::optional<RegValue> QueryValue(const std::string& name) override {
        if (Adds(name)) {
            // Starting and stopping a published counter read a 4-byte value
            // as the system's do; only StatData carries the reading.
            const int32_t value = kind_ == Kind::Data ? *PublishedCounter(name) : 0;
            return RegValue{ValueType::Binary, DwordData(static_cast<uint32_t>(value))};
        }
        return system_ ? system_->QueryValue(name) : std::nullopt;
    }
    std::optional<uint32_t> QueryValueSize(const std::string& name) override {
        if (Adds(name)) return 4u;
        return system_ ? system_->QueryValueSize(name) : std::nullopt;
    }
    bool SetValue(const std::string& name, ValueType type, const std::string& data) override {
        return system_ && system_->SetValue(name, type, data);
    }
    bool DeleteValue(const std::string& name) override { return system_ && system_->DeleteValue(name); }
    std::vector<std::string> SubkeyNames() override {
        return system_ ? system_->SubkeyNames() : std::vector<std::string>{};
    }
    std::vector<std::string> ValueNames() override {
        return system_ ? system_->ValueNames() : std::vector<std::string>{};
    }

private:
    bool Adds(const std::string& name) const { return IsPublished(name) && !SystemHas(name); }

    Kind kind_;
    std::unique_ptr<RegKey> system_;
};

}  // namespace

bool IsPerfStatsPath(const std::string& path) {
    const std::string p = UpperCase(path);
    return p == "PERFSTATS\\STARTSTAT" || p == "PERFSTATS\\STATDATA" || p == "PERFSTATS\\STOPSTAT";
}

std::unique_ptr<RegKey> OpenPerfStatsKey(const std::string& path, std::unique_ptr<RegKey> system) {
    const std::string p = UpperCase(path);
    const Kind kind = p == "PERFSTATS\\STARTSTAT" ? Kind::Start : p == "PERFSTATS\\STATDATA" ? Kind::Data : Kind::Stop;
    return std::make_unique<PerfStatsKey>(kind, std::move(system));
}

std::optional<int32_t> PublishedCounter(const std::string& name) {
    const std::string n = UpperCase(name);
    if (n == "KERNEL\\CPUUSAGE") return CpuUsage();
    if (n == "KERNEL\\THREADS") return ThreadCount();
    if (n == "KERNEL\\VMS") return 1;
    return std::nullopt;
}

}  // namespace platform::win32
