#include "app/buttontemplate.h"
#include "app/form_placement.h"
#include "app/frm_template.h"
#include "app/frm_welcommer.h"
#include "config/ini_file.h"
#include "sysinfo/scope.h"
#include "sysinfo/sys_mon.h"
#include "tests/app/shell_fixture.h"
#include "widgets/errors.h"

using namespace app_test;
using platform::RootKey;
using testing_support::RegGet;
using testing_support::RegSet;

namespace {

class MainWindowTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (IsSkipped()) return;
        main = Start();
        ASSERT_NE(main, nullptr);
    }
    void Click(int button) {
        main->PageButtons.at(button - 1)->PerformClick();
        Pump();
    }
    const char* PageClass() const { return main->MainFormContainer->Form()->ClassName(); }
    std::string Title() const { return main->RGBALabel1->Caption(); }
    const widgets::TBitmap& TemplateImage(int number) const { return app::ButtTemplate()->Image(number)->Picture(); }

    app::THalvornQuellwerk* main = nullptr;
};

TEST_F(MainWindowTest, OpensOnTheWelcomePageWithPlainButtons) {
    EXPECT_STREQ(PageClass(), "TFrame_Welcome");
    EXPECT_EQ(Title(), "Willkommen");
    EXPECT_EQ(main->Frame_Welcome, main->MainFormContainer->Form());
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(main->PageButtons[k - 1]->PictureNormal(), TemplateImage(2 * k - 1)) << k;
        EXPECT_EQ(main->PageButtons[k - 1]->PictureActive(), TemplateImage(2 * k)) << k;
    }
    EXPECT_FALSE(TemplateImage(1).Empty());
    EXPECT_NE(TemplateImage(1), TemplateImage(2));
    EXPECT_EQ(main->CoolForm1->Rects().size(), 47u);
    EXPECT_EQ(main->ClientWidth(), 620);
    EXPECT_EQ(main->ClientHeight(), 440);
}

struct PageCase {
    int button;
    const char* pageClass;
    const char* title;
};

class PageButtonTest : public MainWindowTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(PageButtonTest, ShowsAFreshPageWithItsTitleAndLitButton) {
    const PageCase& c = GetParam();
    Click(c.button);
    widgets::TForm* first = main->MainFormContainer->Form();
    EXPECT_STREQ(PageClass(), c.pageClass);
    EXPECT_EQ(Title(), c.title);
    for (int k = 1; k <= 6; ++k) {
        const bool selected = k == c.button;
        EXPECT_EQ(main->PageButtons[k - 1]->PictureNormal(), TemplateImage(selected ? 2 * k : 2 * k - 1)) << k;
        EXPECT_EQ(main->PageButtons[k - 1]->PictureDown(), TemplateImage(2 * k)) << k;
    }
    // The same button again makes a new page and releases the old one.
    bool firstGone = false;
    struct Watcher : widgets::TComponent {
        bool* gone;
        Watcher(widgets::TComponent* owner, bool* g) : TComponent(owner), gone(g) {}
        void Notification(widgets::TComponent*, widgets::TOperation op) override {
            if (op == widgets::opRemove) *gone = true;
        }
    };
    widgets::Owned<Watcher> watcher(widgets::CreateComponent<Watcher>(nullptr, &firstGone));
    first->FreeNotification(watcher.get());
    Click(c.button);
    EXPECT_NE(main->MainFormContainer->Form(), first);
    EXPECT_TRUE(firstGone);
    EXPECT_EQ(main->Frame_Welcome, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageButtonTest,
    ::testing::Values(PageCase{1, "TWnd_Settings", "Systemeinstellungen"}, PageCase{2, "TWnd_Template", "Performance"},
                      PageCase{3, "TFrm_SysInfos", "Systeminformationen"}, PageCase{4, "TWnd_Template", "Reparieren"},
                      PageCase{5, "TFRM_Service", "Service und Optionen"}, PageCase{6, "TWndOrder", "Willkommen"}));

TEST_F(MainWindowTest, HostedModulePageGetsItsModeAndReferencesAreCleared) {
    Click(2);
    EXPECT_EQ(main->Wnd_Template->Mode(), app::TWnd_Template::kPerformance);
    Click(4);
    EXPECT_EQ(main->Wnd_Template->Mode(), app::TWnd_Template::kRepair);
    Click(3);
    EXPECT_EQ(main->Wnd_Template, nullptr);
    EXPECT_NE(main->Frm_SysInfos, nullptr);
    Click(1);
    EXPECT_EQ(main->Frm_SysInfos, nullptr);
    EXPECT_NE(main->Wnd_Settings, nullptr);
    Click(5);
    EXPECT_EQ(main->Wnd_Settings, nullptr);
}

TEST_F(MainWindowTest, TheHiddenScopeStepsEvery500msAndFeedsItselfTheProcessorLoad) {
    sysinfo::TScope& scope = *main->Scope1;
    EXPECT_EQ(scope.Left(), -208);
    EXPECT_EQ(scope.Top(), 104);
    EXPECT_EQ(scope.Width(), 190);
    EXPECT_EQ(scope.Height(), 96);
    EXPECT_EQ(scope.BaseY(), 48);
    EXPECT_EQ(scope.Gridsize(), 8);
    EXPECT_TRUE(scope.Timer().Enabled());
    EXPECT_EQ(scope.Timer().Interval(), 500u);
    EXPECT_EQ(scope.BitMap().Pixel(100, 48), widgets::ColorToPixel(widgets::clRed));
    sysinfo::TMonObject& cpu = main->SysMon1->Monitors.Items(0);
    EXPECT_EQ(cpu.SysObject, "KERNEL");
    EXPECT_EQ(cpu.Counter, "CPUUsage");
    if (machine.IsFake()) {
        for (const char* path : {"PerfStats\\StartStat", "PerfStats\\StatData"}) {
            auto key = machine.P().registry().OpenKey(RootKey::DynData, path, true);
            key->SetValue("KERNEL\\CPUUsage", platform::ValueType::Binary, platform::DwordData(37));
        }
    }
    scope.ScrollStep();
    EXPECT_TRUE(cpu.Started);
    if (machine.IsFake()) {
        EXPECT_EQ(scope.Position(), 37);
    } else {
        EXPECT_GE(scope.Position(), 0);
        EXPECT_LE(scope.Position(), 100);
    }
}

TEST_F(MainWindowTest, SixthButtonKeepsTheTitleOfTheFifth) {
    Click(5);
    Click(6);
    EXPECT_EQ(Title(), "Service und Optionen");
    EXPECT_STREQ(PageClass(), "TWndOrder");
}

TEST_F(MainWindowTest, WhatsThisShowsThePageButtonsTopics) {
    const auto& help = widgets::HeadlessHelpRecorder().Calls();
    widgets::Headless().AnswerPopup(0);
    main->PageButtons[1]->PerformRightClick();
    ASSERT_EQ(widgets::Headless().Popups().size(), 1u);
    EXPECT_EQ(widgets::Headless().Popups()[0], std::vector<std::string>{"Was ist das?"});
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].data, 2035u);
    EXPECT_EQ(help[0].file, folder + "quellwerk.hlp");

    // In what's-this mode the next click shows the topic instead of acting.
    main->BitmapButton30->PerformClick();
    main->PageButtons[2]->PerformClick();
    Pump();
    ASSERT_EQ(help.size(), 2u);
    EXPECT_EQ(help[1].data, 2036u);
    EXPECT_STREQ(PageClass(), "TFrame_Welcome");
}

