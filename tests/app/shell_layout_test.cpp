// The shell as the user meets it: every text of the main window, the splash
// and the welcome page, the places of the main window's controls, the
// minimise button, a start whose snapshot fails, and the window-position
// option read at every page change.
#include <functional>
#include <map>

#include "app/form_placement.h"
#include "app/frm_welcommer.h"
#include "app/splash.h"
#include "tests/app/shell_fixture.h"

using namespace app_test;
using platform::RootKey;
using testing_support::RegSet;

namespace {

class ShellLayoutTest : public ShellTest {
protected:
    // Starts the program; the splash's captions are noted while it stands.
    void StartNoting() {
        app::StartHooks().createProgStartBreakPoint = [this](app::TFrmSplash& splash) {
            for (int line = 1; line <= 4; ++line)
                splashTexts["CheckBox" + std::to_string(line)] = splash.Line(line)->Caption();
        };
        main = Start();
        ASSERT_NE(main, nullptr);
        ASSERT_NE(main->Frame_Welcome, nullptr);
    }

    std::map<std::string, std::string> splashTexts;
    app::THalvornQuellwerk* main = nullptr;
};

struct TextCase {
    const char* where;
    std::function<std::string(const app::THalvornQuellwerk&, const std::map<std::string, std::string>&)> actual;
    const char* expected;
};

TEST_F(ShellLayoutTest, EveryTextIsAsDesigned) {
    StartNoting();
    using Main = const app::THalvornQuellwerk&;
    using Splash = const std::map<std::string, std::string>&;
    const auto welcome = [](Main m) -> const app::TFrame_Welcome& { return *m.Frame_Welcome; };
    const auto line = [](const char* name) {
        return [name](Main, Splash s) { return s.count(name) ? s.at(name) : std::string("(not shown)"); };
    };
    const auto label = [welcome](int i) {
        return [welcome, i](Main m, Splash) { return welcome(m).Labels[i]->Caption(); };
    };
    const TextCase cases[] = {
        {"application title", [](Main, Splash) { return widgets::Application().Title; }, "Halvorn Quellwerk"},
        {"main window caption", [](Main m, Splash) { return m.Caption(); }, "Halvorn Quellwerk"},
        {"title label", [](Main m, Splash) { return m.RGBALabel1->Caption(); }, "Willkommen"},
        {"splash line 1", line("CheckBox1"), "Lade Oberfläche..."},
        {"splash line 2", line("CheckBox2"), "Lese System-Informationen..."},
        {"splash line 3", line("CheckBox3"), "Lade Module..."},
        {"splash line 4", line("CheckBox4"), "Erstelle Sicherung..."},
        {"Label1", label(0), "Ändern Sie hier das System nach Ihren Vorstellungen und Bedürfnissen um."},
        {"Label2", label(1), "Wird Ihr System immer träger? Duchsuchen Sie es dann nach Fehlern und\r\nÜberflüssigem."},
        {"Label3", label(2), "Erfahren Sie mehr über die aktuelle Systemauslastung und Ausstattung."},
        {"Label4", label(3), "Sie können hier häufige Fehler im System reparieren und beheben."},
        {"Label5", label(4),
         "Programm-Optionen, Zugriff auf die Hilfe-Funktionen und Rückgängig-\r\nFunktion finden Sie hier."},
        {"Label11", label(5), "Informationen und Bestellmöglichkeiten finden Sie hier."},
        {"Weiter", [welcome](Main m, Splash) { return welcome(m).TransparentButton1->Caption(); }, "Weiter"},
        {"Zurück", [welcome](Main m, Splash) { return welcome(m).TransparentButton2->Caption(); }, "Zurück"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(c.actual(*main, splashTexts), c.expected) << c.where;
}

struct PlaceCase {
    const char* name;
    int left, top, width, height;  // width and height 0: sized to its content
};

TEST_F(ShellLayoutTest, TheMainWindowsControlsStandWhereDesigned) {
    StartNoting();
    const PlaceCase cases[] = {
        {"A_FirstImage", 0, 0, 620, 440},     {"CoolForm1", 0, 0, 620, 440},
        {"RGBALabel1", 8, 7, 0, 0},           {"MainFormContainer", 5, 33, 451, 400},
        {"BitmapButton1", 472, 134, 115, 24}, {"BitmapButton2", 472, 167, 115, 24},
        {"BitmapButton3", 472, 200, 115, 24}, {"BitmapButton4", 472, 233, 115, 24},
        {"BitmapButton5", 472, 266, 115, 24}, {"BitmapButton6", 472, 299, 115, 24},
        {"BitmapButton30", 466, 8, 19, 19},   {"BitmapButton20", 488, 8, 19, 19},
        {"BitmapButton10", 510, 8, 19, 19},   {"Image2", 472, 392, 117, 34},
        {"Image1", 471, 391, 117, 34},
    };
    for (const PlaceCase& c : cases) {
        const auto* control = dynamic_cast<const widgets::TControl*>(main->FindComponent(c.name));
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(control->Left(), c.left) << c.name;
        EXPECT_EQ(control->Top(), c.top) << c.name;
        if (c.width) {
            EXPECT_EQ(control->Width(), c.width) << c.name;
            EXPECT_EQ(control->Height(), c.height) << c.name;
        } else {
            EXPECT_GT(control->Width(), 0) << c.name;
        }
    }
    // The pages fill the container.
    EXPECT_EQ(main->Frame_Welcome->Width(), 451);
    EXPECT_EQ(main->Frame_Welcome->Height(), 400);
}

TEST_F(ShellLayoutTest, TheMinimiseButtonMinimisesTheProgram) {
    StartNoting();
    ASSERT_EQ(main->WindowState(), widgets::wsNormal);
    main->BitmapButton20->PerformClick();
    Pump();
    EXPECT_EQ(main->WindowState(), widgets::wsMinimized);
    EXPECT_FALSE(widgets::Application().Terminated());
}

TEST_F(ShellLayoutTest, AFailingSnapshotLetsTheStartGoOn) {
    // A temp config that cannot be written: the snapshot fails at its
    // first setting, after the picture copies.
    machine.Put(folder + "tmpcfg32.twc", "[Alt]\r\nKey=1\r\n");
    ASSERT_TRUE(machine.P().files().SetAttributes(folder + "tmpcfg32.twc", platform::attr::ReadOnly));
    StartNoting();
    EXPECT_TRUE(main->Visible());
    EXPECT_STREQ(main->MainFormContainer->Form()->ClassName(), "TFrame_Welcome");
    EXPECT_TRUE(widgets::Headless().Messages().empty());
    EXPECT_TRUE(machine.P().files().Exists(folder + "Logo.bmp")) << "what the snapshot wrote before it failed stays";
    EXPECT_EQ(machine.P().files().ReadFile(folder + "tmpcfg32.twc").value_or(""), "[Alt]\r\nKey=1\r\n");
    ASSERT_TRUE(machine.P().files().SetAttributes(folder + "tmpcfg32.twc", platform::attr::Normal));
}

TEST_F(ShellLayoutTest, TheFirstPageReadsTheWindowPositionOptionAgain) {
    // The option is switched on after the main window read it at its
    // creation and before its first page shows.
    app::StartHooks().createProgStartBreakPoint = [](app::TFrmSplash&) {
        RegSet(RootKey::CurrentUser, "Software\\Halvorn\\Quellwerk\\Options", "RestorePos", platform::ValueType::Sz,
               platform::SzData("1"));
    };
    main = Start();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->FormPlacement1->Active());
}

}  // namespace
