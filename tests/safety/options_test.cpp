// The options cycle of the service page's options button: what the dialog
// shows for the stored values and what "OK" writes, the context-menu entry
// and the start-up breakpoint switch.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "config/big_ini_file.h"
#include "platform/fake/fake_platform.h"
#include "platform/helpers.h"
#include "safety/globel_option.h"
#include "safety/password_file.h"
#include "safety/u1.h"
#include "tests/support/sample_machine.h"
#include "tests/widgets/widgets_fixture.h"
#include "widgets/headless_dialogs.h"

using namespace testing_support;
using platform::RootKey;
using safety::TDlgOptions;
using widgets::Headless;

namespace {

constexpr char kOptions[] = "Software\\Halvorn\\Quellwerk\\Options";
constexpr char kVerb[] = "Folder\\Shell\\Quellwerk starten";
constexpr char kCommand[] = "Folder\\Shell\\Quellwerk starten\\command";

class OptionsTest : public MachineTest {
protected:
    OptionsTest() { widgets_test::ResetWidgets(); }
    ~OptionsTest() override {
        EXPECT_EQ(Headless().UnusedAnswers(), 0u) << "scripted answers were left unused";
        widgets_test::ResetWidgets();
    }
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    void Clean() {
        machine.P().registry().DeleteKey(RootKey::CurrentUser, "Software\\Halvorn\\Quellwerk");
        machine.P().registry().DeleteKey(RootKey::ClassesRoot, kVerb);
        machine.P().files().DeleteFile(breakpointFile);
    }

    // Runs the cycle; the user looks at the dialog (seen), acts on it and
    // leaves it with the button or the close box.
    enum Leave { kOk, kCancel, kCloseBox };
    void Cycle(Leave leave, std::function<void(TDlgOptions&)> act = nullptr) {
        Headless().AnswerModal([&, leave, act](widgets::TForm& form) {
            auto& dialog = dynamic_cast<TDlgOptions&>(form);
            Seen(dialog);
            if (act) act(dialog);
            if (leave == kOk) dialog.CorelButton2->PerformClick();
            if (leave == kCancel) dialog.CorelButton1->PerformClick();
            if (leave == kCloseBox) dialog.Close();
        });
        safety::ShowProgramOptions();
    }
    void Seen(TDlgOptions& d) {
        exitShown = d.RadioButton1->Checked() ? 0 : d.RadioButton2->Checked() ? 1 : d.RadioButton3->Checked() ? 2 : -1;
        restoreShown = d.RadioButton4->Checked();
        centreShown = d.RadioButton5->Checked();
        levelShown = d.Label11->Caption();
        descriptionShown = d.Label12->Caption();
        contextShown = d.CheckBox1->Checked();
        breakpointShown = d.CheckBox2->Checked();
    }

    std::optional<std::string> Stored(const char* name) {
        const auto value = RegGet(RootKey::CurrentUser, kOptions, name);
        if (!value) return std::nullopt;
        EXPECT_EQ(value->type, platform::ValueType::Sz) << name;
        return platform::TextOfSz(value->data);
    }
    void Store(const char* name, const std::string& text) {
        RegSet(RootKey::CurrentUser, kOptions, name, platform::ValueType::Sz, platform::SzData(text));
    }
    std::optional<std::string> CommandValue() {
        const auto value = RegGet(RootKey::ClassesRoot, kCommand, "");
        if (!value) return std::nullopt;
        return platform::TextOfSz(value->data);
    }

