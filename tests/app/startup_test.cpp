#include <vector>

#include "app/splash.h"
#include "config/big_ini_file.h"
#include "safety/passdlg.h"
#include "safety/password_file.h"
#include "tests/app/shell_fixture.h"

using namespace app_test;
using testing_support::InstallSample98;

namespace {

// What the splash window showed at one moment of the start.
struct Moment {
    uint32_t tick;
    std::vector<bool> ticked;
    bool line4Visible;
};

class StartupTest : public ShellTest {
protected:
    // Watches the splash at every round of the message pump.
    void Watch() {
        OnPump = [this] {
            app::TFrmSplash* splash = app::FrmSplash();
            if (!splash) return;
            Moment m{Now(), {}, splash->Line(4)->Visible()};
            for (int line = 1; line <= 4; ++line) m.ticked.push_back(splash->Line(line)->Checked());
            moments.push_back(m);
        };
    }
    // The first moment at which the line was ticked.
    uint32_t TickedAt(int line) const {
        for (const Moment& m : moments) {
            if (m.ticked[line - 1]) return m.tick;
        }
        return 0;
    }
    std::vector<Moment> moments;
};

TEST_F(StartupTest, SplashStandsAtLeastFourAndAHalfSecondsAndTicksItsLinesInOrder) {
    int breakpoints = 0;
    app::StartHooks().createProgStartBreakPoint = [&](app::TFrmSplash& splash) {
        ++breakpoints;
        EXPECT_TRUE(splash.Line(3)->Checked());
        EXPECT_FALSE(splash.Line(4)->Checked());
    };
    Watch();
    const uint32_t started = Now();
    app::THalvornQuellwerk* main = Start();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(app::FrmSplash(), nullptr);
    EXPECT_TRUE(main->Visible());
    ASSERT_FALSE(moments.empty());
    EXPECT_GE(moments.back().tick - started, 4500u - 10u);
    EXPECT_GE(Now() - started, 4500u);
    EXPECT_LT(TickedAt(1), TickedAt(2));
    EXPECT_LT(TickedAt(2), TickedAt(3));
    EXPECT_LE(TickedAt(3), TickedAt(4));
    EXPECT_GE(TickedAt(1) - started, 1200u);
    EXPECT_GE(TickedAt(2) - TickedAt(1), 1300u);
    EXPECT_GE(TickedAt(3) - TickedAt(2), 1200u);
    EXPECT_TRUE(moments.back().line4Visible);  // no qw32break.cfg: the option is on
    EXPECT_EQ(breakpoints, 1);
    // The snapshot ran while the splash stood.
    EXPECT_TRUE(machine.P().files().Exists(folder + "tmpcfg32.twc"));
}

TEST_F(StartupTest, BreakpointOffHidesLineFourAndStillTicksIt) {
    config::TBigIniFile(folder + "qw32break.cfg").WriteBool("Option", "ProgStart", false);
    int breakpoints = 0;
    app::StartHooks().createProgStartBreakPoint = [&](app::TFrmSplash&) { ++breakpoints; };
    Watch();
    ASSERT_NE(Start(), nullptr);
    EXPECT_FALSE(moments.back().line4Visible);
    EXPECT_NE(TickedAt(4), 0u);
    EXPECT_EQ(breakpoints, 0);
}

// The check value of "Geheimnis" (tests/safety/crypto_test.cpp).
constexpr char kGeheimnis[] = "3rZNvXFCS+TW/PAs9UGHYw==";

// The user types into the start's password prompt and presses a button.
void AnswerPrompt(const std::optional<std::string>& typed) {
    widgets::Headless().AnswerModal([typed](widgets::TForm& form) {
        auto& prompt = dynamic_cast<safety::TDlgPass&>(form);
        if (!typed) return prompt.CancelBtn->PerformClick();
        prompt.Edit1->TypeText(*typed);
        prompt.OKBtn->PerformClick();
    });
}

TEST_F(StartupTest, WithoutAPasswordNoPromptShows) {
    ASSERT_NE(Start(), nullptr);
    EXPECT_TRUE(widgets::Headless().Modals().empty());
}

TEST_F(StartupTest, WindowsNtIsRefusedAfterThePasswordGate) {
    safety::WriteCheckLine(kGeheimnis);
    AnswerPrompt(std::string("Geheimnis"));
    machine.Fake()->system().SetVersion(platform::VersionRecord{4, 0, 1381, platform::kPlatformNT, "Service Pack 6"});
    EXPECT_EQ(Start(), nullptr);
    EXPECT_EQ(widgets::Headless().Modals(), std::vector<std::string>{"TDlgPass"});
    EXPECT_EQ(app::MainWindow(), nullptr);
    const auto& messages = widgets::Headless().Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "Dieses Programm ist nur für Windows 95, Windows 98 oder Windows ME. Die Systemdiagnose\r"
              "hat eine Windows NT-Plattform ermittelt. Sicherheitsgründen wird das Programm beendet.");
    EXPECT_EQ(messages[0].icon, widgets::miInformation);
    EXPECT_EQ(messages[0].buttons, widgets::mbOK);
    EXPECT_FALSE(machine.P().files().Exists(folder + "tmpcfg32.twc"));
}

struct GateCase {
    const char* name;
    std::optional<std::string> typed;  // nothing: the prompt was cancelled
    bool starts;
    bool message;
};

class PasswordGateTest : public StartupTest, public ::testing::WithParamInterface<GateCase> {};

TEST_P(PasswordGateTest, AccessFollowsThePrompt) {
    safety::WriteCheckLine(kGeheimnis);
    AnswerPrompt(GetParam().typed);
    EXPECT_EQ(Start() != nullptr, GetParam().starts);
    EXPECT_EQ(widgets::Headless().Modals(), std::vector<std::string>{"TDlgPass"});
    EXPECT_EQ(app::MainWindow() != nullptr, GetParam().starts);
    const auto& messages = widgets::Headless().Messages();
    ASSERT_EQ(messages.size(), GetParam().message ? 1u : 0u);
    if (GetParam().message) {
        EXPECT_EQ(messages[0].text,
                  "Sie haben ein nicht korrektes Passwort eingetragen. Das Programm \r"
                  "wird aus Sicherheitsgründen beendet.");
        EXPECT_EQ(messages[0].icon, widgets::miInformation);
        EXPECT_EQ(messages[0].caption, "quellwerk");  // the title is set only after the gate
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PasswordGateTest,
                         ::testing::Values(GateCase{"Cancelled", std::nullopt, false, false},
                                           GateCase{"Wrong", std::string("Geheimnix"), false, true},
                                           GateCase{"OtherCase", std::string("geheimnis"), false, true},
                                           GateCase{"Empty", std::string(), false, true},
                                           GateCase{"Right", std::string("Geheimnis"), true, false}),
                         [](const ::testing::TestParamInfo<GateCase>& info) { return std::string(info.param.name); });

}  // namespace
