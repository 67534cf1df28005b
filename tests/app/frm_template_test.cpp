// The page that hosts the performance and the repair module: which control
// it makes, what it sets, and that it is gone before the next one comes.
#include "app/frm_template.h"

#include "tests/app/shell_fixture.h"

using namespace app_test;

namespace {

const std::string kPerf = app::TWnd_Template::kPerformanceClassId;
const std::string kRepair = app::TWnd_Template::kRepairClassId;

class FrmTemplateTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (IsSkipped()) return;
        main = Start();
        ASSERT_NE(main, nullptr);
        Host().ClearCalls();
    }
    platform::fake::FakeActiveX& Host() { return machine.Fake()->activex(); }
    void Click(int button) {
        main->PageButtons.at(button - 1)->PerformClick();
        Pump();
    }
    std::string In() const { return " in " + std::to_string(main->Wnd_Template->Panel1->NativeHandle()); }
    std::string HandleWnd() const { return std::to_string(static_cast<int32_t>(main->NativeHandle())); }

    app::THalvornQuellwerk* main = nullptr;
};

TEST_F(FrmTemplateTest, PerformanceCreatesItsControlWithTheMainWindowAndPlacesIt) {
    Click(2);
    ASSERT_NE(main->Wnd_Template, nullptr);
    EXPECT_NE(main->Wnd_Template->Control(), nullptr);
    EXPECT_EQ(Host().Calls(), std::vector<std::string>({"create " + kPerf + In(), "set " + kPerf + " 15=" + HandleWnd(),
                                                        "set " + kPerf + " 4=0", "place " + kPerf + " 0,0,455,435"}));
    EXPECT_EQ(Host().Alive(), 1);
    EXPECT_EQ(main->Wnd_Template->Panel1->BevelOuter(), widgets::bvNone);
    EXPECT_EQ(main->Wnd_Template->Panel1->Align(), widgets::alClient);
}

TEST_F(FrmTemplateTest, RepairCreatesItsControlWithoutAWindowHandle) {
    Click(4);
    EXPECT_EQ(Host().Calls(), std::vector<std::string>({"create " + kRepair + In(), "set " + kRepair + " 4=0",
                                                        "place " + kRepair + " 0,0,455,435"}));
}

TEST_F(FrmTemplateTest, AnyOtherModeLeavesThePageEmpty) {
    for (int mode : {1, 3, -1}) {
        auto* page = main->MainFormContainer->CreateForm<app::TWnd_Template>();
        page->SetMode(mode);
        main->MainFormContainer->ShowForm(page, true, nullptr);
        Pump();
        EXPECT_EQ(page->Control(), nullptr) << mode;
    }
    EXPECT_TRUE(Host().Calls().empty());
}

TEST_F(FrmTemplateTest, EveryClickMakesAFreshControlAndTheOldOneGoesFirst) {
    Click(2);
    Click(2);
    Click(4);
    Click(3);
    const auto& calls = Host().Calls();
    std::vector<std::string> lifecycle;
    for (const std::string& call : calls) {
        if (call.rfind("create", 0) == 0 || call.rfind("release", 0) == 0)
            lifecycle.push_back(call.substr(0, call.find(" in")));
    }
    EXPECT_EQ(lifecycle, std::vector<std::string>({"create " + kPerf, "release " + kPerf, "create " + kPerf,
                                                   "release " + kPerf, "create " + kRepair, "release " + kRepair}));
    EXPECT_EQ(Host().Alive(), 0);
}

TEST_F(FrmTemplateTest, AnUnregisteredModuleIsNamedAndThePageStaysEmpty) {
    struct Case {
        int button;
        std::string classId;
        const char* file;
    };
    for (const Case& c : {Case{2, kPerf, "qw32perfx.ocx"}, Case{4, kRepair, "qw32reax.ocx"}}) {
        Host().Unregister(c.classId);
        widgets::Headless().AnswerMessage(widgets::mrOk);
        Click(c.button);
        ASSERT_FALSE(widgets::Headless().Messages().empty());
        const widgets::MessageBoxRequest& m = widgets::Headless().Messages().back();
        EXPECT_EQ(m.text, std::string("Das Modul \"") + c.file + "\" ist nicht installiert.");
        EXPECT_EQ(m.caption, "Hinweis");
        EXPECT_EQ(m.icon, widgets::miInformation);
        ASSERT_NE(main->Wnd_Template, nullptr);
        EXPECT_EQ(main->Wnd_Template->Control(), nullptr);
    }
    // The program goes on: the next page opens.
    Click(3);
    EXPECT_STREQ(main->MainFormContainer->Form()->ClassName(), "TFrm_SysInfos");
}

TEST_F(FrmTemplateTest, OleRunsFromTheStartToTheEnd) {
    app::EndProgram();
    EXPECT_EQ(Host().Calls().back(), "uninitialize");
    Host().ClearCalls();
    Start();
    EXPECT_EQ(Host().Calls().at(0), "initialize");
}

}  // namespace