    const std::string breakpointFile = platform::ProgramFolder() + "qw32break.cfg";
    int exitShown = -1;
    bool restoreShown = false, centreShown = false, contextShown = false, breakpointShown = false;
    std::string levelShown, descriptionShown;
};

TEST_F(OptionsTest, DefaultsOnAnEmptyRegistryAndWhatOkWrites) {
    Cycle(kOk);
    EXPECT_EQ(exitShown, 0);
    EXPECT_FALSE(restoreShown);
    EXPECT_TRUE(centreShown);
    EXPECT_EQ(levelShown, "Mittel");
    EXPECT_EQ(descriptionShown, "+ Hinweise bei Änderungen von kritischen Systemeinstellungen");
    EXPECT_FALSE(contextShown);
    EXPECT_TRUE(breakpointShown);

    EXPECT_EQ(Stored("Exit"), "0");
    EXPECT_EQ(Stored("RestorePos"), "0");
    EXPECT_EQ(Stored("Level"), "1");
    EXPECT_EQ(Stored("ContextMenu"), "0");
    EXPECT_TRUE(machine.P().registry().OpenKey(RootKey::ClassesRoot, "Folder\\Shell", false));
    EXPECT_FALSE(machine.P().registry().OpenKey(RootKey::ClassesRoot, kVerb, false));
    // The key was missing, so the file is written.
    EXPECT_EQ(config::TBigIniFile(breakpointFile).ReadString("Option", "ProgStart", "<none>"), "1");
}

TEST_F(OptionsTest, OpeningCreatesTheKeyAndCancelWritesNothing) {
    const std::string cfg = "[Option]\nProgStart=0\n;Notiz\n\n\n";  // LF only, blank lines
    machine.Put(breakpointFile, cfg);
    for (Leave leave : {kCancel, kCloseBox}) {
        Cycle(leave, [](TDlgOptions& d) {
            d.RadioButton3->PerformClick();
            d.TrackBar1->SetPosition(2);
            d.CheckBox1->PerformClick();
            d.CheckBox2->PerformClick();
        });
        EXPECT_FALSE(breakpointShown);
        EXPECT_TRUE(machine.P().registry().OpenKey(RootKey::CurrentUser, "Software\\Halvorn\\Quellwerk", false));
        EXPECT_FALSE(machine.P().registry().OpenKey(RootKey::CurrentUser, kOptions, false));
        EXPECT_FALSE(machine.P().registry().OpenKey(RootKey::ClassesRoot, kVerb, false));
        EXPECT_EQ(machine.Get(breakpointFile), cfg);
    }
}

TEST_F(OptionsTest, OkLeavesTheBreakpointFileAloneWhenItsValueStays) {
    const std::string cfg = "[Option]\r\nProgStart=1\r\n; von Hand\r\n";
    machine.Put(breakpointFile, cfg);
    Cycle(kOk);
    EXPECT_EQ(machine.Get(breakpointFile), cfg);
    Cycle(kOk, [](TDlgOptions& d) { d.CheckBox2->PerformClick(); });
    EXPECT_EQ(config::TBigIniFile(breakpointFile).ReadString("Option", "ProgStart", "<none>"), "0");
}

struct ValueCase {
    const char* stored;
    int shownExit;
    const char* writtenExit;
};

TEST_F(OptionsTest, ExitValuesOutsideTheChoicesShowTheFirst) {
    const ValueCase cases[] = {{"0", 0, "0"}, {"1", 1, "1"}, {"2", 2, "2"},
                               {"3", 0, "0"}, {"x", 0, "0"}, {"-1", 0, "0"}};
    for (const ValueCase& c : cases) {
        Store("Exit", c.stored);
        Cycle(kOk);
        EXPECT_EQ(exitShown, c.shownExit) << c.stored;
        EXPECT_EQ(Stored("Exit"), c.writtenExit) << c.stored;
    }
}

TEST_F(OptionsTest, LevelsAreClampedByTheTrackBar) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"0", "Niedrig", "+ Keine Hinweise bei Änderungen, gleich welchen Grades", "0"},
        {"1", "Mittel", "+ Hinweise bei Änderungen von kritischen Systemeinstellungen", "1"},
        {"2", "Hoch", "+ Hinweise bei Änderungen, gleich welchen Grades", "2"},
        {"5", "Hoch", "+ Hinweise bei Änderungen, gleich welchen Grades", "2"},
        {"-1", "Niedrig", "+ Keine Hinweise bei Änderungen, gleich welchen Grades", "0"},
        {"viel", "Mittel", "+ Hinweise bei Änderungen von kritischen Systemeinstellungen", "1"},
    };
    for (const auto& [stored, name, description, written] : cases) {
        Store("Level", stored);
        Cycle(kOk);
        EXPECT_EQ(levelShown, name) << stored;
        EXPECT_EQ(descriptionShown, description) << stored;
        EXPECT_EQ(Stored("Level"), written) << stored;
    }
}