TEST_F(MainWindowTest, WebLinkOpensTheMakersSite) {
    main->Image2->PerformClick();
    EXPECT_EQ(machine.Fake()->shell().Opens(), std::vector<std::string>{"http://www.halvorn.de"});
}

TEST_F(MainWindowTest, ClosingUnchangedAsksNothingAndLeavesOnlyThePictureCopies) {
    ASSERT_TRUE(machine.P().files().Exists(folder + "tmpcfg.twc"));
    main->BitmapButton10->PerformClick();
    Pump();
    EXPECT_TRUE(widgets::Application().Terminated());
    EXPECT_TRUE(widgets::Headless().Messages().empty());
    app::EndProgram();
    for (const char* gone : {"tmpcfg.twc", "tmpcfg32.twc"}) {
        EXPECT_FALSE(machine.P().files().Exists(folder + gone)) << gone;
    }
    for (const char* kept : {"Logo.bmp", "logos.bmp", "logow.bmp"}) {
        EXPECT_TRUE(machine.P().files().Exists(folder + kept)) << kept;
    }
}

TEST_F(MainWindowTest, ClosingAfterAChangeAsksAndCancelKeepsTheProgram) {
    main->SetSettingsChanged();
    widgets::Headless().AnswerMessage(widgets::mrCancel);
    main->BitmapButton10->PerformClick();
    Pump();
    ASSERT_EQ(widgets::Headless().Messages().size(), 1u);
    const auto& asked = widgets::Headless().Messages()[0];
    EXPECT_EQ(asked.text, "Sollen die veränderten Einstellungen übernommen werden?");
    EXPECT_EQ(asked.caption, "Hinweis");
    EXPECT_EQ(asked.buttons, widgets::mbYesNoCancel);
    EXPECT_EQ(asked.icon, widgets::miExclamation);
    EXPECT_FALSE(widgets::Application().Terminated());
    EXPECT_TRUE(machine.P().files().Exists(folder + "tmpcfg32.twc"));

    widgets::Headless().AnswerMessage(widgets::mrYes);
    config::TIniFile(folder + "tmpcfg32.twc").WriteBool("SysSets", "BeepOnError", false);
    main->BitmapButton10->PerformClick();
    Pump();
    EXPECT_TRUE(widgets::Application().Terminated());
    const auto beep = RegGet(RootKey::CurrentUser, "Control Panel\\Sound", "Beep");
    ASSERT_TRUE(beep);
    EXPECT_EQ(platform::TextOfSz(beep->data), "No");
}

