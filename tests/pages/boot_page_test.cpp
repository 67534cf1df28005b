// The boot page: what it shows of the temp config, what it writes back,
// its spin edits, the page switches and the picture import.
#include <gtest/gtest.h>

#include "config/ini_file.h"
#include "pages/custom_bootprocess_ax.h"
#include "pages/testunit.h"
#include "tests/pages/pages_fixture.h"
#include "tests/support/sample_machine.h"
#include "tests/widgets/picture_samples.h"
#include "widgets/headless_dialogs.h"

namespace pages_test {
namespace {

using pages::TFrm_Boot;

class BootPageTest : public PageTest {
protected:
    void PutOptions(const std::string& lines) {
        machine.Put(folder + "tmpcfg.twc",
                    ";FILLER 0123456789\r\n[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\n" + lines);
    }
    void PutSwitches(const std::string& text) { machine.Put(folder + "tmpcfg32.twc", text); }
    TFrm_Boot* Open() { return host->ShowPage<TFrm_Boot>(); }
    int Option(const char* key) const {
        return config::TIniFile(folder + "tmpcfg.twc").ReadInteger("Options", key, -99);
    }
    std::string Switch(const char* section, const char* key) const {
        return config::TIniFile(folder + "tmpcfg32.twc").ReadString(section, key, "(fehlt)");
    }
    // A user change that flushes the page: "Bootmenü immer anzeigen." twice.
    void Touch(TFrm_Boot* page) {
        page->CheckBox3->PerformClick();
        page->CheckBox3->PerformClick();
    }
    void SetVersion(uint32_t minor, uint32_t build, const char* service) {
        machine.Fake()->system().SetVersion(
            {4, minor, (4u << 24) | (minor << 16) | build, platform::kPlatformWindows, service});
    }
};

struct MenuCase {
    int network, menuDefault;
    const char* shown;  // null: no selection
};

TEST_F(BootPageTest, TheBootMenuListFollowsTheNetworkEntry) {
    const MenuCase cases[] = {
        {1, 4, "Abgesichert mit Netzwerk"},
        {0, 4, "Nur Eingabeaufforderung"},
        {1, 6, "Abgesichert, nur Eingabeaufforderung"},
        {0, 6, nullptr},
    };
    for (const MenuCase& c : cases) {
        PutOptions("Network=" + std::to_string(c.network) + "\r\nBootMenuDefault=" + std::to_string(c.menuDefault) +
                   "\r\n");
        TFrm_Boot* page = Open();
        EXPECT_EQ(page->CheckBox2->Checked(), c.network == 1);
        EXPECT_EQ(page->ComboBox1->ItemCount(), c.network == 1 ? 6 : 5);
        EXPECT_EQ(page->ComboBox1->SelectedText(), c.shown ? c.shown : "") << c.network << c.menuDefault;
        // A list without a selection leaves its key as it is.
        Touch(page);
        EXPECT_EQ(Option("BootMenuDefault"), c.menuDefault);
    }
    EXPECT_EQ(host->changes, 8);
}

TEST_F(BootPageTest, TogglingTheNetworkEntryKeepsTheChosenBootModeByItsMeaning) {
    PutOptions("Network=0\r\nBootMenuDefault=4\r\n");
    TFrm_Boot* page = Open();
    page->CheckBox2->PerformClick();
    EXPECT_EQ(page->ComboBox1->ItemCount(), 6);
    EXPECT_EQ(page->ComboBox1->SelectedText(), "Nur Eingabeaufforderung");
    EXPECT_EQ(Option("Network"), 1);
    EXPECT_EQ(Option("BootMenuDefault"), 5);
    page->ComboBox1->SetItemIndex(3);  // "Abgesichert mit Netzwerk"
    page->CheckBox2->PerformClick();
    EXPECT_EQ(page->ComboBox1->SelectedText(), "Abgesichert");
    EXPECT_EQ(Option("Network"), 0);
    EXPECT_EQ(Option("BootMenuDefault"), 3);
}

struct SystemCase {
    const char* lines;
    const char* shown;
    int gui, win;
};

TEST_F(BootPageTest, BootWinAndBootGuiChooseTheOperatingSystem) {
    const SystemCase cases[] = {
        {"BootWIN=0\r\nBootGUI=1\r\n", "Vorherige DOS-Version", 0, 0},
        {"BootGUI=0\r\n", "MS-DOS-Modus von Windows", 0, 1},
        {"", "Microsoft Windows9x", 1, 1},
    };
    for (const SystemCase& c : cases) {
        PutOptions(c.lines);
        TFrm_Boot* page = Open();
        EXPECT_EQ(page->ComboBox2->SelectedText(), c.shown);
        Touch(page);
        EXPECT_EQ(Option("BootGUI"), c.gui) << c.shown;
        EXPECT_EQ(Option("BootWIN"), c.win) << c.shown;
    }
}

TEST_F(BootPageTest, ComparesWithOneWhereTheTableSaysAndWritesTheInvertedBoxes) {
    PutOptions("DisableLog=2\r\nBootSafe=2\r\nSystemReg=0\r\n");
    PutSwitches("[sysini_386Enh]\r\nFileSysChange=OFF\r\n");
    TFrm_Boot* page = Open();
    EXPECT_FALSE(page->MultiCheckBox5->Checked());
    EXPECT_FALSE(page->MultiCheckBox4->Checked());
    EXPECT_TRUE(page->MultiCheckBox20->Checked());
    EXPECT_TRUE(page->MultiCheckBox8->Checked());
    EXPECT_TRUE(page->FusedCheckBox2->Checked());  // NoDownMessage missing
    EXPECT_TRUE(page->FusedCheckBox3->Checked());
    Touch(page);
    EXPECT_EQ(Option("DisableLog"), 1);
    EXPECT_EQ(Option("BootSafe"), 0);
    EXPECT_EQ(Option("SystemReg"), 0);
    EXPECT_EQ(Option("BootMenuDelay"), 30);
    EXPECT_EQ(Option("BootDelay"), 2);
    EXPECT_EQ(Switch("sysini_386Enh", "FileSysChange"), "off");
    EXPECT_EQ(Switch("winini_Options", "NoDownMessage"), "0");
    EXPECT_EQ(Switch("winini_Options", "NoEndLogo"), "0");

    PutSwitches("[sysini_386Enh]\r\nFileSysChange=no\r\n");
    page = Open();
    EXPECT_FALSE(page->MultiCheckBox8->Checked());
    Touch(page);
    EXPECT_EQ(Switch("sysini_386Enh", "FileSysChange"), "On");
    // The MSDOS.SYS copy keeps its other lines.
    EXPECT_NE(machine.Get(folder + "tmpcfg.twc").find(";FILLER 0123456789"), std::string::npos);
    EXPECT_NE(machine.Get(folder + "tmpcfg.twc").find("WinDir=C:\\WINDOWS"), std::string::npos);
}

TEST_F(BootPageTest, BeforeBuild1998LoadTopAndBootFailSafeStayAsStored) {
    QW_FAKE_ONLY(machine);
    SetVersion(3, 1997, "");
    PutOptions("LoadTop=0\r\nBootFailSafe=0\r\n");
    TFrm_Boot* page = Open();
    EXPECT_FALSE(page->CheckBox5->Enabled());
    EXPECT_FALSE(page->CheckBox1->Checked());
    EXPECT_FALSE(page->ComboBox3->Enabled());  // Windows 95
    Touch(page);
    EXPECT_EQ(Option("LoadTop"), 0);
    EXPECT_EQ(Option("BootFailSafe"), 0);  // not overwritten with 1

    SetVersion(10, 1998, "");
    page = Open();
    EXPECT_TRUE(page->CheckBox5->Enabled());
    EXPECT_TRUE(page->CheckBox1->Checked());
    page->CheckBox1->PerformClick();
    EXPECT_EQ(Option("BootFailSafe"), 1);
    EXPECT_EQ(Option("LoadTop"), 0);
}

TEST_F(BootPageTest, TheScanDiskListIsOfferedFromOsr2On) {
    QW_FAKE_ONLY(machine);
    struct {
        const char* service;
        bool enabled;
        int stored;
    } cases[] = {{"", false, 2}, {" B ", true, 1}};
    for (const auto& c : cases) {
        SetVersion(3, 1212, c.service);
        PutOptions("Autoscan=2\r\n");
        TFrm_Boot* page = Open();
        EXPECT_EQ(page->ComboBox3->Enabled(), c.enabled);
        EXPECT_EQ(page->ComboBox3->ItemIndex(), 2);
        page->ComboBox3->SetItemIndex(1);
        EXPECT_EQ(Option("Autoscan"), c.stored);
    }
}

TEST_F(BootPageTest, TheKeyDelayFieldStoresEachKeystrokeAndItsBoundWhenLeft) {
    PutOptions("BootDelay=5\r\n");
    TFrm_Boot* page = Open();
    page->TransparentButton1Click(page->TabButtons[2]);
    EXPECT_EQ(page->Notebook1->PageIndex(), 2);
    EXPECT_TRUE(page->TabButtons[2]->Down());
    EXPECT_FALSE(page->TabButtons[0]->Down());
    page->SpinEdit2->SetFocus();
    page->SpinEdit2->TypeText("\b250");
    EXPECT_EQ(Option("BootDelay"), 250);
    page->MultiCheckBox9->SetFocus();
    EXPECT_EQ(Option("BootDelay"), 100);
    page->SpinEdit2->SetFocus();
    page->SpinEdit2->TypeText("\b\b\b");
    EXPECT_EQ(Option("BootDelay"), 1);
    page->SpinEdit2->TypeText("a");
    EXPECT_EQ(page->SpinEdit2->Text(), "");
    if (machine.IsFake()) {
        EXPECT_EQ(machine.Fake()->system().Beeps().size(), 1u);
    }
}

TEST_F(BootPageTest, ValuesSurviveAPageSwitchAndAClickReloadsThePage) {
    PutOptions("");
    auto* window = host->ShowPage<pages::TWnd_Settings>();
    auto* page = dynamic_cast<TFrm_Boot*>(window->MainFormContainer->Form());
    ASSERT_NE(page, nullptr);
    page->MultiCheckBox8->PerformClick();
    window->Buttons[2]->PerformClick();
    EXPECT_STREQ(window->MainFormContainer->Form()->ClassName(), "TFrm_System");
    window->Buttons[0]->PerformClick();
    page = dynamic_cast<TFrm_Boot*>(window->MainFormContainer->Form());
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->MultiCheckBox8->Checked());
    // The same button makes a fresh page that reads the stored values.
    page->CheckBox3->PerformClick();
    window->Buttons[0]->PerformClick();
    auto* again = dynamic_cast<TFrm_Boot*>(window->MainFormContainer->Form());
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->CheckBox3->Checked());
    EXPECT_TRUE(again->MultiCheckBox8->Checked());
}