TEST_F(OptionsTest, RestorePositionAndTheTrackBarFollowTheUser) {
    Store("RestorePos", "1");
    Cycle(kOk, [](TDlgOptions& d) {
        d.RadioButton5->PerformClick();
        d.TrackBar1->SetPosition(0);
        d.RadioButton2->PerformClick();
    });
    EXPECT_TRUE(restoreShown);
    EXPECT_EQ(Stored("RestorePos"), "0");
    EXPECT_EQ(Stored("Level"), "0");
    EXPECT_EQ(Stored("Exit"), "1");
}

TEST_F(OptionsTest, TheContextMenuEntryIsMadeAndRemoved) {
    Cycle(kOk, [](TDlgOptions& d) { d.CheckBox1->PerformClick(); });
    EXPECT_EQ(Stored("ContextMenu"), "1");
    EXPECT_EQ(CommandValue(), safety::ContextMenuCommand());
    EXPECT_NE(safety::ContextMenuCommand().find("quellwerk.exe"), std::string::npos);
    // The verb key has no value of its own: the shell shows its name.
    EXPECT_FALSE(RegGet(RootKey::ClassesRoot, kVerb, ""));

    Cycle(kOk, [](TDlgOptions& d) { d.CheckBox1->PerformClick(); });
    EXPECT_TRUE(contextShown);
    EXPECT_EQ(Stored("ContextMenu"), "0");
    EXPECT_FALSE(machine.P().registry().OpenKey(RootKey::ClassesRoot, kVerb, false));
    EXPECT_TRUE(machine.P().registry().OpenKey(RootKey::ClassesRoot, "Folder\\Shell", false));
}

// The fake runs the program from any folder, one with blanks included.
TEST_F(OptionsTest, TheCommandNamesQuellwerkExeAndIsQuotedWhenThePathHasABlank) {
    QW_FAKE_ONLY(machine);
    auto& files = machine.Fake()->files();
    const std::string exe = files.ModuleFileName();
    files.SetModuleFileName("C:\\QUELL\\QW.EXE");
    EXPECT_EQ(safety::ContextMenuCommand(), "C:\\QUELL\\quellwerk.exe");
    files.SetModuleFileName("C:\\Programme\\Halvorn Quellwerk\\qwstart.exe");
    EXPECT_EQ(safety::ContextMenuCommand(), "\"C:\\Programme\\Halvorn Quellwerk\\quellwerk.exe\"");
    Store("ContextMenu", "1");
    Cycle(kOk);
    EXPECT_EQ(CommandValue(), "\"C:\\Programme\\Halvorn Quellwerk\\quellwerk.exe\"");
    files.DeleteFile(platform::ProgramFolder() + "qw32break.cfg");
    files.SetModuleFileName(exe);
}

// A password change made through "Passwort" stands after "Abbrechen".
TEST_F(OptionsTest, ThePasswordButtonOpensThePasswordDialogOwnedByTheOptions) {
    const std::string path = SystemFile("sysbtnc.dll");
    machine.P().files().SetAttributes(path, platform::attr::Normal);
    machine.Put(path, SourceFile("res/sample98/sysbtnc.dll"));
    bool ownedByTheOptions = false;
    Headless().AnswerModal([&](widgets::TForm& form) {
        auto& dialog = dynamic_cast<TDlgOptions&>(form);
        dialog.CorelButton3->PerformClick();
        dialog.CorelButton1->PerformClick();
    });
    Headless().AnswerModal([&](widgets::TForm& form) {
        auto& dialog = dynamic_cast<safety::TDlgPassSet&>(form);
        ownedByTheOptions = dynamic_cast<TDlgOptions*>(dialog.Owner()) != nullptr;
        dialog.Edit2->TypeText("Kennwort");
        dialog.Edit3->TypeText("Kennwort");
        dialog.CorelButton3->PerformClick();
    });
    safety::ShowProgramOptions();
    EXPECT_TRUE(ownedByTheOptions);
    EXPECT_EQ(Headless().Modals(), (std::vector<std::string>{"TDlgOptions", "TDlgPassSet"}));
    EXPECT_EQ(safety::ReadCheckLine(), "OMtiQzYdqpS3LN5LveoMbw==");
    EXPECT_FALSE(machine.P().registry().OpenKey(RootKey::CurrentUser, kOptions, false));
    machine.Put(path, SourceFile("res/sample98/sysbtnc.dll"));
}

