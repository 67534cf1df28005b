// The free system, GDI and USER resources of the 16-bit USER, in percent.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sysinfo::collectors {

// The kinds of GetFreeSystemResources.
constexpr uint16_t kSystemResources = 0;
constexpr uint16_t kGdiResources = 1;
constexpr uint16_t kUserResources = 2;

extern const char kUserNotLoaded[];    // the 16-bit USER did not load
extern const char kNoResourceEntry[];  // it has no GetFreeSystemResources

// The percentage, or the message of what failed. A system without a 16-bit
// layer has no such limits and reads 100; one whose call gate loses the
// 16-bit result (Wine) gives neither.
struct TSysResources {
    std::optional<uint16_t> percent;
    std::string error;
};

TSysResources GetSysResources(uint16_t kind);
// The same for another module and entry, so that a failure can be shown.
TSysResources ReadSysResources(const std::string& module, const std::string& entry, uint16_t kind);

}  // namespace sysinfo::collectors
