#include "sysinfo/sys_mon.h"

#include <cmath>
#include <cstdint>

#include "platform/platform.h"
#include "widgets/errors.h"

namespace sysinfo {

using platform::RegKey;
using platform::RootKey;

namespace {
const char kStartStat[] = "PerfStats\\StartStat";
const char kStatData[] = "PerfStats\\StatData";
const char kStopStat[] = "PerfStats\\StopStat";
const char kEnum[] = "System\\CurrentControlSet\\Control\\PerfStats\\Enum";
}  // namespace

TMonObject::~TMonObject() {
    if (Started) Stop();
}

std::unique_ptr<RegKey> TMonObject::Open(RootKey root, const std::string& path) const {
    platform::Registry& registry = platform::Get().registry();
    if (monitor_ && !monitor_->Machine.empty()) {
        // A remote machine is reached through its HKEY_LOCAL_MACHINE.
        auto remote = registry.OpenRemoteKey(monitor_->Machine, RootKey::LocalMachine, path);
        if (remote) return std::move(*remote);
    }
    return registry.OpenKey(root, path, false);
}

bool TMonObject::Touch(const std::string& path) {
    auto key = Open(RootKey::DynData, path);
    if (!key) return false;
    if (!key->QueryValueSize(ValueName())) return false;
    key->QueryValue(ValueName());
    return true;
}

void TMonObject::Start() {
    if (!Named()) return;
    if (Touch(kStartStat)) Started = true;
    ReadDifferentiate();
}

void TMonObject::Stop() {
    if (Named()) Touch(kStopStat);
    Started = false;
}

bool TMonObject::ReadDifferentiate() {
    if (!Named()) return false;
    auto key = Open(RootKey::LocalMachine, std::string(kEnum) + "\\" + SysObject + "\\" + Counter);
    if (!key) return false;
    Differentiate = false;
    if (auto value = key->QueryValue("Differentiate")) {
        // The text as the 256-byte buffer holds it, compared only within
        // the length that the read returned.
        std::string text = value->data.substr(0, 256);
        text = text.substr(0, text.find('\0'));
        Differentiate = text == "TRUE";
    }
    return Differentiate;
}

int TMonObject::GetValue() {
    if (!Named()) return -1;
    if (!Started) Start();
    auto key = Open(RootKey::DynData, kStatData);
    if (!key) return -1;
    auto value = key->QueryValue(ValueName());
    // A reading that is not 4 bytes long cannot be read.
    if (!value || value->data.size() < 4) return -1;
    const auto* b = reinterpret_cast<const unsigned char*>(value->data.data());
    const int32_t d = static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                           static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
    platform::System& system = platform::Get().system();
    int result = d;
    if (Differentiate) {
        // The tick count wraps after 49.7 days; the unsigned difference
        // stays right across the wrap, and the change is formed in 64 bits.
        const uint32_t elapsed = system.TickCount() - LastTick;
        const int64_t change = static_cast<int64_t>(d) - LastData;
        // Two readings within one tick have no rate: report no change.
        if (elapsed != 0) {
            const double rate = std::nearbyint(static_cast<double>(change * 1000) / elapsed);
            result = rate > INT32_MAX ? INT32_MAX : rate < INT32_MIN ? INT32_MIN : static_cast<int>(rate);
        } else {
            result = 0;
        }
    }
    LastData = d;
    LastTick = system.TickCount();
    return result;
}

TMonObject& TMonCollection::Add() {
    items_.push_back(std::make_unique<TMonObject>(owner_));
    return *items_.back();
}

TMonObject& TMonCollection::Items(int index) {
    if (index < 0 || index >= Count()) throw widgets::EInvalidOperation("Listenindex überschreitet das Maximum");
    return *items_[static_cast<size_t>(index)];
}

}  // namespace sysinfo
