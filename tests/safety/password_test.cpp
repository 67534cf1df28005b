// The password file "sysbtnc.dll", the check at start and the password
// properties dialog, on the sample machine's Windows folder.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "safety/passdlg.h"
#include "safety/password_file.h"
#include "safety/u1.h"
#include "tests/support/sample_machine.h"
#include "tests/widgets/widgets_fixture.h"
#include "widgets/headless_dialogs.h"

using namespace testing_support;
using safety::TDlgPassSet;
using widgets::Headless;
using widgets::Owned;

namespace {

// Check values of tests/safety/crypto_test.cpp (OpenSSL).
constexpr char kGeheimnis[] = "3rZNvXFCS+TW/PAs9UGHYw==";
constexpr char kKennwort[] = "OMtiQzYdqpS3LN5LveoMbw==";
constexpr char kUmlaut[] = "jrDUs4zKx9srYdZMVlQ6yQ==";  // "Größe-123"
constexpr char kMarker[] = "Rb\"k71Qx";

const char kMsgWrongOld[] = "Bitte geben Sie unter \"Altes Passwort\" Ihr aktuelles Passwort korrekt ein.";
const char kMsgRemove[] =
    "Sie haben kein neues Passwort eingegeben. Sind Sie sicher,\rdaß der Passwortschutz aufgehoben werden soll?";
const char kMsgRepeat[] =
    "Die Wiederholung des Passwortes ist falsch. Bitte geben Sie unter neuem Passwort \r und der Wiederholung ein "
    "identisches Passwort ein.";
const char kMsgTooShort[] =
    "Das Passwort des Programms muß aus Sichheitsgründen mindestens 8 Zeichen haben. \rBitte wiederholen Sie den "
    "Vorgang.";

std::string Hex(const uint8_t* bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (int i = 0; i < 8; ++i) out += std::string{digits[bytes[i] >> 4], digits[bytes[i] & 15]};
    return out;
}

// Ten lines with every kind of line end, line 8 as given.
std::string TenLines(const std::string& line8) {
    return "eins\rzwei\ndrei\r\nvier\r\n\r\nsechs\nsieben\r" + line8 + "\nneun\r\nzehn";
}

class PasswordTest : public MachineTest {
protected:
    PasswordTest() { widgets_test::ResetWidgets(); }
    ~PasswordTest() override {
        EXPECT_EQ(Headless().UnusedAnswers(), 0u) << "scripted answers were left unused";
        widgets_test::ResetWidgets();
    }
    void SetUp() override { Install(SourceFile("res/sample98/sysbtnc.dll")); }
    void TearDown() override {
        // The Windows folder outlives the test under Wine.
        Files().RemoveDirectory(Beside(".qw$"));
        Files().SetAttributes(path, platform::attr::Normal);
        Install(SourceFile("res/sample98/sysbtnc.dll"));
    }

    platform::FileSystem& Files() { return machine.P().files(); }
    std::string Beside(const char* extension) { return path.substr(0, path.size() - 4) + extension; }
    void Install(const std::string& bytes) {
        Files().SetAttributes(path, platform::attr::Normal);
        machine.Put(path, bytes);
    }
    std::string Content() { return Files().ReadFile(path).value_or("<missing>"); }
    std::string Line8() { return safety::ReadCheckLine().value_or("<none>"); }
    void SetPassword(const char* checkValue) {
        std::vector<std::string> lines = safety::SplitLines(SourceFile("res/sample98/sysbtnc.dll"));
        lines[7] = checkValue;
        Install(safety::JoinLines(lines));
    }

    // Opens the properties dialog, types into the fields as given (nothing:
    // the field is left alone) and presses "Übernehmen".
    void Apply(const std::optional<std::string>& old, const std::string& fresh, const std::string& repeat) {
        Headless().AnswerModal([&](widgets::TForm& form) {
            auto& dialog = dynamic_cast<TDlgPassSet&>(form);
            if (old) dialog.Edit1->TypeText(*old);
            dialog.Edit2->TypeText(fresh);
            dialog.Edit3->TypeText(repeat);
            dialog.CorelButton3->PerformClick();
        });
        Owned<TDlgPassSet> dialog(widgets::CreateForm<TDlgPassSet>(nullptr));
        EXPECT_EQ(dialog->ShowModal(), widgets::mrOk);
        shown = dialog.get();
    }