TEST_F(BootPageTest, WithoutTheCopyOfAnExistingMsdosSysTheOptionsAreLeftAlone) {
    QW_FAKE_ONLY(machine);
    machine.Put("C:\\MSDOS.SYS", "[Options]\r\nBootMenu=1\r\n");
    TFrm_Boot* page = Open();
    EXPECT_FALSE(page->CheckBox3->Enabled());
    EXPECT_FALSE(page->ComboBox1->Enabled());
    page->MultiCheckBox8->PerformClick();
    EXPECT_FALSE(machine.P().files().Exists(folder + "tmpcfg.twc"));
    EXPECT_EQ(Switch("sysini_386Enh", "FileSysChange"), "off");
}

TEST_F(BootPageTest, WithoutAnyMsdosSysTheFirstFlushWritesTheDefaults) {
    QW_FAKE_ONLY(machine);
    TFrm_Boot* page = Open();
    EXPECT_TRUE(page->CheckBox3->Enabled());
    EXPECT_TRUE(page->CheckBox4->Checked());
    Touch(page);
    EXPECT_EQ(Option("BootWarn"), 1);
    EXPECT_EQ(Option("BootMenuDelay"), 30);
}

TEST_F(BootPageTest, ALoadThatFailsPartWayWritesBackOnlyWhatItRead) {
    QW_FAKE_ONLY(machine);
    PutOptions("BootSafe=1\r\nBootWarn=0\r\nBootDelay=9\r\nLogo=0\r\n");
    machine.Fake()->profile().FailReadsOf("Autoscan");
    TFrm_Boot* page = Open();
    machine.Fake()->profile().FailReadsOf("");
    EXPECT_TRUE(page->MultiCheckBox4->Checked());
    page->MultiCheckBox4->PerformClick();
    EXPECT_EQ(Option("BootSafe"), 0);  // read, so written
    EXPECT_EQ(Option("BootWarn"), 0);  // after the failure: as stored
    EXPECT_EQ(Option("BootDelay"), 9);
    EXPECT_EQ(Option("Logo"), 0);
    EXPECT_EQ(Option("BootMenu"), -99);
}

