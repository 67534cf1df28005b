// The outside-module service against both platforms: a module that is not
// there, an entry point that is not exported, and an entry that runs.
#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "tests/support/test_machine.h"

namespace {

using platform::ModuleCall;

class PlatformModulesTest : public testing_support::MachineTest {};

TEST_F(PlatformModulesTest, AMissingModuleAndAMissingEntryPointAreToldApart) {
    platform::Modules& modules = machine.P().modules();
    if (machine.IsFake()) machine.Fake()->modules().Add("user32.dll", {"MessageBeep"});
    EXPECT_EQ(modules.CallWithWindow(machine.Path("qw32none.dll"), "qw32SetStart", 0), ModuleCall::MissingFile);
    EXPECT_EQ(modules.CallWithWindow("user32.dll", "qw32SetStart", 0), ModuleCall::MissingEntry);
    // Export names are matched exactly.
    EXPECT_EQ(modules.CallWithWindow("user32.dll", "messagebeep", 0), ModuleCall::MissingEntry);
}

// MessageBeep takes one 32-bit argument with the Windows API's convention,
// as the suite's entry points do; the call returns and the module is freed.
TEST_F(PlatformModulesTest, AnEntryPointRunsWithTheOwnerWindowAndReturns) {
    platform::Modules& modules = machine.P().modules();
    if (machine.IsFake()) machine.Fake()->modules().Add("user32.dll", {"MessageBeep"});
    EXPECT_EQ(modules.CallWithWindow("user32.dll", "MessageBeep", 0), ModuleCall::Done);
    if (machine.IsFake()) {
        const auto& calls = machine.Fake()->modules().Calls();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].entry, "MessageBeep");
        EXPECT_EQ(calls[0].ownerWindow, 0u);
        EXPECT_EQ(machine.Fake()->modules().Loaded(), 0);
    }
}

}  // namespace
