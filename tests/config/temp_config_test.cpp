#include "config/temp_config.h"

#include <gtest/gtest.h>

#include <map>

#include "config/errors.h"
#include "config/ini_file.h"
#include "tests/support/sample_machine.h"

using namespace testing_support;
using config::TIniFile;
using platform::RootKey;
using platform::ValueType;

namespace {

const std::string kNotWritten = "<none>";

class TempConfigTest : public MachineTest {
protected:
    void SetUp() override { InstallSample98(machine); }

    std::string Key(const std::string& section, const std::string& key) {
        return TIniFile(machine.Path("tmpcfg32.twc")).ReadString(section, key, kNotWritten);
    }
    void Snapshot() { config::CreateTempConfig(machine.Dir()); }
};

TEST_F(TempConfigTest, SampleMachineGivesEveryKey) {
    Snapshot();
    const std::map<std::pair<std::string, std::string>, std::string> expected = {
        {{"winini_Options", "NoDownMessage"}, "0"},
        {{"winini_Options", "NoEndLogo"}, "0"},
        {{"sysini_386Enh", "FileSysChange"}, "on"},
        {{"SysSets", "BeepOnError"}, "1"},
        {{"SysSets", "NameNumericTail"}, "1"},
        {{"SysSets", "DisablePositionSave"}, "0"},
        {{"SysSets", "MouseOnDefault"}, "0"},
        {{"WinSets", "BMPIco"}, "0"},
        {{"WinSets", "SmoothScroll"}, "0"},
        {{"WinSets", "FontAntiAlising"}, "0"},
        {{"WinSets", "MinAnim"}, "1"},
        {{"WinSets", "Owner"}, "Jörg Sommer"},
        {{"WinSets", "Organ"}, "Sommer Elektrotechnik GmbH"},
        {{"NetSets", "NoCancel"}, "0"},
        {{"NetSets", "FullScreen"}, "0"},
        {{"NetSets", "NoNetcrawl"}, "0"},
    };
    for (const auto& [where, value] : expected) {
        EXPECT_EQ(Key(where.first, where.second), value) << where.first << "/" << where.second;
    }
    EXPECT_NE(Key("WinSets", "DragFull"), kNotWritten);
}

struct SourceCase {
    const char* name;
    RootKey root;
    const char* key;
    const char* value;
    std::optional<platform::RegValue> stored;  // nothing: the value is missing
    const char* section;
    const char* tempKey;
    std::string expected;  // kNotWritten when the key is left out
};

platform::RegValue Sz(const std::string& text) { return {ValueType::Sz, platform::SzData(text)}; }
platform::RegValue Dword(uint32_t n) { return {ValueType::Dword, platform::DwordData(n)}; }
platform::RegValue Bin(const std::string& bytes) { return {ValueType::Binary, bytes}; }

class TempConfigSourceTest : public TempConfigTest, public ::testing::WithParamInterface<SourceCase> {};

TEST_P(TempConfigSourceTest, ReadsEachSourceByItsRule) {
    const SourceCase& c = GetParam();
    if (c.stored) {
        RegSet(c.root, c.key, c.value, c.stored->type, c.stored->data);
    } else {
        RegDelete(c.root, c.key, c.value);
    }
    Snapshot();
    EXPECT_EQ(Key(c.section, c.tempKey), c.expected);
}

const char* const kSound = "Control Panel\\Sound";
const char* const kFs = "System\\CurrentControlSet\\Control\\FileSystem";
const char* const kDesktop = "Control Panel\\desktop";
const char* const kMouse = "Control Panel\\Mouse";
const char* const kAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const char* const kLogon = "Network\\Logon";
const char* const kIe = "Software\\Microsoft\\Internet Explorer\\Main";

INSTANTIATE_TEST_SUITE_P(
    Cases, TempConfigSourceTest,
    ::testing::Values(
        SourceCase{"BeepMissing", RootKey::CurrentUser, kSound, "Beep", std::nullopt, "SysSets", "BeepOnError", "1"},
        SourceCase{"BeepYesUpper", RootKey::CurrentUser, kSound, "Beep", Sz("YES"), "SysSets", "BeepOnError", "1"},
        SourceCase{"BeepYes", RootKey::CurrentUser, kSound, "Beep", Sz("Yes"), "SysSets", "BeepOnError", "1"},
        SourceCase{"BeepNo", RootKey::CurrentUser, kSound, "Beep", Sz("No"), "SysSets", "BeepOnError", "0"},
        SourceCase{"BeepNumber", RootKey::CurrentUser, kSound, "Beep", Dword(1), "SysSets", "BeepOnError", kNotWritten},
        SourceCase{"TailOne", RootKey::LocalMachine, kFs, "NameNumericTail", Bin("\x01"), "SysSets", "NameNumericTail",
                   "1"},
        SourceCase{"TailOneZero", RootKey::LocalMachine, kFs, "NameNumericTail", Bin(std::string("\x01\x00", 2)),
                   "SysSets", "NameNumericTail", "1"},
        SourceCase{"TailOneOne", RootKey::LocalMachine, kFs, "NameNumericTail", Bin("\x01\x01"), "SysSets",
                   "NameNumericTail", "0"},
        SourceCase{"TailZero", RootKey::LocalMachine, kFs, "NameNumericTail", Bin(std::string("\x00", 1)), "SysSets",
                   "NameNumericTail", "0"},
        SourceCase{"TailMissing", RootKey::LocalMachine, kFs, "NameNumericTail", std::nullopt, "SysSets",
                   "NameNumericTail", "0"},
        SourceCase{"TailFourBytes", RootKey::LocalMachine, kFs, "NameNumericTail",
                   Bin(std::string("\x01\x00\x00\x00", 4)), "SysSets", "NameNumericTail", kNotWritten},
        SourceCase{"SnapOne", RootKey::CurrentUser, kMouse, "SnapToDefaultButton", Dword(1), "SysSets",
                   "MouseOnDefault", "1"},
        SourceCase{"SnapText", RootKey::CurrentUser, kMouse, "SnapToDefaultButton", Sz("1"), "SysSets",
                   "MouseOnDefault", "0"},
        SourceCase{"SnapMissing", RootKey::CurrentUser, kMouse, "SnapToDefaultButton", std::nullopt, "SysSets",
                   "MouseOnDefault", "0"},
        SourceCase{"IconOfPicture", RootKey::ClassesRoot, "Paint.Picture\\DefaultIcon", "", Sz("%1"), "WinSets",
                   "BMPIco", "1"},
        SourceCase{"IconOfProgram", RootKey::ClassesRoot, "Paint.Picture\\DefaultIcon", "", Sz("C:\\P\\MSPAINT.EXE,1"),
                   "WinSets", "BMPIco", "0"},
        SourceCase{"SmoothMissing", RootKey::CurrentUser, kDesktop, "SmoothScroll", std::nullopt, "WinSets",
                   "SmoothScroll", kNotWritten},
        SourceCase{"SmoothTwo", RootKey::CurrentUser, kDesktop, "SmoothScroll", Dword(2), "WinSets", "SmoothScroll",
                   "1"},
        SourceCase{"SmoothOff", RootKey::CurrentUser, kDesktop, "SmoothScroll", Dword(0), "WinSets", "SmoothScroll",
                   "0"},
        SourceCase{"FontSmoothingTwo", RootKey::CurrentUser, kDesktop, "FontSmoothing", Sz("2"), "WinSets",
                   "FontAntiAlising", "0"},
        SourceCase{"FontSmoothingOne", RootKey::CurrentUser, kDesktop, "FontSmoothing", Sz("1"), "WinSets",
                   "FontAntiAlising", "1"},
        SourceCase{"FontSmoothingMissing", RootKey::CurrentUser, kDesktop, "FontSmoothing", std::nullopt, "WinSets",
                   "FontAntiAlising", "0"},
        SourceCase{"ScrollProgramsNo", RootKey::CurrentUser, kAdvanced, "StartMenuScrollPrograms", Sz("no"), "WinSets",
                   "MinAnim", "0"},
        SourceCase{"ScrollProgramsYes", RootKey::CurrentUser, kAdvanced, "StartMenuScrollPrograms", Sz("yes"),
                   "WinSets", "MinAnim", "1"},
        SourceCase{"OwnerMissing", RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                   "RegisteredOwner", std::nullopt, "WinSets", "Owner", ""},
        // Text comes back from the temp config exactly as it was.
        SourceCase{"OwnerWithBlanks", RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                   "RegisteredOwner", Sz("  Owner Name "), "WinSets", "Owner", "  Owner Name "},
        SourceCase{"OrganizationInQuotes", RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                   "RegisteredOrganization", Sz("\"Firma GmbH\""), "WinSets", "Organ", "\"Firma GmbH\""},
        SourceCase{"OwnerInSingleQuotes", RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                   "RegisteredOwner", Sz("'O'"), "WinSets", "Owner", "'O'"},
        SourceCase{"LogonOne", RootKey::LocalMachine, kLogon, "MustBeValidated", Dword(1), "NetSets", "NoCancel", "1"},
        SourceCase{"LogonMissing", RootKey::LocalMachine, kLogon, "MustBeValidated", std::nullopt, "NetSets",
                   "NoCancel", kNotWritten},
        SourceCase{"FullScreenYes", RootKey::CurrentUser, kIe, "FullScreen", Sz("yes"), "NetSets", "FullScreen", "1"},
        SourceCase{"FullScreenMissing", RootKey::CurrentUser, kIe, "FullScreen", std::nullopt, "NetSets", "FullScreen",
                   "0"},
        SourceCase{"CrawlOne", RootKey::CurrentUser, kAdvanced, "NoNetcrawling", Dword(1), "NetSets", "NoNetcrawl",
                   "1"},
        SourceCase{"CrawlTwo", RootKey::CurrentUser, kAdvanced, "NoNetcrawling", Dword(2), "NetSets", "NoNetcrawl",
                   "0"},
        SourceCase{"CrawlMissing", RootKey::CurrentUser, kAdvanced, "NoNetcrawling", std::nullopt, "NetSets",
                   "NoNetcrawl", kNotWritten}),
    [](const ::testing::TestParamInfo<SourceCase>& info) { return std::string(info.param.name); });

TEST_F(TempConfigTest, UnreadableSourcesDoNotStopTheOtherSettings) {
    RegDelete(RootKey::LocalMachine, kLogon, "MustBeValidated");
    RegDelete(RootKey::CurrentUser, kDesktop, "SmoothScroll");
    Snapshot();
    EXPECT_EQ(Key("NetSets", "NoCancel"), kNotWritten);
    EXPECT_EQ(Key("WinSets", "SmoothScroll"), kNotWritten);
    for (const auto& [section, key] : std::vector<std::pair<const char*, const char*>>{{"WinSets", "FontAntiAlising"},
                                                                                       {"WinSets", "DragFull"},
                                                                                       {"WinSets", "MinAnim"},
                                                                                       {"WinSets", "Owner"},
                                                                                       {"WinSets", "Organ"},
                                                                                       {"NetSets", "FullScreen"},
                                                                                       {"NetSets", "NoNetcrawl"}}) {
        EXPECT_NE(Key(section, key), kNotWritten) << section << "/" << key;
    }
}

TEST_F(TempConfigTest, SecondRunOverwritesWhatItReadsAndKeepsWhatItCannot) {
    // The sample machine scrolls without smoothing; a value that is not the
    // default shows what the second run keeps.
    RegSet(RootKey::CurrentUser, kDesktop, "SmoothScroll", ValueType::Dword, platform::DwordData(1));
    Snapshot();
    ASSERT_EQ(Key("WinSets", "SmoothScroll"), "1");
    RegSet(RootKey::CurrentUser, kDesktop, "SmoothScroll", ValueType::Sz, platform::SzData("kaputt"));
    RegSet(RootKey::CurrentUser, kSound, "Beep", ValueType::Sz, platform::SzData("No"));
    Snapshot();
    EXPECT_EQ(Key("WinSets", "SmoothScroll"), "1");
    EXPECT_EQ(Key("SysSets", "BeepOnError"), "0");
}

TEST_F(TempConfigTest, WinIniAndSystemIniValues) {
    TIniFile winIni(SystemFile("win.ini"));
    winIni.WriteString("Options", "NoEndLogo", "0x1");
    winIni.WriteString("Options", "NoDownMessage", "ja");
    TIniFile(SystemFile("system.ini")).WriteString("386Enh", "FileSysChange", "Off");
    TIniFile(SystemFile("system.ini")).WriteString("NonWindowsApp", "DisablePositionSave", "1");
    Snapshot();
    EXPECT_EQ(Key("winini_Options", "NoEndLogo"), "1");
    EXPECT_EQ(Key("winini_Options", "NoDownMessage"), "0");
    EXPECT_EQ(Key("sysini_386Enh", "FileSysChange"), "Off");
    EXPECT_EQ(Key("SysSets", "DisablePositionSave"), "1");
}

TEST_F(TempConfigTest, CopiesTheSystemFilesWithTheirAttributesCleared) {
    Snapshot();
    EXPECT_EQ(machine.Get(machine.Path("tmpcfg.twc")), SourceFile("res/sample98/msdos.sys"));
    EXPECT_EQ(RhsAttributes(machine.Path("tmpcfg.twc")), 0u);
    EXPECT_EQ(RhsAttributes(SystemFile("msdos.sys")), kRhs);
    EXPECT_EQ(machine.Get(machine.Path("Logo.bmp")), SourceFile("res/sample98/logo.sys"));
    EXPECT_EQ(machine.Get(machine.Path("logos.bmp")), SourceFile("res/sample98/logos.sys"));
    EXPECT_EQ(machine.Get(machine.Path("logow.bmp")), SourceFile("res/sample98/logow.sys"));
}

TEST_F(TempConfigTest, MissingSystemFilesLeaveNoStaleCopies) {
    platform::FileSystem& files = machine.P().files();
    machine.Put(machine.Path("Logo.bmp"), "old start logo");
    machine.Put(machine.Path("tmpcfg.twc"), "[Options]\r\nBootGUI=0\r\n");
    files.SetAttributes(SystemFile("msdos.sys"), platform::attr::Normal);
    ASSERT_TRUE(files.DeleteFile(SystemFile("msdos.sys")));
    ASSERT_TRUE(files.DeleteFile(SystemFile("logo.sys")));
    Snapshot();
    EXPECT_FALSE(files.Exists(machine.Path("Logo.bmp")));
    EXPECT_FALSE(files.Exists(machine.Path("tmpcfg.twc")));
    EXPECT_TRUE(files.Exists(machine.Path("logos.bmp")));
}

TEST_F(TempConfigTest, FailedWriteOfTheTempConfigEndsTheSnapshot) {
    // A folder of that name cannot be written as a file.
    ASSERT_TRUE(machine.P().files().CreateDirectory(machine.Path("tmpcfg32.twc")));
    EXPECT_THROW(Snapshot(), config::EIniFileException);
}

}  // namespace
