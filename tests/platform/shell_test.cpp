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
