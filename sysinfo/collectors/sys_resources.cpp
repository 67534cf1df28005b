#include "sysinfo/collectors/sys_resources.h"

#include "platform/platform.h"

namespace sysinfo::collectors {

const char kUserNotLoaded[] = "\"User.exe\" kann nicht geladen werden.";
const char kNoResourceEntry[] = "Adresse von \"GetFreeSystemResources\" kann nicht gelesen werden.";

TSysResources ReadSysResources(const std::string& module, const std::string& entry, uint16_t kind) {
    const platform::ResourceReading reading = platform::Get().machine().FreeSystemResources(module, entry, kind);
    switch (reading.status) {
        case platform::ResourceStatus::NoModule: return {std::nullopt, kUserNotLoaded};
        case platform::ResourceStatus::NoEntry: return {std::nullopt, kNoResourceEntry};
        case platform::ResourceStatus::No16BitLayer: return {uint16_t{100}, ""};
        // Shown as unknown rather than as a made-up 0 %.
        case platform::ResourceStatus::NoResult: return {std::nullopt, ""};
        case platform::ResourceStatus::Done: break;
    }
    return {reading.percent, ""};
}

TSysResources GetSysResources(uint16_t kind) { return ReadSysResources("user.exe", "GetFreeSystemResources", kind); }

}  // namespace sysinfo::collectors
