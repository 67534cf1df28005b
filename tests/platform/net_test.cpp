// The network service, against the fake and against Wine: Winsock gives
// dotted addresses, NetBIOS answers its three commands.
#include <gtest/gtest.h>

#include <regex>

#include "platform/fake/fake_platform.h"
#include "platform/platform.h"
#include "tests/support/test_machine.h"

namespace platform_test {
namespace {

using testing_support::MachineTest;

class NetServiceTest : public MachineTest {};

TEST_F(NetServiceTest, TheHostHasDottedAddresses) {
    const auto addresses = machine.P().net().HostAddresses();
    ASSERT_FALSE(addresses.empty());
    const std::regex dotted(R"(\d{1,3}\.\d{1,3}\.\d{1,3}\.\d{1,3})");
    for (const std::string& a : addresses) EXPECT_TRUE(std::regex_match(a, dotted)) << a;
    // Asked again, the same: every query starts and ends Winsock itself.
    EXPECT_EQ(machine.P().net().HostAddresses(), addresses);
}

TEST_F(NetServiceTest, NetbiosListsAdaptersThatAnswerResetAndStatus) {
    platform::Net& net = machine.P().net();
    std::vector<uint8_t> lanas;
    const uint8_t code = net.NetbiosEnum(lanas);
    if (code != platform::kNrcGoodRet) {
        EXPECT_TRUE(lanas.empty());
        GTEST_SKIP() << "no NetBIOS adapters here (code " << int(code) << ")";
    }
    for (uint8_t lana : lanas) {
        if (net.NetbiosReset(lana) != platform::kNrcGoodRet) continue;
        std::array<uint8_t, 6> address{};
        if (net.NetbiosAdapterStatus(lana, address) == platform::kNrcGoodRet) {
            EXPECT_NE(address, (std::array<uint8_t, 6>{})) << int(lana);
        }
    }
    // A number that no adapter has fails.
    std::array<uint8_t, 6> none{};
    EXPECT_NE(net.NetbiosAdapterStatus(254, none), platform::kNrcGoodRet);
}

}  // namespace
}  // namespace platform_test
