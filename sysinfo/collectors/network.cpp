#include "sysinfo/collectors/network.h"

#include <array>
#include <cstdio>

#include "config/text.h"
#include "platform/platform.h"

namespace sysinfo::collectors {

namespace {

const char kUnreadableAddress[] = "??:??:??:??:??:??";

void AddUniqueText(std::vector<std::string>& list, const std::string& text) {
    for (const std::string& entry : list)
        if (config::SameText(entry, text)) return;
    list.push_back(text);
}

}  // namespace

void TNetwork::Refresh() {
    platform::Net& net = platform::Get().net();
    IPAddress = net.HostAddresses();
    RefreshProtocols();

    MACAddress.clear();
    std::vector<uint8_t> lanas;
    if (net.NetbiosEnum(lanas) != platform::kNrcGoodRet) lanas.clear();
    for (uint8_t lana : lanas) {
        if (net.NetbiosReset(lana) != platform::kNrcGoodRet) continue;
        std::array<uint8_t, 6> a{};
        std::string text = kUnreadableAddress;
        if (net.NetbiosAdapterStatus(lana, a) == platform::kNrcGoodRet) {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%2.2x:%2.2x:%2.2x:%2.2x:%2.2x:%2.2x", a[0], a[1], a[2], a[3], a[4],
                          a[5]);
            text = buffer;
        }
        AddUniqueText(MACAddress, text);
    }
}

}  // namespace sysinfo::collectors