    // The texts of the message boxes shown, each checked for the caption,
    // the icon and the owner of the dialog's notes.
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& m : Headless().Messages()) {
            texts.push_back(m.text);
            EXPECT_EQ(m.caption, "Hinweis");
            EXPECT_EQ(m.icon, widgets::miInformation);
            EXPECT_EQ(m.owner, shown);
        }
        return texts;
    }

    const std::string path = SystemFile("sysbtnc.dll");
    const void* shown = nullptr;
};

using Texts = std::vector<std::string>;

// ------------------------------------------------------------ the file

TEST_F(PasswordTest, TheSampleFileHoldsTheMarker) {
    EXPECT_EQ(safety::PasswordFilePath(), Files().WindowsDirectory() + "\\sysbtnc.dll");
    EXPECT_EQ(Line8(), kMarker);
    EXPECT_FALSE(safety::PassUses());
    Owned<TDlgPassSet> dialog(widgets::CreateForm<TDlgPassSet>(nullptr));
    EXPECT_TRUE(dialog->OnlyReadWnd(""));
    EXPECT_TRUE(dialog->OnlyReadWnd("irgendwas"));
}

TEST_F(PasswordTest, ChecksFollowTheStoredPasswordExactly) {
    SetPassword(kGeheimnis);
    EXPECT_TRUE(safety::PassUses());
    Owned<TDlgPassSet> dialog(widgets::CreateForm<TDlgPassSet>(nullptr));
    EXPECT_TRUE(dialog->OnlyReadWnd("Geheimnis"));
    for (const char* wrong : {"geheimnis", "GEHEIMNIS", "Geheimnis ", "", "Geheimni"})
        EXPECT_FALSE(dialog->OnlyReadWnd(wrong)) << wrong;
    EXPECT_EQ(Hex(dialog->DCP_cast1281->Register()), "ffffffffffffffff");  // wiped after the check
}

TEST_F(PasswordTest, StoringKeepsTheOtherLinesAndEndsEveryLineWithCrLf) {
    Install(TenLines(kMarker));
    Owned<TDlgPassSet> dialog(widgets::CreateForm<TDlgPassSet>(nullptr));
    dialog->StorePassword("Geheimnis");
    EXPECT_EQ(Content(), "eins\r\nzwei\r\ndrei\r\nvier\r\n\r\nsechs\r\nsieben\r\n" + std::string(kGeheimnis) +
                             "\r\nneun\r\nzehn\r\n");
    EXPECT_EQ(Line8().size(), 24u);
    EXPECT_EQ(Line8().substr(22), "==");
    EXPECT_TRUE(dialog->OnlyReadWnd("Geheimnis"));
    dialog->RemovePassword();
    EXPECT_EQ(Content(), "eins\r\nzwei\r\ndrei\r\nvier\r\n\r\nsechs\r\nsieben\r\n" + std::string(kMarker) +
                             "\r\nneun\r\nzehn\r\n");
    EXPECT_FALSE(Files().Exists(Beside(".qw$")));
    EXPECT_FALSE(Files().Exists(Beside(".qw~")));
}

TEST_F(PasswordTest, AnUmlautIsHashedAsItsWindows1252Bytes) {
    Owned<TDlgPassSet> dialog(widgets::CreateForm<TDlgPassSet>(nullptr));
    dialog->StorePassword("Größe-123");
    EXPECT_EQ(Line8(), kUmlaut);
    EXPECT_TRUE(dialog->OnlyReadWnd("Größe-123"));
    EXPECT_FALSE(dialog->OnlyReadWnd("GRÖßE-123"));
}

// A missing file and one of fewer than eight lines count as no password;
// storing creates the file or pads it to eight lines.
TEST_F(PasswordTest, AMissingOrShortFileMeansNoPassword) {
    for (const std::optional<std::string>& start :
         {std::optional<std::string>(), std::optional<std::string>("a\r\nb")}) {
        Files().DeleteFile(path);
        if (start) Install(*start);
        EXPECT_FALSE(safety::PassUses());
        Owned<TDlgPassSet> dialog(widgets::CreateForm<TDlgPassSet>(nullptr));
        EXPECT_TRUE(dialog->OnlyReadWnd("egal"));
        dialog->RemovePassword();  // nothing to take back: nothing is written
        EXPECT_EQ(Files().Exists(path), start.has_value());
        dialog->StorePassword("Kennwort");
        const std::string head = start ? "a\r\nb\r\n\r\n\r\n\r\n\r\n\r\n" : "\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
        EXPECT_EQ(Content(), head + kKennwort + "\r\n");
        EXPECT_TRUE(dialog->OnlyReadWnd("Kennwort"));
        EXPECT_FALSE(dialog->OnlyReadWnd("egal"));
    }
}

