#include "config/apply_settings.h"

#include <gtest/gtest.h>

#include "config/errors.h"
#include "config/ini_file.h"
#include "config/temp_config.h"
#include "platform/fake/fake_platform.h"
#include "tests/support/sample_machine.h"

using namespace testing_support;
using config::Answer;
using config::Question;
using config::TIniFile;
using platform::RootKey;
using platform::ValueType;

namespace {

const char* const kSound = "Control Panel\\Sound";
const char* const kDesktop = "Control Panel\\desktop";
const char* const kAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const char* const kIcon = "Paint.Picture\\DefaultIcon";
const char* const kPaintIcon = "C:\\Programme\\Zubehör\\MSPAINT.EXE,1";
const char* const kOptions = "Software\\Halvorn\\Quellwerk";

// Answers questions from a script and keeps what was asked.
struct ScriptedUser {
    std::vector<Answer> answers;
    std::vector<Question> asked;
    config::AskFunction Ask() {
        return [this](const Question& q) {
            asked.push_back(q);
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected question: " << q.text;
                return Answer::No;
            }
            const Answer a = answers.front();
            answers.erase(answers.begin());
            return a;
        };
    }
};

class ApplySettingsTest : public MachineTest {
protected:
    void SetUp() override {
        InstallSample98(machine);
        config::CreateTempConfig(machine.Dir());
    }
    TIniFile Temp() { return TIniFile(machine.Path("tmpcfg32.twc")); }
    void Apply() { config::SetChangedSettings(machine.Dir()); }
    std::optional<platform::RegValue> Reg(RootKey root, const std::string& key, const std::string& name) {
        return RegGet(root, key, name);
    }
    std::string Text(RootKey root, const std::string& key, const std::string& name) {
        const auto value = RegGet(root, key, name);
        if (!value) return "<missing>";
        EXPECT_TRUE(value->type == ValueType::Sz) << name;
        return platform::TextOfSz(value->data);
    }
};

struct RegistryCase {
    const char* name;
    const char* section;
    const char* key;
    const char* tempValue;
    RootKey root;
    const char* regKey;
    const char* regValue;
    std::optional<platform::RegValue> expected;  // nothing: the value is deleted
};

platform::RegValue Sz(const std::string& text) { return {ValueType::Sz, platform::SzData(text)}; }
platform::RegValue Dword(uint32_t n) { return {ValueType::Dword, platform::DwordData(n)}; }

class ApplyRegistryTest : public ApplySettingsTest, public ::testing::WithParamInterface<RegistryCase> {};

TEST_P(ApplyRegistryTest, WritesTheValueInItsType) {
    const RegistryCase& c = GetParam();
    Temp().WriteString(c.section, c.key, c.tempValue);
    Apply();
    const auto value = Reg(c.root, c.regKey, c.regValue);
    ASSERT_EQ(value.has_value(), c.expected.has_value());
    if (value) {
        EXPECT_EQ(static_cast<int>(value->type), static_cast<int>(c.expected->type));
        EXPECT_EQ(value->data, c.expected->data);
    }
}

const char* const kFs = "System\\CurrentControlSet\\Control\\FileSystem";
const char* const kLogon = "Network\\Logon";
const char* const kIe = "Software\\Microsoft\\Internet Explorer\\Main";
const char* const kVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