TEST_F(OptionsTest, TheDialogShowsItsTexts) {
    widgets::Owned<TDlgOptions> d(widgets::CreateForm<TDlgOptions>(nullptr));
    EXPECT_EQ(d->Caption(), "Programmoptionen");
    EXPECT_EQ(d->BorderStyle(), widgets::bsDialog);
    ASSERT_EQ(d->PageControl1->PageCount(), 3);
    EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Allgemein");
    EXPECT_EQ(d->PageControl1->Pages(1)->Caption(), "Sicherheit");
    EXPECT_EQ(d->PageControl1->Pages(2)->Caption(), "Erweitert");
    const std::pair<const widgets::TControl*, const char*> texts[] = {
        {d->GroupBox1, "Beenden "},
        {d->Label1, "Bestimmen Sie ob und welche Hinweise beim Beenden des Programms\r\nangezeigt werden müssen."},
        {d->RadioButton1, "Wenn nötig Beenden-Modus abfragen"},
        {d->RadioButton2, "Modus nie abfragen und Programm beenden."},
        {d->RadioButton3, "Modus immer abfragen."},
        {d->GroupBox2, "Position "},
        {d->Label2, "Bestimmen Sie ob das Programm die letzt Posistion beim Programmstart\r\nwiederherstellen soll."},
        {d->RadioButton4, "Position bei jedem Start wiederherstellen"},
        {d->RadioButton5, "Bei jedem Start zentrieren"},
        {d->GroupBox3, "Sicherheitsabfragen "},
        {d->Label9,
         "Hier finden Sie ein Hilfmittel, welches Sie wartn, wenn Sie kritische \r\nEinstellungen verändern."},
        {d->Label10, "Verwenden Sie den unteren Schieberegler, um die Sicherheitsstufe \r\nfestzulegen:"},
        {d->GroupBox4, "Weiter Einstellungen "},
        {d->CheckBox1, "Quellwerk in das Kontextmenü des Arbeitsplatzes"},
        {d->CheckBox2, "Breakpoint bei jedem Programmstart erstellen"},
        {d->GroupBox5, "Passwortschutz "},
        {d->Label13,
         "Sie können das Programm durch ein Passwort vor unberechtigtem \r\nZugriff schützen.\r\n \r\nVorsicht! "
         "Bewahren Sie das Passwort gut auf. Es läßt sich nicht \r\nwiederherstellen und wir besitzen kein "
         "Masterpasswort."},
        {d->CorelButton3, "Passwort"},
        {d->CorelButton2, "OK"},
        {d->CorelButton1, "Abbrechen"},
    };
    for (const auto& [control, text] : texts) EXPECT_EQ(control->Caption(), text) << control->Name();
    // The two radio groups have parents of their own.
    EXPECT_NE(d->RadioButton1->Parent(), d->RadioButton4->Parent());
    EXPECT_EQ(d->RadioButton1->Parent(), d->RadioButton3->Parent());
    EXPECT_EQ(d->TrackBar1->Orientation(), widgets::trVertical);
    EXPECT_EQ(d->TrackBar1->TickMarks(), widgets::tmBoth);
    EXPECT_EQ(d->TrackBar1->Min(), 0);
    EXPECT_EQ(d->TrackBar1->Max(), 2);
    EXPECT_EQ(d->TrackBar1->Frequency(), 1);
    EXPECT_TRUE(d->Label11->Font().Style().bold);
    EXPECT_EQ(d->CorelButton2->ModalResult(), widgets::mrOk);
    EXPECT_EQ(d->CorelButton1->ModalResult(), widgets::mrCancel);
}

}  // namespace
