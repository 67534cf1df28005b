// The interface, system and network pages: what they show of the temp
// config, what they write back, the logon question, the MS-DOS defaults,
// the applets and the outside modules behind their buttons.
#include <gtest/gtest.h>

#include <functional>

#include "config/ini_file.h"
#include "pages/custom_interface_ax.h"
#include "pages/custom_misc_ax.h"
#include "pages/custom_system_ax.h"
#include "sysinfo/collectors/network.h"
#include "tests/pages/pages_fixture.h"
#include "widgets/headless_dialogs.h"
#include "widgets/outside_module.h"

namespace pages_test {
namespace {

using pages::TFrm_Interface;
using pages::TFrm_More;
using pages::TFrm_System;
using platform::RootKey;

class SettingsPagesTest : public PageTest {
protected:
    void PutSettings(const std::string& text) { machine.Put(folder + "tmpcfg32.twc", text); }
    std::string Key(const char* section, const char* key) const {
        return config::TIniFile(folder + "tmpcfg32.twc").ReadString(section, key, "(fehlt)");
    }
    // Leaves the page the way the settings window does: the next page
    // replaces it.
    void Leave() {
        host->ShowPage<TFrm_System>();
        widgets::Application().ProcessMessages();
    }
    void SetVersion(uint32_t minor) {
        machine.Fake()->system().SetVersion(
            {4, minor, (4u << 24) | (minor << 16) | 2222, platform::kPlatformWindows, ""});
    }
    // The installed network protocols, as Windows 9x registers them.
    void SetProtocols(const std::vector<std::string>& names) {
        auto& registry = machine.P().registry();
        const std::string classes = sysinfo::collectors::kClassKey;
        auto type = registry.OpenKey(RootKey::LocalMachine, classes + "\\Protocols", true);
        type->SetValue("Class", platform::ValueType::Sz, platform::SzData("NetTrans"));
        type->SetValue("Link", platform::ValueType::Sz, platform::SzData("NetTrans"));
        for (size_t k = 0; k < names.size(); ++k) {
            registry.OpenKey(RootKey::LocalMachine, classes + "\\NETTRANS\\000" + std::to_string(k), true)
                ->SetValue("DriverDesc", platform::ValueType::Sz, platform::SzData(names[k]));
        }
    }
};

struct UnchangedCase {
    const char* page;
    std::function<void(THost&)> open;
    const char* section;
    std::vector<std::pair<const char*, const char*>> stored;  // key, value written back
};

TEST_F(SettingsPagesTest, LeavingAPageUnchangedWritesAllItsKeysBackWithoutCountingAChange) {
    const UnchangedCase cases[] = {
        {"Oberfläche",
         [](THost& h) { h.ShowPage<TFrm_Interface>(); },
         "WinSets",
         {{"BMPIco", "1"},
          {"SmoothScroll", "0"},
          {"FontAntiAlising", "1"},
          {"DragFull", "0"},
          {"MinAnim", "1"},
          {"Owner", "Jörg Sommer"},
          {"Organ", ""}}},
        {"System",
         [](THost& h) { h.ShowPage<TFrm_System>(); },
         "SysSets",
         {{"BeepOnError", "1"}, {"NameNumericTail", "0"}, {"DisablePositionSave", "1"}, {"MouseOnDefault", "0"}}},
        {"Weiteres",
         [](THost& h) { h.ShowPage<TFrm_More>(); },
         "NetSets",
         {{"NoCancel", "1"}, {"NoNetcrawl", "1"}, {"FullScreen", "0"}}},
    };
    for (const UnchangedCase& c : cases) {
        SCOPED_TRACE(c.page);
        std::string text = std::string("[") + c.section + "]\r\n";
        for (const auto& [key, value] : c.stored) {
            if (*value) text += std::string(key) + "=" + value + "\r\n";
        }
        PutSettings(text);
        c.open(*host);
        host->Container->Form()->Release();  // the flush of the release
        widgets::Application().ProcessMessages();
        for (const auto& [key, value] : c.stored) EXPECT_EQ(Key(c.section, key), value) << key;
        EXPECT_EQ(host->changes, 0);
    }
}

TEST_F(SettingsPagesTest, AnOwnerNameIsWrittenKeystrokeByKeystroke) {
    TFrm_Interface* page = host->ShowPage<TFrm_Interface>();
    const std::string name = "Hanna";
    for (size_t k = 1; k <= name.size(); ++k) {
        page->Edit1->TypeText(name.substr(k - 1, 1));
        EXPECT_EQ(Key("WinSets", "Owner"), name.substr(0, k));
    }
    EXPECT_EQ(host->changes, 5);
    EXPECT_EQ(Key("WinSets", "SmoothScroll"), "0");  // every key with every flush
}

struct FlagCase {
    const char* stored;  // null: the key is missing
    bool checked;
    const char* written;
};

TEST_F(SettingsPagesTest, FlagsReadAsNumbersAndAreWrittenAsOneOrZero) {
    const FlagCase cases[] = {{nullptr, false, "0"}, {"2", true, "1"}, {"0", false, "0"}, {"ja", false, "0"}};
    for (const FlagCase& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "missing");
        PutSettings(std::string("[WinSets]\r\nSmoothScroll=1\r\n") +
                    (c.stored ? std::string("DragFull=") + c.stored : ""));
        TFrm_Interface* page = host->ShowPage<TFrm_Interface>();
        EXPECT_EQ(page->FusedCheckBox2->Checked(), c.checked);
        EXPECT_TRUE(page->FusedCheckBox5->Checked());
        Leave();
        EXPECT_EQ(Key("WinSets", "DragFull"), c.written);
    }
}

TEST_F(SettingsPagesTest, TheSystemSwitchesMapDirectly) {
    PutSettings("[SysSets]\r\nDisablePositionSave=1\r\n");
    TFrm_System* page = host->ShowPage<TFrm_System>();
    EXPECT_EQ(page->FusedCheckBox3->Caption(), "&Sichern von Schriftart und Position");
    EXPECT_TRUE(page->FusedCheckBox3->Checked());
    EXPECT_FALSE(page->FusedCheckBox2->Checked());
    EXPECT_EQ(page->FusedCheckBox2->Caption(), "Dateinamen mit Tilde kürzen");
    page->FusedCheckBox2->PerformClick();
    EXPECT_EQ(Key("SysSets", "NameNumericTail"), "1");
    page->FusedCheckBox2->PerformClick();
    EXPECT_EQ(Key("SysSets", "NameNumericTail"), "0");
    EXPECT_EQ(Key("SysSets", "DisablePositionSave"), "1");
    EXPECT_EQ(host->changes, 2);
}

TEST_F(SettingsPagesTest, TheMsDosDefaultsOpenThePropertySheetOfThePifFile) {
    QW_FAKE_ONLY(machine);
    auto& shell = machine.Fake()->shell();
    const std::string windows = machine.P().files().WindowsDirectory();
    const std::string pif = windows + "\\_default.pif";
    struct Case {
        const char* name;
        bool present, madeByShell;
        size_t links, sheets;
    } cases[] = {{"present", true, false, 0, 1},
                 {"missing, made of the link", false, true, 1, 1},
                 {"missing, not made", false, false, 1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        machine.P().files().DeleteFile(pif);
        machine.P().files().DeleteFile(windows + "\\_default.lnk");
        if (c.present) machine.Put(pif, "PIF");
        shell.OnLinkSaved([&](const platform::ShellLinkRequest&) {
            if (c.madeByShell) machine.Put(pif, "PIF");
        });
        const size_t links = shell.Links().size(), sheets = shell.Launches().size();
        host->ShowPage<TFrm_System>()->epEfTrBtn7->PerformClick();
        ASSERT_EQ(shell.Links().size() - links, c.links);
        if (c.links) {
            const platform::ShellLinkRequest& link = shell.Links().back();
            EXPECT_EQ(link.linkFile, windows + "\\_default.lnk");
            EXPECT_EQ(link.description, "_default");
            EXPECT_EQ(link.iconFile, "PIFMGR.DLL");
            EXPECT_EQ(link.iconIndex, 0);
            EXPECT_EQ(link.target, "");
            EXPECT_EQ(link.show, platform::kSwShowNormal);
            EXPECT_TRUE(machine.P().files().Exists(windows + "\\_default.lnk"));
        }
        ASSERT_EQ(shell.Launches().size() - sheets, c.sheets);
        if (c.sheets) {
            const platform::ShellExecuteRequest& sheet = shell.Launches().back();
            EXPECT_EQ(sheet.verb, "properties");
            EXPECT_EQ(sheet.file, pif);
            EXPECT_TRUE(sheet.invokeIdList);
            EXPECT_EQ(sheet.ownerWindow, 0u);
            EXPECT_EQ(sheet.show, 0);
        }
    }
    EXPECT_EQ(host->changes, 0);
}

struct LogonCase {
    const char* name;
    std::vector<std::string> protocols;
    std::optional<widgets::TModalResult> answer;  // none: no question
    const char* stored;
};

TEST_F(SettingsPagesTest, TheLogonQuestionComesOnlyWhenTheFirstOfSeveralProtocolsIsNotMicrosofts) {
    QW_FAKE_ONLY(machine);
    const LogonCase cases[] = {
        {"two, answered No", {"IPX/SPX-kompatibles Protokoll", "TCP/IP"}, widgets::mrNo, "0"},
        {"two, answered Yes", {"NetBEUI", "TCP/IP"}, widgets::mrYes, "1"},
        {"one", {"TCP/IP"}, std::nullopt, "1"},
        {"Microsoft first", {"Client für Microsoft-Netzwerke", "TCP/IP"}, std::nullopt, "1"},
        {"Family first", {"Microsoft Family Logon", "TCP/IP"}, std::nullopt, "1"},
        {"microsoft in small letters", {"client für microsoft-netzwerke", "TCP/IP"}, widgets::mrYes, "1"},
    };
    for (const LogonCase& c : cases) {
        SCOPED_TRACE(c.name);
        machine.P().registry().DeleteKey(RootKey::LocalMachine, sysinfo::collectors::kClassKey);
        SetProtocols(c.protocols);
        PutSettings("[NetSets]\r\nNoCancel=0\r\n");
        widgets::Headless().Reset();
        host->changes = 0;
        if (c.answer) widgets::Headless().AnswerMessage(*c.answer);
        TFrm_More* page = host->ShowPage<TFrm_More>();
        page->FusedCheckBox1->PerformClick();
        EXPECT_EQ(Key("NetSets", "NoCancel"), c.stored);
        EXPECT_EQ(page->FusedCheckBox1->Checked(), std::string(c.stored) == "1");
        EXPECT_GE(host->changes, 1);
        const auto& messages = widgets::Headless().Messages();
        ASSERT_EQ(messages.size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(messages[0].text, TFrm_More::kLogonQuestion);
            EXPECT_EQ(messages[0].caption, "Hinweis");
            EXPECT_EQ(messages[0].buttons, widgets::mbYesNo);
            EXPECT_EQ(messages[0].icon, widgets::miExclamation);
        }
    }
}

TEST_F(SettingsPagesTest, UncheckingTheLogonBoxStoresZeroAtOnceWithoutAQuestion) {
    PutSettings("[NetSets]\r\nNoCancel=1\r\n");
    TFrm_More* page = host->ShowPage<TFrm_More>();
    ASSERT_TRUE(page->FusedCheckBox1->Checked());
    page->FusedCheckBox1->PerformClick();
    EXPECT_EQ(Key("NetSets", "NoCancel"), "0");
    EXPECT_EQ(host->changes, 1);
    EXPECT_TRUE(widgets::Headless().Messages().empty());
}

TEST_F(SettingsPagesTest, TheNetworkSearchCanBeChangedOnlyOnWindowsMe) {
    QW_FAKE_ONLY(machine);
    for (uint32_t minor : {10u, 90u}) {
        SCOPED_TRACE(minor);
        SetVersion(minor);
        PutSettings("[NetSets]\r\nNoNetcrawl=1\r\n");
        TFrm_More* page = host->ShowPage<TFrm_More>();
        EXPECT_TRUE(page->FusedCheckBox3->Checked());
        EXPECT_EQ(page->FusedCheckBox3->Enabled(), minor == 90);
        EXPECT_EQ(page->Label4->Enabled(), minor == 90);
        page->FusedCheckBox2->PerformClick();
        EXPECT_EQ(Key("NetSets", "NoNetcrawl"), "1");  // written also while disabled
        EXPECT_EQ(Key("NetSets", "FullScreen"), "1");
    }
}

TEST_F(SettingsPagesTest, ThePasswordToolDoesNothing) {
    TFrm_More* page = host->ShowPage<TFrm_More>();
    page->epEfTrBtn9->PerformClick();
    EXPECT_EQ(host->changes, 0);
    EXPECT_TRUE(widgets::Headless().Messages().empty());
    if (machine.IsFake()) {
        EXPECT_TRUE(machine.Fake()->modules().Calls().empty());
    }
}

struct AppletCase {
    const char* item;
    const char* parameters;
};

TEST_F(SettingsPagesTest, EachAppletItemLaunchesItsApplet) {
    QW_FAKE_ONLY(machine);
    const std::string p = "shell32.dll,Control_RunDLL ";
    const std::vector<AppletCase> interfaceItems = {
        {"Akustische Signale", ""}, {"Benutzer", ""}, {"Desktop Motive", "themes.cpl,@0,0"}};
    const std::vector<AppletCase> systemItems = {{"Anzeige", "desk.cpl,@0,0"},
                                                 {"Eingabehilfen", "access.cpl,@0,0"},
                                                 {"Energieverwaltung", "powercfg.cpl,@0,0"},
                                                 {"Gamecontroller", "Joy.cpl,@0,0"},
                                                 {"Hardware", ""}};
    const std::vector<AppletCase> networkItems = {
        {"Internetoptionen", "inetcpl.cpl,@0,0"}, {"Netwerkoptionen", "Netcpl.cpl,@0,0"}, {"Modems", "Modem.cpl,@0,0"}};
    auto check = [&](widgets::TImageComboBox* box, widgets::TepMorphButton* button,
                     const std::vector<AppletCase>& items) {
        ASSERT_EQ(box->Items().size(), items.size());
        EXPECT_EQ(box->ItemIndex(), 0);
        for (size_t k = 0; k < items.size(); ++k) {
            SCOPED_TRACE(items[k].item);
            EXPECT_EQ(box->Item(static_cast<int>(k)), items[k].item);
            box->SetItemIndex(static_cast<int>(k));
            button->PerformClick();
            const auto& launches = machine.Fake()->shell().Launches();
            ASSERT_FALSE(launches.empty());
            EXPECT_EQ(launches.back().file, "rundll32.exe");
            EXPECT_EQ(launches.back().parameters, p + items[k].parameters);
        }
    };
    TFrm_Interface* face = host->ShowPage<TFrm_Interface>();
    check(face->ComboBox1, face->epMorphButton1, interfaceItems);
    TFrm_System* system = host->ShowPage<TFrm_System>();
    check(system->ComboBox1, system->epMorphButton1, systemItems);
    TFrm_More* more = host->ShowPage<TFrm_More>();
    check(more->ComboBox1, more->epMorphButton1, networkItems);
    EXPECT_EQ(host->changes, 0);
}

struct LauncherCase {
    std::function<widgets::TepEfTrBtn*(THost&)> press;
    const char* module;
    const char* entry;
};

TEST_F(SettingsPagesTest, EachLauncherCallsItsEntryPointAndAMissingOneGivesANote) {
    QW_FAKE_ONLY(machine);
    auto& modules = machine.Fake()->modules();
    const LauncherCase cases[] = {
        {[](THost& h) { return h.ShowPage<TFrm_Interface>()->epEfTrBtn2; }, "qw32ifs.dll", "qw32SetStart"},
        {[](THost& h) { return h.ShowPage<TFrm_Interface>()->epEfTrBtn1; }, "qw32ifs.dll", "qw32ExplorerSet"},
        {[](THost& h) { return h.ShowPage<TFrm_Interface>()->epEfTrBtn4; }, "qw32ifs.dll", "qw32DesktopSets"},
        {[](THost& h) { return h.ShowPage<TFrm_Interface>()->epEfTrBtn3; }, "qw32ifs.dll", "qw32SetIco"},
        {[](THost& h) { return h.ShowPage<TFrm_Interface>()->epEfTrBtn8; }, "qw32ifs.dll", "qw32AutoStart"},
        {[](THost& h) { return h.ShowPage<TFrm_Interface>()->epEfTrBtn5; }, "qw32ifs.dll", "qw32MMSets"},
        {[](THost& h) { return h.ShowPage<TFrm_System>()->epEfTrBtn2; }, "qw32ssm.dll", "SysSetSM"},
        {[](THost& h) { return h.ShowPage<TFrm_System>()->epEfTrBtn1; }, "qw32ssm.dll", "MemSetWndSM"},
        {[](THost& h) { return h.ShowPage<TFrm_System>()->epEfTrBtn4; }, "qw32ssm.dll", "DrvControlSM"},
        {[](THost& h) { return h.ShowPage<TFrm_System>()->epEfTrBtn3; }, "qw32ssm.dll", "DeviceSetWndSM"},
        {[](THost& h) { return h.ShowPage<TFrm_System>()->epEfTrBtn6; }, "qw32ssm.dll", "ProgEditSM"},
        {[](THost& h) { return h.ShowPage<TFrm_System>()->epEfTrBtn5; }, "qw32ssm.dll", "ShowVideoSM"},
        {[](THost& h) { return h.ShowPage<TFrm_More>()->epEfTrBtn2; }, "qw32ians.dll", "RunAxessControl"},
        {[](THost& h) { return h.ShowPage<TFrm_More>()->epEfTrBtn1; }, "qw32ians.dll", "RunSecControl"},
        {[](THost& h) { return h.ShowPage<TFrm_More>()->epEfTrBtn4; }, "qw32ians.dll", "GenINS"},
        {[](THost& h) { return h.ShowPage<TFrm_More>()->epEfTrBtn3; }, "qw32ians.dll", "IESet"},
        {[](THost& h) { return h.ShowPage<TFrm_More>()->epEfTrBtn6; }, "qw32ians.dll", "MoreINS"},
        {[](THost& h) { return h.ShowPage<TFrm_More>()->epEfTrBtn5; }, "qw32ians.dll", "XtendedIESet"},
    };
    for (const LauncherCase& c : cases) {
        SCOPED_TRACE(c.entry);
        const std::string path = folder + c.module;
        // Present: the entry runs, no note.
        modules.Add(path, {c.entry});
        modules.ClearCalls();
        widgets::Headless().Reset();
        c.press(*host)->PerformClick();
        ASSERT_EQ(modules.Calls().size(), 1u);
        EXPECT_EQ(modules.Calls()[0].path, path);
        EXPECT_EQ(modules.Calls()[0].entry, c.entry);
        EXPECT_EQ(modules.Calls()[0].result, platform::ModuleCall::Done);
        EXPECT_TRUE(widgets::Headless().Messages().empty());
        // Without the entry point, and without the module: a note each.
        modules.Add(path, {"RunGUI"});
        c.press(*host)->PerformClick();
        modules.Remove(path);
        c.press(*host)->PerformClick();
        ASSERT_EQ(widgets::Headless().Messages().size(), 2u);
        for (const auto& message : widgets::Headless().Messages()) {
            EXPECT_EQ(message.text, widgets::MissingModuleText(c.module));
            EXPECT_EQ(message.caption, "Hinweis");
        }
    }
    EXPECT_EQ(host->changes, 0);
}

}  // namespace
}  // namespace pages_test
