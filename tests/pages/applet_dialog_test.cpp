// The applet launcher: its table, the setter rules and the exact launch
// that reaches the shell.
#include <gtest/gtest.h>

#include "pages/ahm_applet_dialog.h"
#include "platform/fake/fake_platform.h"
#include "tests/support/test_machine.h"
#include "widgets/component.h"

namespace pages_test {
namespace {

using namespace pages;

struct Row {
    TAHMAppletType type;
    const char* name;
    int module;
};
const Row kRows[] = {
    {apApplication, "appwiz", 0}, {apAccessibility, "access", 0},
    {apBDEAdmin, "bdeadmin", 0},  {apDisplay, "desk", 0},
    {apFindFast, "findfast", 0},  {apInternet, "inetcpl", 0},
    {apInternational, "Intl", 0}, {apJoystick, "Joy", 0},
    {apMouse, "Main", 0},         {apMultimedia, "Mmsys", 0},
    {apModem, "Modem", 0},        {apNetwork, "Netcpl", 0},
    {apODBC, "odbccp32", 0},      {apPassword, "password", 0},
    {apPowerCfg, "powercfg", 0},  {apSystem, "sysdm", 0},
    {apTelephone, "telephon", 0}, {apThemes, "themes", 0},
    {apDateTime, "timedate", 0},  {apKeyboard, "Main", 1},
    {apPrinters, "Main", 2},      {apFonts, "Main", 3},
    {apControlPanel, "", 0},      {apHardware2K, "hdwwiz", 0},
    {apScanner2K, "sticpl", 0},   {apNetwork2K, "ncpa", 0},
    {apFax2K, "fax", 0},          {apFolderOptions2K, "appwiz", 1},
};

class AppletDialogTest : public testing_support::MachineTest {
protected:
    widgets::Owned<TAHMAppletDialog> dialog{widgets::CreateComponent<TAHMAppletDialog>(nullptr)};
};

TEST_F(AppletDialogTest, StartsAsACustomAppletWithoutBeep) {
    EXPECT_EQ(dialog->AppletType(), apCustom);
    EXPECT_EQ(dialog->AppletName(), "");
    EXPECT_EQ(dialog->AppletTab(), 0);
    EXPECT_EQ(dialog->AppletModule(), 0);
    EXPECT_EQ(dialog->Sound(), bNone);
    EXPECT_EQ(kAppletTypeCount, 29);
}

TEST_F(AppletDialogTest, EveryTypeTakesItsRowOfTheTable) {
    ASSERT_EQ(sizeof(kRows) / sizeof(kRows[0]), 28u);
    for (const Row& row : kRows) {
        dialog->SetAppletModule(9);
        dialog->SetAppletType(row.type);
        EXPECT_EQ(dialog->AppletName(), row.name) << row.type;
        EXPECT_EQ(dialog->AppletModule(), row.module) << row.type;
    }
}

TEST_F(AppletDialogTest, OwnNamesHoldOnlyForCustomAndTheTabIsNeverTouched) {
    dialog->SetAppletType(apThemes);
    dialog->SetAppletName("desk");
    dialog->SetAppletModule(4);
    dialog->SetAppletTab(3);
    EXPECT_EQ(dialog->AppletName(), "themes");
    EXPECT_EQ(dialog->AppletModule(), 0);
    EXPECT_EQ(dialog->AppletTab(), 3);
    dialog->SetAppletType(apKeyboard);
    EXPECT_EQ(dialog->AppletTab(), 3);
    // Back to custom, the last row's values stay until set again.
    dialog->SetAppletType(apCustom);
    EXPECT_EQ(dialog->AppletName(), "Main");
    EXPECT_EQ(dialog->AppletModule(), 1);
    dialog->SetAppletName("mycpl");
    dialog->SetAppletModule(7);
    EXPECT_EQ(dialog->AppletName(), "mycpl");
    EXPECT_EQ(dialog->AppletModule(), 7);
}

struct LaunchCase {
    TAHMAppletType type;
    int tab;
    const char* parameters;
};

TEST_F(AppletDialogTest, LaunchesRundll32WithTheParameterTextOfEachForm) {
    QW_FAKE_ONLY(machine);
    const LaunchCase cases[] = {
        {apPrinters, 2, "shell32.dll,Control_RunDLL Main.cpl,@2"},
        {apControlPanel, 2, "shell32.dll,Control_RunDLL "},
        {apScanner2K, 2, "shell32.dll,Control_RunDLL sticpl.cpl"},
        {apThemes, 0, "shell32.dll,Control_RunDLL themes.cpl,@0,0"},
        {apKeyboard, 2, "shell32.dll,Control_RunDLL Main.cpl,@1,2"},
    };
    for (const LaunchCase& c : cases) {
        dialog->SetAppletTab(static_cast<uint8_t>(c.tab));
        dialog->SetAppletType(c.type);
        EXPECT_FALSE(dialog->Execute());
    }
    const auto& launches = machine.Fake()->shell().Launches();
    ASSERT_EQ(launches.size(), 5u);
    for (size_t k = 0; k < launches.size(); ++k) {
        EXPECT_EQ(launches[k].verb, "open");
        EXPECT_EQ(launches[k].file, "rundll32.exe");
        EXPECT_EQ(launches[k].parameters, cases[k].parameters) << k;
        EXPECT_EQ(launches[k].directory, "");
        EXPECT_EQ(launches[k].show, platform::kSwShowNormal);
    }
    EXPECT_TRUE(machine.Fake()->system().Beeps().empty());
}

TEST_F(AppletDialogTest, BeepsBySoundAfterTheLaunch) {
    QW_FAKE_ONLY(machine);
    const TAHMBeeptype sounds[] = {bNone, bDefault, bAsterix, bExclamation, bQuestion, bCriticalStop};
    for (TAHMBeeptype sound : sounds) {
        dialog->SetSound(sound);
        dialog->Execute();
    }
    EXPECT_EQ(machine.Fake()->system().Beeps(),
              std::vector<uint32_t>({platform::kBeepDefault, platform::kBeepAsterisk, platform::kBeepExclamation,
                                     platform::kBeepQuestion, platform::kBeepHand}));
    EXPECT_EQ(machine.Fake()->shell().Launches().size(), 6u);
}

}  // namespace
}  // namespace pages_test
