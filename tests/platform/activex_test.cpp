// The ActiveX host against both platforms: a class that is not registered
// gives no control.
#include "platform/fake/fake_platform.h"
#include "tests/support/test_machine.h"

namespace {

using testing_support::MachineTest;

class PlatformActiveXTest : public MachineTest {};

TEST_F(PlatformActiveXTest, AnUnregisteredClassGivesNoControl) {
    platform::ActiveX& host = machine.P().activex();
    host.Initialize();
    EXPECT_EQ(host.Create("{00000000-1111-2222-3333-444444444444}", 0), nullptr);
    EXPECT_EQ(host.Create("kein Klassenname", 0), nullptr);
    host.Uninitialize();
}

TEST_F(PlatformActiveXTest, TheFakeRecordsTheLifeOfAControl) {
    QW_FAKE_ONLY(machine);
    platform::fake::FakeActiveX& host = machine.Fake()->activex();
    host.ClearCalls();
    host.Register("{A}");
    {
        auto control = host.Create("{A}", 7);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->SetProperty(-501, 12632256));
        control->Place(1, 2, 3, 4);
        EXPECT_EQ(host.Alive(), 1);
    }
    EXPECT_EQ(host.Alive(), 0);
    EXPECT_EQ(host.Calls(), std::vector<std::string>(
                                {"create {A} in 7", "set {A} -501=12632256", "place {A} 1,2,3,4", "release {A}"}));
}

}  // namespace