// ------------------------------------------------------------ pictures

TEST_F(BootPageTest, PreviewsShowTheCopiesAndTheBuiltInStartPicture) {
    TFrm_Boot* page = Open();
    EXPECT_EQ(page->ImageEn1->Picture().Width(), 107);
    EXPECT_EQ(page->ImageEn1->Picture().Height(), 74);
    EXPECT_TRUE(page->ImageEn2->Picture().Empty());
    EXPECT_TRUE(page->ImageEn3->Picture().Empty());
    const widgets::TBitmap builtIn = page->ImageEn1->Picture();
    EXPECT_FALSE(machine.P().files().Exists(folder + "Logo2.bmp"));

    machine.Put(folder + "Logo.bmp", "BM damaged");
    machine.Put(folder + "logos.bmp", "BM damaged");
    machine.Put(folder + "logow.bmp", picture_samples::Gradient(320, 400).ToBmp24());
    page = Open();
    EXPECT_EQ(page->ImageEn1->Picture(), builtIn);
    EXPECT_TRUE(page->ImageEn2->Picture().Empty());
    EXPECT_EQ(page->ImageEn3->Picture().Width(), 107);
}

struct ImportCase {
    const char* file;
    std::string (*bytes)();
};

uint32_t U32(const std::string& b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
           uint32_t(uint8_t(b[at + 3])) << 24;
}