// A line 8 that is no Base64 text matches no password, without an error.
TEST_F(PasswordTest, ADamagedCheckValueIsAWrongPassword) {
    for (const char* line : {"3rZNvXFCS+TW/PAs9UGHYw=", "abc", "", "@@@@@@@@@@@@@@@@@@@@@@@@", "3rZN"}) {
        Install(TenLines(line));
        EXPECT_TRUE(safety::PassUses()) << line;
        Owned<TDlgPassSet> dialog(widgets::CreateForm<TDlgPassSet>(nullptr));
        EXPECT_FALSE(dialog->OnlyReadWnd("Geheimnis")) << line;
        EXPECT_FALSE(dialog->OnlyReadWnd("")) << line;
    }
}

TEST_F(PasswordTest, AttributesAreClearedForTheWriteAndRestored) {
    Files().SetAttributes(path, kRhs);
    Owned<TDlgPassSet> dialog(widgets::CreateForm<TDlgPassSet>(nullptr));
    dialog->StorePassword("Geheimnis");
    EXPECT_EQ(Line8(), kGeheimnis);
    EXPECT_EQ(RhsAttributes(path), kRhs);
    EXPECT_TRUE(Headless().Messages().empty());
}

// Nothing can be written beside the file: the old file stays whole, the
// dialog says so, and nothing is raised.
TEST_F(PasswordTest, AFileThatCannotBeWrittenIsToldAndLeftWhole) {
    SetPassword(kGeheimnis);
    Files().SetAttributes(path, kRhs);
    const std::string before = Content();
    ASSERT_TRUE(Files().CreateDirectory(Beside(".qw$")));
    Owned<TDlgPassSet> dialog(widgets::CreateForm<TDlgPassSet>(nullptr));
    shown = dialog.get();
    EXPECT_NO_THROW(dialog->StorePassword("Kennwort"));
    EXPECT_NO_THROW(dialog->RemovePassword());
    EXPECT_EQ(Messages(), Texts(2, "Das Passwort konnte nicht gespeichert werden."));
    EXPECT_EQ(Content(), before);
    EXPECT_EQ(RhsAttributes(path), kRhs);
    EXPECT_TRUE(dialog->OnlyReadWnd("Geheimnis"));
}

// --------------------------------------------------------- the dialog

TEST_F(PasswordTest, TheDialogsShowTheirTexts) {
    Owned<safety::TDlgPass> prompt(widgets::CreateForm<safety::TDlgPass>(nullptr));
    EXPECT_EQ(prompt->Caption(), "Quellwerk - Kennwort");
    EXPECT_EQ(prompt->Position(), widgets::poScreenCenter);
    EXPECT_EQ(prompt->BorderStyle(), widgets::bsDialog);
    EXPECT_EQ(prompt->Label1->Caption(), "Kennwort:");
    EXPECT_EQ(prompt->Label2->Caption(),
              "Hinweis: Die Passwortkennung des\r\nProgramm unterscheidet zwischen Groß- \r\nund Kleinschreibung.");
    EXPECT_EQ(prompt->Edit1->PasswordChar(), '*');
    EXPECT_EQ(prompt->OKBtn->Caption(), "OK");
    EXPECT_TRUE(prompt->OKBtn->Default());
    EXPECT_EQ(prompt->OKBtn->ModalResult(), widgets::mrOk);
    EXPECT_EQ(prompt->CancelBtn->Caption(), "Abbrechen");
    EXPECT_TRUE(prompt->CancelBtn->Cancel());
    EXPECT_EQ(prompt->CancelBtn->ModalResult(), widgets::mrCancel);

    Owned<TDlgPassSet> dialog(widgets::CreateForm<TDlgPassSet>(nullptr));
    EXPECT_EQ(dialog->Caption(), "Passworteigenschaften");
    EXPECT_EQ(dialog->Position(), widgets::poOwnerFormCenter);
    EXPECT_EQ(dialog->BorderStyle(), widgets::bsDialog);
    EXPECT_EQ(dialog->Label1->Caption(),
              "Bestimmen hier ein Passwort, welches das Programm mit \r\neinen Zugriffschutzt schützt.");
    EXPECT_EQ(dialog->Label6->Caption(), "Passwortschutz:");
    EXPECT_EQ(dialog->Label2->Caption(), "Altes Passwort:");
    EXPECT_EQ(dialog->Label3->Caption(), "Neues Passwort:");
    EXPECT_EQ(dialog->Label4->Caption(), "Wiederholung:");
    EXPECT_EQ(dialog->CorelButton3->Caption(), "Übernehmen");
    EXPECT_EQ(dialog->CorelButton3->ModalResult(), widgets::mrOk);
    EXPECT_EQ(dialog->CorelButton2->Caption(), "Schließen");
    EXPECT_EQ(dialog->Label5->Caption(), "Halvorn Quellwerk ");
    for (widgets::TEdit* edit : {dialog->Edit1, dialog->Edit2, dialog->Edit3}) EXPECT_EQ(edit->PasswordChar(), '*');
    // The first focused control lies outside the visible area.
    ASSERT_EQ(dialog->ActiveControl(), dialog->Edit4);
    EXPECT_LT(dialog->Edit4->Left() + dialog->Edit4->Width(), 0);
}