TEST_F(MainWindowTest, ErrorInTheLoopShowsTheBoxAndEndsWithoutApplying) {
    main->SetSettingsChanged();
    main->PageButtons[0]->OnClick = [](widgets::TComponent*) { throw widgets::EOutOfResources("keine Handles"); };
    widgets::Application().Post([this] { main->PageButtons[0]->PerformClick(); });
    widgets::Application().Run();  // the loop hands the error to the application's handler
    ASSERT_EQ(widgets::Headless().Messages().size(), 1u);
    EXPECT_EQ(widgets::Headless().Messages()[0].caption, "Fehler");
    EXPECT_EQ(widgets::Headless().Messages()[0].icon, widgets::miError);
    EXPECT_TRUE(widgets::Application().Terminated());
    app::EndProgram();
    EXPECT_FALSE(machine.P().files().Exists(folder + "tmpcfg32.twc"));
    EXPECT_EQ(widgets::Headless().Messages().size(), 1u);  // no question about the settings
}

TEST_F(MainWindowTest, AnErrorWhileAPageIsReleasedAtTheEndStillDeletesTheTempConfig) {
    main->MainFormContainer->Form()->OnDestroy = [](widgets::TComponent*) {
        throw widgets::EOutOfResources("keine Handles");
    };
    EXPECT_THROW(app::EndProgram(), widgets::EOutOfResources);
    EXPECT_EQ(app::MainWindow(), nullptr) << "the main window ran its OnDestroy";
    EXPECT_EQ(app::ButtTemplate(), nullptr);
    for (const char* gone : {"tmpcfg.twc", "tmpcfg32.twc"}) {
        EXPECT_FALSE(machine.P().files().Exists(folder + gone)) << gone;
    }
}

TEST_F(MainWindowTest, WindowPositionIsRememberedWhileTheOptionIsOn) {
    RegSet(RootKey::CurrentUser, "Software\\Halvorn\\Quellwerk\\Options", "RestorePos", platform::ValueType::Sz,
           platform::SzData("1"));
    Click(1);  // a page change reads the option again
    main->SetBounds(33, 44, main->Width(), main->Height());
    main->BitmapButton10->PerformClick();
    Pump();
    const auto norm =
        RegGet(RootKey::CurrentUser, "Software\\Halvorn\\Quellwerk\\Control\\THalvornQuellwerk", "NormPos");
    ASSERT_TRUE(norm);
    EXPECT_EQ(platform::TextOfSz(norm->data),
              "33,44," + std::to_string(33 + main->Width()) + "," + std::to_string(44 + main->Height()));
    app::EndProgram();
    widgets::Application().Reset();
    main = Start();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->Left(), 33);
    EXPECT_EQ(main->Top(), 44);
}

class WelcomeTest : public MainWindowTest {
protected:
    app::TFrame_Welcome* Page() { return main->Frame_Welcome; }
};

TEST_F(WelcomeTest, TipsStepForwardsAndBackwards) {
    ASSERT_NE(Page(), nullptr);
    const std::string first = Page()->Label6->Caption();
    EXPECT_FALSE(first.empty());
    Page()->TransparentButton2->PerformClick();
    const std::string last = Page()->Label6->Caption();
    EXPECT_NE(last, first);
    Page()->TransparentButton1->PerformClick();
    EXPECT_EQ(Page()->Label6->Caption(), first);
    EXPECT_EQ(Page()->Labels[1]->Caption(),
              "Wird Ihr System immer träger? Duchsuchen Sie es dann nach Fehlern und\r\nÜberflüssigem.");
}

TEST_F(ShellTest, MissingTipsFileLeavesTheWelcomePageWithoutATip) {
    if (IsSkipped()) return;
    ASSERT_TRUE(machine.P().files().DeleteFile(folder + "qw32tt.tip"));
    app::THalvornQuellwerk* main = Start();
    ASSERT_NE(main, nullptr);
    ASSERT_NE(main->Frame_Welcome, nullptr);
    EXPECT_EQ(main->Frame_Welcome->Label6->Caption(), "");
    main->Frame_Welcome->TransparentButton1->PerformClick();
    main->Frame_Welcome->TransparentButton2->PerformClick();
    EXPECT_EQ(main->Frame_Welcome->Label6->Caption(), "");
    EXPECT_TRUE(widgets::Headless().Messages().empty());
}

}  // namespace