INSTANTIATE_TEST_SUITE_P(
    Cases, ApplyRegistryTest,
    ::testing::Values(
        RegistryCase{"BeepOn", "SysSets", "BeepOnError", "1", RootKey::CurrentUser, kSound, "Beep", std::nullopt},
        RegistryCase{"BeepOff", "SysSets", "BeepOnError", "0", RootKey::CurrentUser, kSound, "Beep", Sz("No")},
        RegistryCase{"TailOn", "SysSets", "NameNumericTail", "1", RootKey::LocalMachine, kFs, "NameNumericTail",
                     platform::RegValue{ValueType::Binary, std::string("\x01\x00", 2)}},
        RegistryCase{"TailOff", "SysSets", "NameNumericTail", "0", RootKey::LocalMachine, kFs, "NameNumericTail",
                     platform::RegValue{ValueType::Binary, std::string("\x00\x00", 2)}},
        RegistryCase{"SnapOn", "SysSets", "MouseOnDefault", "1", RootKey::CurrentUser, "Control Panel\\Mouse",
                     "SnapToDefaultButton", Dword(1)},
        RegistryCase{"SmoothOff", "WinSets", "SmoothScroll", "0", RootKey::CurrentUser, kDesktop, "SmoothScroll",
                     Dword(0)},
        RegistryCase{"FontOn", "WinSets", "FontAntiAlising", "1", RootKey::CurrentUser, kDesktop, "FontSmoothing",
                     Sz("1")},
        RegistryCase{"ScrollOn", "WinSets", "MinAnim", "1", RootKey::CurrentUser, kAdvanced, "StartMenuScrollPrograms",
                     Sz("YES")},
        RegistryCase{"ScrollOff", "WinSets", "MinAnim", "0", RootKey::CurrentUser, kAdvanced, "StartMenuScrollPrograms",
                     Sz("NO")},
        RegistryCase{"Owner", "WinSets", "Owner", "Änne Groß", RootKey::LocalMachine, kVersion, "RegisteredOwner",
                     Sz("Änne Groß")},
        RegistryCase{"LogonOn", "NetSets", "NoCancel", "1", RootKey::LocalMachine, kLogon, "MustBeValidated", Dword(1)},
        RegistryCase{"LogonOff", "NetSets", "NoCancel", "0", RootKey::LocalMachine, kLogon, "MustBeValidated",
                     std::nullopt},
        RegistryCase{"CrawlOn", "NetSets", "NoNetcrawl", "1", RootKey::CurrentUser, kAdvanced, "NoNetcrawling",
                     Dword(1)},
        RegistryCase{"CrawlOff", "NetSets", "NoNetcrawl", "0", RootKey::CurrentUser, kAdvanced, "NoNetcrawling",
                     std::nullopt},
        RegistryCase{"FullScreenOn", "NetSets", "FullScreen", "1", RootKey::CurrentUser, kIe, "FullScreen", Sz("YES")},
        RegistryCase{"FullScreenOff", "NetSets", "FullScreen", "0", RootKey::CurrentUser, kIe, "FullScreen",
                     std::nullopt}),
    [](const ::testing::TestParamInfo<RegistryCase>& info) { return std::string(info.param.name); });

TEST_F(ApplySettingsTest, FullWindowDraggingIsSavedAndBroadcast) {
    Temp().WriteBool("WinSets", "DragFull", true);
    Apply();
    EXPECT_EQ(machine.P().system().GetSystemParameterFlag(platform::kSpiGetDragFullWindows), true);
    if (machine.IsFake()) {
        const auto& calls = machine.Fake()->system().ParameterCalls();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].action, platform::kSpiSetDragFullWindows);
        EXPECT_EQ(calls[0].param, 1u);
        EXPECT_EQ(calls[0].winIniFlags, platform::kSpifUpdateIniFile | platform::kSpifSendChange);
    }
}

TEST_F(ApplySettingsTest, BitmapIconsKeepTheOldIconAcrossRunsAndRestoreIt) {
    Temp().WriteBool("WinSets", "BMPIco", true);
    Apply();
    EXPECT_EQ(Text(RootKey::ClassesRoot, kIcon, ""), "%1");
    EXPECT_EQ(Text(RootKey::ClassesRoot, kIcon, "oldicon"), kPaintIcon);

    // The next program run sees "%1" and must not lose the old icon.
    config::CreateTempConfig(machine.Dir());
    EXPECT_TRUE(Temp().ReadBool("WinSets", "BMPIco", false));
    Apply();
    EXPECT_EQ(Text(RootKey::ClassesRoot, kIcon, "oldicon"), kPaintIcon);

    Temp().WriteBool("WinSets", "BMPIco", false);
    Apply();
    EXPECT_EQ(Text(RootKey::ClassesRoot, kIcon, ""), kPaintIcon);
    EXPECT_EQ(Text(RootKey::ClassesRoot, kIcon, "oldicon"), "<missing>");
}

TEST_F(ApplySettingsTest, BitmapIconsOffLeavesAnIconThatWasNeverSwitched) {
    RegSet(RootKey::ClassesRoot, kIcon, "", ValueType::Sz, platform::SzData("C:\\eigen.ico"));
    Temp().WriteBool("WinSets", "BMPIco", false);
    Apply();
    EXPECT_EQ(Text(RootKey::ClassesRoot, kIcon, ""), "C:\\eigen.ico");
}

