// Calling an outside module's dialog: the call with the main window as owner,
// the main window disabled while it runs, and the note for a missing module
// or entry point.
#include "widgets/outside_module.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake/fake_platform.h"
#include "platform/helpers.h"
#include "tests/support/test_machine.h"
#include "tests/widgets/widgets_fixture.h"
#include "widgets/application.h"
#include "widgets/form.h"
#include "widgets/headless_dialogs.h"

namespace {

using platform::ModuleCall;

class OutsideModuleTest : public testing_support::MachineTest {
protected:
    OutsideModuleTest() {
        widgets_test::ResetWidgets();
        main.reset(widgets::CreateForm<widgets::TForm>(nullptr));
        widgets::Application().SetMainForm(main.get());
        main->Show();
    }
    ~OutsideModuleTest() override {
        widgets::Application().SetMainForm(nullptr);
        main.reset();
        widgets_test::ResetWidgets();
    }
    std::unique_ptr<widgets::TForm> main;
};

TEST_F(OutsideModuleTest, TheEntryRunsWithTheMainWindowAsOwnerWhileTheMainWindowIsDisabled) {
    QW_FAKE_ONLY(machine);
    auto& modules = machine.Fake()->modules();
    const std::string path = platform::ProgramFolder() + "qw32ifs.dll";
    modules.Add(path, {"qw32AutoStart"});
    bool enabledMeanwhile = true;
    int loadedMeanwhile = 0;
    modules.OnCall([&](const std::string&, uintptr_t) {
        enabledMeanwhile = main->Enabled();
        loadedMeanwhile = modules.Loaded();
    });
    EXPECT_TRUE(widgets::RunOutsideModule("qw32ifs.dll", "qw32AutoStart"));
    ASSERT_EQ(modules.Calls().size(), 1u);
    EXPECT_EQ(modules.Calls()[0].path, path);
    EXPECT_EQ(modules.Calls()[0].entry, "qw32AutoStart");
    EXPECT_EQ(modules.Calls()[0].ownerWindow, main->NativeHandle());
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_EQ(loadedMeanwhile, 1);
    EXPECT_TRUE(main->Enabled());
    EXPECT_EQ(modules.Loaded(), 0);  // released once the dialog is over
    EXPECT_TRUE(widgets::Headless().Messages().empty());
}

TEST_F(OutsideModuleTest, AMissingModuleOrEntryPointGivesANoteAndTheProgramGoesOn) {
    QW_FAKE_ONLY(machine);
    auto& modules = machine.Fake()->modules();
    modules.Add(platform::ProgramFolder() + "qw32ssm.dll", {"qw32Speicher"});
    const struct {
        const char *file, *entry;
        ModuleCall result;
    } cases[] = {{"qw32ians.dll", "qw32Zugriff", ModuleCall::MissingFile},
                 {"qw32ssm.dll", "qw32speicher", ModuleCall::MissingEntry}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        widgets::Headless().Reset();
        modules.ClearCalls();
        EXPECT_FALSE(widgets::RunOutsideModule(c.file, c.entry));
        ASSERT_EQ(modules.Calls().size(), 1u);
        EXPECT_EQ(modules.Calls()[0].result, c.result);
        const auto& messages = widgets::Headless().Messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, std::string("Das Modul \"") + c.file + "\" fehlt oder ist beschädigt.");
        EXPECT_EQ(messages[0].caption, "Hinweis");
        EXPECT_EQ(messages[0].buttons, widgets::mbOK);
        EXPECT_EQ(messages[0].icon, widgets::miInformation);
        EXPECT_TRUE(main->Enabled());
    }
}

// The real loader: a module that is not there, and one without the entry.
TEST_F(OutsideModuleTest, TheLoaderTellsAMissingFileFromAMissingEntry) {
    auto& modules = machine.P().modules();
    if (machine.IsFake()) machine.Fake()->modules().Add("kernel32.dll", {"GetTickCount"});
    EXPECT_EQ(modules.CallWithWindow(machine.Path("qw32none.dll"), "RunGUI", 0), ModuleCall::MissingFile);
    EXPECT_EQ(modules.CallWithWindow("kernel32.dll", "RunGUI", 0), ModuleCall::MissingEntry);
}

}  // namespace
