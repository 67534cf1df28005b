// Closing the main window after a settings change, on the fake and under
// Wine: the question comes, Cancel keeps the program, No ends it.
#include "tests/app/shell_fixture.h"

using namespace app_test;

namespace {

TEST_F(ShellOnAnyMachine, ClosingAfterAChangeAsksBeforeEnding) {
    app::THalvornQuellwerk* main = Start();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(machine.P().files().Exists(folder + "tmpcfg32.twc"));
    main->SetSettingsChanged();

    widgets::Headless().AnswerMessage(widgets::mrCancel);
    main->BitmapButton10->PerformClick();
    Pump();
    ASSERT_EQ(widgets::Headless().Messages().size(), 1u);
    EXPECT_EQ(widgets::Headless().Messages()[0].text, "Sollen die veränderten Einstellungen übernommen werden?");
    EXPECT_FALSE(widgets::Application().Terminated());

    widgets::Headless().AnswerMessage(widgets::mrNo);
    main->BitmapButton10->PerformClick();
    Pump();
    EXPECT_EQ(widgets::Headless().Messages().size(), 2u);
    EXPECT_TRUE(widgets::Application().Terminated());
    app::EndProgram();
    EXPECT_FALSE(machine.P().files().Exists(folder + "tmpcfg32.twc"));
    EXPECT_FALSE(machine.P().files().Exists(folder + "tmpcfg.twc"));
    EXPECT_TRUE(machine.P().files().Exists(folder + "Logo.bmp"));
    machine.P().files().DeleteFile(folder + "Logo.bmp");
    machine.P().files().DeleteFile(folder + "logos.bmp");
    machine.P().files().DeleteFile(folder + "logow.bmp");
}

}  // namespace