struct FileSysCase {
    const char* tempValue;
    const char* expected;  // the value in [386Enh], or "-" when the key is gone
};

class ApplyFileSysTest : public ApplySettingsTest, public ::testing::WithParamInterface<FileSysCase> {};

TEST_P(ApplyFileSysTest, OffIsWrittenAndAnythingElseRemovesTheKey) {
    TIniFile(SystemFile("system.ini")).WriteString("386Enh", "FileSysChange", "on");
    Temp().WriteString("sysini_386Enh", "FileSysChange", GetParam().tempValue);
    Apply();
    EXPECT_EQ(TIniFile(SystemFile("system.ini")).ReadString("386Enh", "FileSysChange", "-"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ApplyFileSysTest,
                         ::testing::Values(FileSysCase{"OFF", "off"}, FileSysCase{"off", "off"}, FileSysCase{"On", "-"},
                                           FileSysCase{"", "-"}));

TEST_F(ApplySettingsTest, ReadOnlySystemIniGetsBothChangesAndStaysReadOnly) {
    platform::FileSystem& files = machine.P().files();
    const std::string systemIni = SystemFile("system.ini");
    files.SetAttributes(systemIni, platform::attr::ReadOnly | platform::attr::Archive);
    Temp().WriteString("sysini_386Enh", "FileSysChange", "off");
    Temp().WriteBool("SysSets", "DisablePositionSave", true);
    Apply();
    EXPECT_EQ(RhsAttributes(systemIni), platform::attr::ReadOnly);
    files.SetAttributes(systemIni, platform::attr::Normal);
    EXPECT_EQ(TIniFile(systemIni).ReadString("386Enh", "FileSysChange", "-"), "off");
    EXPECT_EQ(TIniFile(systemIni).ReadString("NonWindowsApp", "DisablePositionSave", "-"), "1");
}

TEST_F(ApplySettingsTest, BootOptionsReplaceMsdosSysAndKeepItsAttributes) {
    const std::string copy = machine.Path("tmpcfg.twc");
    TIniFile(copy).WriteInteger("Options", "BootGUI", 0);
    TIniFile(copy).WriteInteger("Options", "Logo", 0);
    Apply();
    EXPECT_EQ(machine.Get(SystemFile("msdos.sys")), machine.Get(copy));
    EXPECT_EQ(RhsAttributes(SystemFile("msdos.sys")), kRhs);
}

TEST_F(ApplySettingsTest, PicturesAreCopiedBackOverTheSystemFiles) {
    platform::FileSystem& files = machine.P().files();
    files.SetAttributes(SystemFile("logos.sys"), platform::attr::ReadOnly | platform::attr::Hidden);
    machine.Put(machine.Path("logos.bmp"), "BM new shut-down screen");
    machine.Put(machine.Path("Logo.bmp"), "BM new start logo");
    ASSERT_TRUE(files.DeleteFile(machine.Path("logow.bmp")));
    Apply();
    EXPECT_EQ(RhsAttributes(SystemFile("logos.sys")), platform::attr::ReadOnly | platform::attr::Hidden);
    files.SetAttributes(SystemFile("logos.sys"), platform::attr::Normal);
    EXPECT_EQ(machine.Get(SystemFile("logos.sys")), "BM new shut-down screen");
    EXPECT_EQ(machine.Get("C:\\logo.sys"), "BM new start logo");
    EXPECT_EQ(machine.Get(SystemFile("logow.sys")), SourceFile("res/sample98/logow.sys"));
}

// ---------------------------------------------------------------- closing

class CloseQueryTest : public ApplySettingsTest {
protected:
    ScriptedUser user;
    bool Close(bool changed) { return config::CloseQuery(changed, machine.Dir(), user.Ask()); }
};

TEST_F(CloseQueryTest, UnchangedSettingsAskNothing) {
    EXPECT_TRUE(Close(false));
    EXPECT_TRUE(user.asked.empty());
}

TEST_F(CloseQueryTest, CancelKeepsTheProgramRunningAndWritesNothing) {
    Temp().WriteBool("SysSets", "BeepOnError", false);
    const std::string temp = machine.Get(machine.Path("tmpcfg32.twc"));
    user.answers = {Answer::Cancel};
    EXPECT_FALSE(Close(true));
    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].text, "Sollen die veränderten Einstellungen übernommen werden?");
    EXPECT_EQ(user.asked[0].caption, "Hinweis");
    EXPECT_EQ(user.asked[0].buttons, config::QuestionButtons::YesNoCancel);
    EXPECT_EQ(Text(RootKey::CurrentUser, kSound, "Beep"), "yes");
    EXPECT_EQ(machine.Get(machine.Path("tmpcfg32.twc")), temp);

    user.answers = {Answer::No};
    EXPECT_TRUE(Close(true));
    EXPECT_EQ(user.asked.size(), 2u);
    EXPECT_EQ(Text(RootKey::CurrentUser, kSound, "Beep"), "yes");
}

