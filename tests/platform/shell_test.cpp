// The shell service against both platforms: what opens and what does not.
#include "platform/fake/fake_platform.h"
#include "tests/support/test_machine.h"

namespace {

using testing_support::MachineTest;

class PlatformShellTest : public MachineTest {};

TEST_F(PlatformShellTest, AMissingDocumentDoesNotOpen) {
    EXPECT_FALSE(machine.P().shell().ShellOpen(machine.Path("fehlt.pdf")));
}

TEST_F(PlatformShellTest, TheFakeRecordsEveryTargetInOrder) {
    QW_FAKE_ONLY(machine);
    platform::Shell& shell = machine.P().shell();
    machine.Put(machine.Path("bestellen.pdf"), "%PDF-1.4");
    EXPECT_TRUE(shell.ShellOpen(machine.Path("bestellen.pdf")));
    EXPECT_TRUE(shell.ShellOpen("http://www.halvorn.de"));
    EXPECT_FALSE(shell.ShellOpen(machine.Path("fehlt.pdf")));
    EXPECT_EQ(
        machine.Fake()->shell().Opens(),
        std::vector<std::string>({machine.Path("bestellen.pdf"), "http://www.halvorn.de", machine.Path("fehlt.pdf")}));
}

TEST_F(PlatformShellTest, ExecuteCarriesEveryParameterAndFailsOnAMissingDocument) {
    platform::ShellExecuteRequest request;
    request.file = machine.Path("fehlt.pdf");
    request.directory = machine.Path("");
    EXPECT_FALSE(machine.P().shell().Execute(request));
    if (machine.IsFake()) {
        EXPECT_EQ(machine.Fake()->shell().Executes(), std::vector<platform::ShellExecuteRequest>({request}));
    }
}

}  // namespace

namespace {

TEST(PlatformShellLaunchTest, TheFakeRecordsEveryLaunchWithAllItsFields) {
    testing_support::TestMachine machine;
    QW_FAKE_ONLY(machine);
    platform::ShellExecuteRequest request;
    request.verb = "open";
    request.file = "rundll32.exe";
    request.parameters = "shell32.dll,Control_RunDLL ";
    request.ownerWindow = 42;
    EXPECT_TRUE(machine.P().shell().ExecuteEx(request));
    request.file = machine.Path("fehlt.exe");
    EXPECT_FALSE(machine.P().shell().ExecuteEx(request));
    const auto& launches = machine.Fake()->shell().Launches();
    ASSERT_EQ(launches.size(), 2u);
    EXPECT_EQ(launches[0].verb, "open");
    EXPECT_EQ(launches[0].file, "rundll32.exe");
    EXPECT_EQ(launches[0].parameters, "shell32.dll,Control_RunDLL ");
    EXPECT_EQ(launches[0].directory, "");
    EXPECT_EQ(launches[0].show, platform::kSwShowNormal);
    EXPECT_EQ(launches[0].ownerWindow, 42u);
}

}  // namespace

namespace {

// A shell link is saved where it is asked to be, and not into a folder that
// is not there.
TEST(PlatformShellLinkTest, ALinkIsSavedAtItsPlace) {
    testing_support::TestMachine machine;
    platform::ShellLinkRequest link;
    link.description = "_default";
    link.iconFile = "PIFMGR.DLL";
    link.linkFile = machine.Path("_default.lnk");
    EXPECT_TRUE(machine.P().shell().CreateShellLink(link));
    EXPECT_TRUE(machine.P().files().Exists(link.linkFile));
    machine.P().files().DeleteFile(link.linkFile);
    link.linkFile = machine.Path("fehlt\\_default.lnk");
    EXPECT_FALSE(machine.P().shell().CreateShellLink(link));
    if (machine.IsFake()) {
        ASSERT_EQ(machine.Fake()->shell().Links().size(), 2u);
        EXPECT_EQ(machine.Fake()->shell().Links()[0].description, "_default");
    }
}

}  // namespace