TEST_F(BootPageTest, AnImportWritesA320By400PictureOf256Colours) {
    PutSwitches("[winini_Options]\r\nNoEndLogo=1\r\n");
    const ImportCase cases[] = {
        {"foto.bmp", [] { return picture_samples::Gradient(640, 480).ToBmp24(); }},
        {"lauf.bmp", [] { return picture_samples::Rle8Sample(); }},
        {"foto.jpg", [] { return testing_support::SourceFile("tests/pages/data/photo.jpg"); }},
        {"foto.png", [] { return testing_support::SourceFile("tests/pages/data/photo.png"); }},
    };
    for (const ImportCase& c : cases) {
        const int changesBefore = host->changes;
        machine.Put(machine.Path(c.file), c.bytes());
        TFrm_Boot* page = Open();
        widgets::Headless().AnswerOpenDialog(machine.Path(c.file));
        page->epEfTrBtn3->PerformClick();
        const std::string bmp = machine.Get(folder + "logos.bmp");
        ASSERT_GE(bmp.size(), 54u) << c.file;
        EXPECT_EQ(U32(bmp, 14), 40u);
        EXPECT_EQ(U32(bmp, 18), 320u);
        EXPECT_EQ(U32(bmp, 22), 400u);
        EXPECT_EQ(uint8_t(bmp[28]), 8);
        EXPECT_EQ(U32(bmp, 30), 0u);
        EXPECT_EQ(U32(bmp, 46), 256u);
        EXPECT_EQ(bmp.size(), 14u + 40u + 1024u + 320u * 400u);
        EXPECT_EQ(page->ImageEn2->Picture().Width(), 110);
        EXPECT_EQ(page->ImageEn2->Picture().Height(), 77);
        EXPECT_EQ(host->changes, changesBefore + 1);
        EXPECT_FALSE(page->FusedCheckBox3->Checked()) << "the picture's box keeps its state";
        EXPECT_FALSE(machine.P().files().Exists(folder + "logos.neu"));
    }
    EXPECT_EQ(widgets::Headless().OpenDialogs().front(), "Bitmap-Grafiken (*.bmp)|*.BMP");
}

TEST_F(BootPageTest, AnUnreadablePictureOrAFailedWriteChangesNothing) {
    const std::string png = testing_support::SourceFile("tests/pages/data/photo.png");
    machine.Put(machine.Path("halb.png"), png.substr(0, png.size() / 2));
    machine.Put(machine.Path("quatsch.bmp"), std::string(500, 'q'));
    machine.Put(machine.Path("gut.bmp"), picture_samples::Gradient(64, 64).ToBmp24());
    machine.Put(folder + "Logo.bmp", "old");
    TFrm_Boot* page = Open();
    const widgets::TBitmap before = page->ImageEn1->Picture();
    widgets::Headless().AnswerOpenDialog(std::nullopt);
    widgets::Headless().AnswerOpenDialog(machine.Path("halb.png"));
    widgets::Headless().AnswerOpenDialog(machine.Path("quatsch.bmp"));
    for (int k = 0; k < 3; ++k) page->epEfTrBtn2->PerformClick();
    machine.P().files().CreateDirectory(folder + "logo.neu");  // the new copy cannot be written
    widgets::Headless().AnswerOpenDialog(machine.Path("gut.bmp"));
    page->epEfTrBtn2->PerformClick();
    machine.P().files().RemoveDirectory(folder + "logo.neu");
    const auto& messages = widgets::Headless().Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text, "Die Datei \"halb.png\" ist kein lesbares Bild.");
    EXPECT_EQ(messages[1].text, "Die Datei \"quatsch.bmp\" ist kein lesbares Bild.");
    EXPECT_EQ(messages[2].text, "Das Bild konnte nicht gespeichert werden.");
    for (const auto& m : messages) {
        EXPECT_EQ(m.caption, "Hinweis");
        EXPECT_EQ(m.icon, widgets::miInformation);
    }
    EXPECT_EQ(machine.Get(folder + "Logo.bmp"), "old");
    EXPECT_EQ(page->ImageEn1->Picture(), before);
    EXPECT_EQ(host->changes, 0);
}

}  // namespace
}  // namespace pages_test