TEST_F(CloseQueryTest, YesApplies) {
    Temp().WriteBool("SysSets", "BeepOnError", false);
    user.answers = {Answer::Yes};
    EXPECT_TRUE(Close(true));
    EXPECT_EQ(Text(RootKey::CurrentUser, kSound, "Beep"), "No");
}

struct RebootCase {
    std::optional<std::string> exitOption;  // nothing: no value
    bool restartFlag;
    bool asked;
};

class RebootTest : public CloseQueryTest, public ::testing::WithParamInterface<RebootCase> {};

TEST_P(RebootTest, ExitOptionAndRestartFlagDecideTheQuestion) {
    const RebootCase& c = GetParam();
    if (c.exitOption)
        RegSet(RootKey::CurrentUser, std::string(kOptions) + "\\Options", "Exit", ValueType::Sz,
               platform::SzData(*c.exitOption));
    if (c.restartFlag)
        RegSet(RootKey::CurrentUser, std::string(kOptions) + "\\General", "ExitMode", ValueType::Sz,
               platform::SzData("1"));
    if (c.asked) user.answers = {Answer::No};
    EXPECT_TRUE(Close(false));
    ASSERT_EQ(user.asked.size(), c.asked ? 1u : 0u);
    if (c.asked) {
        EXPECT_EQ(user.asked[0].text,
                  "Das System muß neu gestartet werden, um alle Änderungen zu übernehmen. \r\r"
                  "Soll Quellwerk dies für Sie übernehmen?");
        EXPECT_EQ(user.asked[0].caption, "Hinweis");
        EXPECT_EQ(user.asked[0].buttons, config::QuestionButtons::YesNo);
    }
    const bool flagLeft = RegGet(RootKey::CurrentUser, std::string(kOptions) + "\\General", "ExitMode").has_value();
    const bool exitZero = !c.exitOption || *c.exitOption == "0";
    EXPECT_EQ(flagLeft, c.restartFlag && !exitZero);
}

INSTANTIATE_TEST_SUITE_P(Cases, RebootTest,
                         ::testing::Values(RebootCase{std::nullopt, false, false}, RebootCase{std::nullopt, true, true},
                                           RebootCase{"0", true, true}, RebootCase{"0", false, false},
                                           RebootCase{"1", true, false}, RebootCase{"2", false, true},
                                           RebootCase{"2", true, true}, RebootCase{"7", true, false},
                                           RebootCase{"zwei", false, false}));

TEST_F(CloseQueryTest, YesToTheRestartRebootsAndTheFlagIsGone) {
    QW_FAKE_ONLY(machine);  // no test ever restarts the machine it runs on
    RegSet(RootKey::CurrentUser, std::string(kOptions) + "\\General", "ExitMode", ValueType::Sz, platform::SzData("1"));
    user.answers = {Answer::Yes};
    EXPECT_TRUE(Close(false));
    EXPECT_EQ(machine.Fake()->system().ExitCalls(), std::vector<uint32_t>{platform::kEwxReboot});
    EXPECT_FALSE(RegGet(RootKey::CurrentUser, std::string(kOptions) + "\\General", "ExitMode"));
}

TEST_F(CloseQueryTest, ExitOptionOfAnotherTypeRaisesTheDataTypeError) {
    RegSet(RootKey::CurrentUser, std::string(kOptions) + "\\Options", "Exit", ValueType::Dword, platform::DwordData(2));
    try {
        Close(false);
        FAIL() << "no error";
    } catch (const config::ERegistryException& e) {
        EXPECT_EQ(std::string(e.what()), "Ungültiger Datentyp für 'Exit'");
    }
}

}  // namespace
