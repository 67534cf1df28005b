// What the fake system records for the tests of the parts that restart
// Windows or change system parameters.
#include "platform/fake/fake_platform.h"
#include "tests/support/test_machine.h"

namespace {

using testing_support::MachineTest;

class FakeSystemTest : public MachineTest {};

TEST_F(FakeSystemTest, StartsAsWindows98SE) {
    QW_FAKE_ONLY(machine);
    platform::System& system = machine.P().system();
    EXPECT_EQ(system.GetVersion().servicePack, " A ");
    EXPECT_EQ(system.GetVersion().build, 0x040A08AEu);
    auto kernel = system.GetFileVersion(machine.P().files().SystemDirectory() + "\\Kernel32.dll");
    ASSERT_TRUE(kernel.has_value());
    EXPECT_EQ(kernel->major, 4);
    EXPECT_EQ(kernel->minor, 10);
    EXPECT_FALSE(system.GetFileVersion("C:\\WINDOWS\\SYSTEM\\NONE.DLL").has_value());
}

TEST_F(FakeSystemTest, RecordsSystemParametersAndRestarts) {
    QW_FAKE_ONLY(machine);
    platform::fake::FakeSystem& system = machine.Fake()->system();
    EXPECT_EQ(system.GetSystemParameterFlag(platform::kSpiGetDragFullWindows), false);
    EXPECT_TRUE(system.SetSystemParameter(platform::kSpiSetDragFullWindows, 1,
                                          platform::kSpifUpdateIniFile | platform::kSpifSendChange));
    EXPECT_EQ(system.GetSystemParameterFlag(platform::kSpiGetDragFullWindows), true);
    ASSERT_EQ(system.ParameterCalls().size(), 1u);
    EXPECT_EQ(system.ParameterCalls()[0].action, platform::kSpiSetDragFullWindows);
    EXPECT_EQ(system.ParameterCalls()[0].param, 1u);
    EXPECT_EQ(system.ParameterCalls()[0].winIniFlags, platform::kSpifUpdateIniFile | platform::kSpifSendChange);

    EXPECT_TRUE(system.ExitWindows(platform::kEwxReboot));
    EXPECT_EQ(system.ExitCalls(), std::vector<uint32_t>{platform::kEwxReboot});
}

}  // namespace