TEST_F(PasswordTest, ShowingTellsWhetherAPasswordIsSet) {
    for (bool set : {false, true}) {
        if (set) SetPassword(kGeheimnis);
        Owned<TDlgPassSet> dialog(widgets::CreateForm<TDlgPassSet>(nullptr));
        Headless().AnswerModal(widgets::mrCancel);
        dialog->ShowModal();
        EXPECT_EQ(dialog->Label7->Caption(), set ? "Aktiviert" : "Deaktiviert");
        EXPECT_EQ(dialog->Edit1->Enabled(), set);
        EXPECT_EQ(dialog->Label2->Enabled(), set);
        EXPECT_EQ(dialog->Edit1->Color(), set ? widgets::clWindow : widgets::clBtnFace);
    }
}

struct ApplyCase {
    const char* name;
    const char* stored;              // line 8 before
    std::optional<std::string> old;  // typed into "Altes Passwort"
    std::string fresh;
    std::string repeat;
    std::vector<widgets::TModalResult> answers;  // to the message boxes
    Texts messages;
    const char* after;  // line 8 after
};

class ApplyTest : public PasswordTest, public ::testing::WithParamInterface<ApplyCase> {};

TEST_P(ApplyTest, UebernehmenChecksStoresRemovesOrRefuses) {
    const ApplyCase& c = GetParam();
    SetPassword(c.stored);
    const std::string before = Content();
    for (widgets::TModalResult answer : c.answers) Headless().AnswerMessage(answer);
    Apply(c.old, c.fresh, c.repeat);
    EXPECT_EQ(Messages(), c.messages);
    EXPECT_EQ(Line8(), c.after);
    if (std::string(c.after) == c.stored) {
        EXPECT_EQ(Content(), before) << "the file changed";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ApplyTest,
    ::testing::Values(
        ApplyCase{"NothingFilledChangesNothing", kMarker, std::nullopt, "", "", {}, {}, kMarker},
        ApplyCase{"OnlyTheRepetitionAsksToRemove",
                  kMarker,
                  std::nullopt,
                  "",
                  "Kennwort",
                  {widgets::mrOk},
                  {kMsgRemove},
                  kMarker},
        ApplyCase{
            "SevenCharactersAreTooShort", kMarker, std::nullopt, "Kennwor", "Kennwor", {}, {kMsgTooShort}, kMarker},
        ApplyCase{"EightCharactersAreStored", kMarker, std::nullopt, "Kennwort", "Kennwort", {}, {}, kKennwort},
        ApplyCase{"ARepetitionThatDiffers", kMarker, std::nullopt, "Kennwort", "kennwort", {}, {kMsgRepeat}, kMarker},
        ApplyCase{"AWrongOldPassword",
                  kGeheimnis,
                  std::string("geheimnis"),
                  "Kennwort",
                  "Kennwort",
                  {},
                  {kMsgWrongOld},
                  kGeheimnis},
        ApplyCase{"AnEmptyOldPassword", kGeheimnis, std::string(), "", "", {}, {kMsgWrongOld}, kGeheimnis},
        ApplyCase{"RightOldEmptyNewOkRemoves",
                  kGeheimnis,
                  std::string("Geheimnis"),
                  "",
                  "",
                  {widgets::mrOk},
                  {kMsgRemove},
                  kMarker},
        ApplyCase{"RightOldEmptyNewCancelKeeps",
                  kGeheimnis,
                  std::string("Geheimnis"),
                  "",
                  "",
                  {widgets::mrCancel},
                  {kMsgRemove},
                  kGeheimnis},
        ApplyCase{"RightOldNewPasswordIsStored",
                  kGeheimnis,
                  std::string("Geheimnis"),
                  "Größe-123",
                  "Größe-123",
                  {},
                  {},
                  kUmlaut}),
    [](const ::testing::TestParamInfo<ApplyCase>& info) { return std::string(info.param.name); });

}  // namespace
