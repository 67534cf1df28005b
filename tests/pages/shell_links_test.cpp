// TAHMShellLinks: what an item's shortcut hands the shell's link object and
// where it is saved.
#include <gtest/gtest.h>

#include "pages/ahm_shell_links.h"
#include "platform/fake/fake_platform.h"
#include "tests/support/test_machine.h"

namespace {

using pages::TAHMShellLinks;

struct LinkCase {
    const char* name;
    const char* path;
    const char* pathExtra;
    const char* target;
    const char* startupDir;
    pages::TAHMStartupState state;
    const char* linkFile;    // below the test's folder
    const char* workingDir;  // as handed to the link
    int show;
};

TEST(ShellLinksTest, AnItemBecomesALinkInItsFolder) {
    testing_support::TestMachine machine;
    QW_FAKE_ONLY(machine);
    const LinkCase cases[] = {
        {"folder with backslash", "", "", "C:\\DOS\\EDIT.COM", "", pages::ssNormal, "edit.lnk", "C:\\DOS",
         platform::kSwShowNormal},
        {"folder without backslash, the extra made", "Links", "Neu\\", "", "C:\\TEMP", pages::ssMinimized,
         "Links\\Neu\\edit.lnk", "C:\\TEMP", platform::kSwShowMinNoActive},
        {"maximised", "", "", "EDIT.COM", "", pages::ssMaximized, "edit.lnk", "", platform::kSwShowMaximized},
    };
    machine.P().files().CreateDirectory(machine.Path("Links"));
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(c.name);
        TAHMShellLinks links(nullptr);
        pages::TAHMShortCut item;
        item.ShortCutName = "edit.lnk";
        item.Path = machine.Path(c.path);
        item.PathExtra = c.pathExtra;
        item.Properties.TargetFile = c.target;
        item.Properties.StartupDir = c.startupDir;
        item.Properties.StartupState = c.state;
        item.Properties.Parameters = "/H";
        links.ShortCuts.push_back(item);
        EXPECT_FALSE(links.CreateShortCut(1));  // beyond the list
        ASSERT_TRUE(links.CreateShortCut(0));
        const platform::ShellLinkRequest& made = machine.Fake()->shell().Links().back();
        EXPECT_EQ(made.linkFile, machine.Path(c.linkFile));
        EXPECT_EQ(made.workingDirectory, c.workingDir);
        EXPECT_EQ(made.show, c.show);
        EXPECT_EQ(made.arguments, "/H");
        EXPECT_EQ(made.target, c.target);
        EXPECT_TRUE(machine.P().files().Exists(machine.Path(c.linkFile)));
    }
}

}  // namespace
