#include "platform/fake/fake_net.h"

namespace platform::fake {

namespace {
// NRC_BRIDGE: the adapter number is not valid.
constexpr uint8_t kNrcBridge = 0x23;
}  // namespace

std::vector<std::string> FakeNet::HostAddresses() {
    ++hostQueries_;
    return addresses_;
}

uint8_t FakeNet::NetbiosEnum(std::vector<uint8_t>& lanas) {
    commands_.push_back({0x37, 0});
    if (enumCode_ == kNrcGoodRet) lanas = lanas_;
    return enumCode_;
}

uint8_t FakeNet::NetbiosReset(uint8_t lana) {
    commands_.push_back({0x32, lana});
    const auto adapter = adapters_.find(lana);
    return adapter == adapters_.end() ? kNrcBridge : adapter->second.resetCode;
}

uint8_t FakeNet::NetbiosAdapterStatus(uint8_t lana, std::array<uint8_t, 6>& address) {
    commands_.push_back({0x33, lana});
    const auto adapter = adapters_.find(lana);
    if (adapter == adapters_.end()) return kNrcBridge;
    if (adapter->second.statusCode == kNrcGoodRet) address = adapter->second.address;
    return adapter->second.statusCode;
}

}  // namespace platform::fake
