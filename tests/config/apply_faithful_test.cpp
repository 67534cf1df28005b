// Applying writes back exactly what the user changed. System files of the
// kind found on old machines, registry values that the snapshot cannot read
// or that carry blanks and quotes, and protected logo files come back byte
// for byte; only the managed keys that changed differ, laid out by the
// rewrite rules of the INI document (blank and Ctrl-Z lines go, lines end
// CR LF, sections without entries go).
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "config/apply_settings.h"
#include "config/errors.h"
#include "config/ini_file.h"
#include "config/temp_config.h"
#include "platform/fake/fake_platform.h"
#include "tests/support/interposed_platform.h"
#include "tests/support/sample_machine.h"

using namespace testing_support;
using config::TIniFile;
using platform::RootKey;
using platform::ValueType;

namespace {

const char* const kSound = "Control Panel\\Sound";
const char* const kFs = "System\\CurrentControlSet\\Control\\FileSystem";
const char* const kAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const char* const kVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char* const kDesktop = "Control Panel\\desktop";

std::string Sz(const std::string& text) { return "1:" + platform::SzData(text); }
std::string Dword(uint32_t n) { return "4:" + platform::DwordData(n); }

// The sample machine with every managed value in the form that applying
// writes it, so that applying without a change has nothing to rewrite: a
// flag that is off is a missing value, the short-name tails are two bytes,
// win.ini and system.ini hold every managed key.
void InstallCanonical98(const TestMachine& machine) {
    InstallSample98(machine);
    RegDelete(RootKey::CurrentUser, kSound, "Beep");
    RegSet(RootKey::LocalMachine, kFs, "NameNumericTail", ValueType::Binary, std::string("\x01\x00", 2));
    RegDelete(RootKey::CurrentUser, kAdvanced, "NoNetcrawling");
    RegDelete(RootKey::LocalMachine, "Network\\Logon", "MustBeValidated");
    RegDelete(RootKey::CurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "FullScreen");
    std::string winIni = machine.Get(SystemFile("win.ini"));
    winIni.replace(winIni.find("NoDownMessage=0\r\n"), 17, "NoDownMessage=0\r\nNoEndLogo=0\r\n");
    machine.Put(SystemFile("win.ini"), winIni);
    std::string systemIni = machine.Get(SystemFile("system.ini"));
    const std::string sizes = "TTInitialSizes=4 5 6 7 8 9 10 11 12 13 14 15 16 18 20 22\r\n";
    systemIni.replace(systemIni.find(sizes), sizes.size(), sizes + "DisablePositionSave=0\r\n");
    machine.Put(SystemFile("system.ini"), systemIni);
}

void Protect(const std::string& path, uint32_t attributes) {
    ASSERT_TRUE(platform::Get().files().SetAttributes(path, attributes)) << path;
}

using Change = std::tuple<const char*, const char*, const char*>;  // section, key, value

void WriteChanges(const TestMachine& machine, const std::vector<Change>& changes) {
    const TIniFile temp(machine.Path("tmpcfg32.twc"));
    for (const auto& [section, key, value] : changes) config::WriteTextSetting(temp, section, key, value);
}

struct FaithfulCase {
    const char* label;
    std::string winIni;                               // as found; empty: the canonical machine's
    std::string systemIni;                            // as found; empty: the canonical machine's
    std::function<void(const TestMachine&)> arrange;  // before the snapshot
    std::vector<Change> changes;                      // what the user changed on the pages
    std::function<void(const TestMachine&)> edit;     // what else the pages did
    std::string winIniAfter;                          // empty: not changed
    std::string systemIniAfter;                       // empty: not changed
    MachineDump changed;                              // every other entry that differs afterwards
};

void PrintTo(const FaithfulCase& c, std::ostream* os) { *os << c.label; }

class ApplyFaithfulTest : public MachineTest, public ::testing::WithParamInterface<FaithfulCase> {};

TEST_P(ApplyFaithfulTest, ChangesExactlyTheManagedKeys) {
    const FaithfulCase& c = GetParam();
    InstallCanonical98(machine);
    if (!c.winIni.empty()) machine.Put(SystemFile("win.ini"), c.winIni);
    if (!c.systemIni.empty()) machine.Put(SystemFile("system.ini"), c.systemIni);
    if (c.arrange) c.arrange(machine);
    const MachineDump before = TakeMachineDump(machine);

    config::CreateTempConfig(machine.Dir());
    WriteChanges(machine, c.changes);
    if (c.edit) c.edit(machine);
    config::SetChangedSettings(machine.Dir());

    MachineDump expected = before;
    if (!c.winIniAfter.empty()) expected["win.ini"] = c.winIniAfter;
    if (!c.systemIniAfter.empty()) expected["system.ini"] = c.systemIniAfter;
    for (const auto& [what, value] : c.changed) expected[what] = value;
    const MachineDump after = TakeMachineDump(machine);
    for (const auto& [what, value] : expected) EXPECT_EQ(after.at(what), value) << what;
}

INSTANTIATE_TEST_SUITE_P(
    Machines, ApplyFaithfulTest,
    ::testing::Values(
        FaithfulCase{"BlanksAndTabsAroundTheEquals",
                     "[windows]\r\nload=\r\nrun=\r\n\r\n[Options]\r\nNoDownMessage = 0\r\n\tNoEndLogo\t=\t0\r\n\r\n"
                     "[intl]\r\nsCountry=Deutschland\r\n",
                     "[boot]\r\nshell=Explorer.exe\r\n\r\n[386Enh]\r\nebios=*ebios\r\n  FileSysChange = off\r\n\r\n"
                     "[NonWindowsApp]\r\nDisablePositionSave\t= 0\r\n",
                     nullptr,
                     {{"winini_Options", "NoEndLogo", "1"}, {"sysini_386Enh", "FileSysChange", "on"}},
                     nullptr,
                     "[windows]\r\nload=\r\nrun=\r\n\r\n[Options]\r\nNoDownMessage = 0\r\nNoEndLogo=1\r\n\r\n"
                     "[intl]\r\nsCountry=Deutschland\r\n\r\n",
                     "[boot]\r\nshell=Explorer.exe\r\n\r\n[386Enh]\r\nebios=*ebios\r\n\r\n"
                     "[NonWindowsApp]\r\nDisablePositionSave\t= 0\r\n\r\n",
                     {}},
        FaithfulCase{
            "HeadersWithBlanksAndComments",
            "[windows]\r\nload=\r\n[Options] \r\nNoDownMessage=0\r\n[Colors] ; Farben\r\n"
            "Window=255 255 255\r\n  [intl]\r\nsCountry=Deutschland\r\n[ fonts ]\r\nArial (TrueType)=ARIAL.TTF\r\n",
            "[boot]\r\nshell=Explorer.exe\r\n[386Enh] \r\nebios=*ebios\r\n[ NonWindowsApp ] ; DOS\r\n"
            "DisablePositionSave=0\r\n",
            nullptr,
            {{"winini_Options", "NoDownMessage", "1"},
             {"winini_Options", "NoEndLogo", "1"},
             {"sysini_386Enh", "FileSysChange", "off"}},
            nullptr,
            "[windows]\r\nload=\r\n\r\n[Options] \r\nNoDownMessage=1\r\nNoEndLogo=1\r\n\r\n[Colors] ; Farben\r\n"
            "Window=255 255 255\r\n\r\n  [intl]\r\nsCountry=Deutschland\r\n\r\n[ fonts ]\r\n"
            "Arial (TrueType)=ARIAL.TTF\r\n\r\n",
            "[boot]\r\nshell=Explorer.exe\r\n\r\n[386Enh] \r\nebios=*ebios\r\nFileSysChange=off\r\n\r\n"
            "[ NonWindowsApp ] ; DOS\r\nDisablePositionSave=0\r\n\r\n",
            {}},
        FaithfulCase{"LoneCrAndMixedLineEnds",
                     "; für 16-Bit-Anwendungen\r[windows]\rload=\r\r[Options]\rNoDownMessage=0\rNoEndLogo=1\r",
                     "[boot]\nshell=Explorer.exe\n\n[386Enh]\r\nebios=*ebios\rwoafont=dosapp.fon\n\r[NonWindowsApp]\r\n"
                     "DisablePositionSave=0\n",
                     nullptr,
                     {{"winini_Options", "NoEndLogo", "0"}, {"sysini_386Enh", "FileSysChange", "off"}},
                     nullptr,
                     "; für 16-Bit-Anwendungen\r\n[windows]\r\nload=\r\n\r\n[Options]\r\nNoDownMessage=0\r\n"
                     "NoEndLogo=0\r\n\r\n",
                     "[boot]\r\nshell=Explorer.exe\r\n\r\n[386Enh]\r\nebios=*ebios\r\nwoafont=dosapp.fon\r\n"
                     "FileSysChange=off\r\n\r\n[NonWindowsApp]\r\nDisablePositionSave=0\r\n\r\n",
                     {}},
        FaithfulCase{"LfOnlyCommentsAndNoFinalLineEnd",
                     "[Options]\n; vom Setup\nNoDownMessage=0\n;NoEndLogo=1\n[fonts]\nArial (TrueType)=ARIAL.TTF",
                     "[386Enh]\r\n; Geräte\r\nebios=*ebios\r\nFileSysChange=off\r\n[NonWindowsApp]\r\n"
                     "DisablePositionSave=0\r\n\x1a",
                     nullptr,
                     {{"winini_Options", "NoEndLogo", "1"}, {"sysini_386Enh", "FileSysChange", "on"}},
                     nullptr,
                     "[Options]\r\n; vom Setup\r\nNoDownMessage=0\r\n;NoEndLogo=1\r\nNoEndLogo=1\r\n\r\n[fonts]\r\n"
                     "Arial (TrueType)=ARIAL.TTF\r\n\r\n",
                     "[386Enh]\r\n; Geräte\r\nebios=*ebios\r\n\r\n[NonWindowsApp]\r\nDisablePositionSave=0\r\n\r\n",
                     {}},
        FaithfulCase{"ProtectedLogoFile",
                     "",
                     "",
                     [](const TestMachine&) {
                         Protect(SystemFile("logos.sys"),
                                 platform::attr::ReadOnly | platform::attr::Hidden | platform::attr::Archive);
                     },
                     {},
                     // The boot page imports a picture into the copy.
                     [](const TestMachine& machine) { machine.Put(machine.Path("logos.bmp"), "BM neues Bild"); },
                     "",
                     "",
                     {{"logos.sys", "BM neues Bild"}}},
        FaithfulCase{"OwnerWithBlanksAndInQuotes",
                     "",
                     "",
                     [](const TestMachine&) {
                         RegSet(RootKey::LocalMachine, kVersion, "RegisteredOwner", ValueType::Sz,
                                platform::SzData("  Owner Name "));
                         RegSet(RootKey::LocalMachine, kVersion, "RegisteredOrganization", ValueType::Sz,
                                platform::SzData("\"Firma GmbH\""));
                     },
                     {{"WinSets", "SmoothScroll", "0"}},
                     nullptr,
                     "",
                     "",
                     {{std::string(kDesktop) + "\\SmoothScroll", Dword(0)},
                      {std::string(kVersion) + "\\RegisteredOwner", Sz("  Owner Name ")},
                      {std::string(kVersion) + "\\RegisteredOrganization", Sz("\"Firma GmbH\"")}}},
        FaithfulCase{
            "UnreadableSetting",
            "",
            "",
            [](const TestMachine&) {
                RegSet(RootKey::CurrentUser, kSound, "Beep", ValueType::Dword, platform::DwordData(1));
            },
            {{"WinSets", "FontAntiAlising", "1"}},
            nullptr,
            "",
            "",
            {{std::string(kDesktop) + "\\FontSmoothing", Sz("1")}, {std::string(kSound) + "\\Beep", Dword(1)}}}),
    [](const ::testing::TestParamInfo<FaithfulCase>& info) { return std::string(info.param.label); });

// Yes to applying without any change: the user changed a setting and set it
// back. Every managed value and file is as it was, byte for byte, also
// where the files are odd and the values unusual.
TEST_F(MachineTest, YesWithoutAChangeLeavesEverythingAsItWas) {
    InstallCanonical98(machine);
    machine.Put(SystemFile("win.ini"),
                "; für 16-Bit-Anwendungen\r[windows]\rload=\r\r[Options] \r NoDownMessage = 0\r\tNoEndLogo\t=\t1\r"
                "[Colors] ; Farben\rWindow=255 255 255\r");
    machine.Put(SystemFile("system.ini"),
                "[boot]\nshell=Explorer.exe\n  [386Enh]\r\n; Geräte\r\nebios=*ebios\rFileSysChange = off\n\n"
                "[ NonWindowsApp ] ; DOS\r\nDisablePositionSave = 0\r\n\x1a\r\n[vcache]");
    RegSet(RootKey::LocalMachine, kVersion, "RegisteredOwner", ValueType::Sz, platform::SzData("  Owner Name "));
    RegSet(RootKey::LocalMachine, kVersion, "RegisteredOrganization", ValueType::Sz,
           platform::SzData("\"Firma GmbH\""));
    RegSet(RootKey::CurrentUser, kSound, "Beep", ValueType::Dword, platform::DwordData(1));
    Protect(SystemFile("logos.sys"), platform::attr::ReadOnly | platform::attr::Hidden | platform::attr::Archive);
    const MachineDump before = TakeMachineDump(machine);

    config::CreateTempConfig(machine.Dir());
    int asked = 0;
    EXPECT_TRUE(config::CloseQuery(true, machine.Dir(), [&](const config::Question& q) {
        ++asked;
        EXPECT_EQ(q.text, config::kApplyQuestion);
        return config::Answer::Yes;
    }));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(TakeMachineDump(machine), before);
}

// A temp config that went missing or holds garbage changes nothing: no
// setting is reset to a default because its key is not there.
TEST_F(MachineTest, MissingOrGarbageTempConfigChangesNothing) {
    InstallSample98(machine);
    config::CreateTempConfig(machine.Dir());
    platform::FileSystem& files = machine.P().files();
    ASSERT_TRUE(files.DeleteFile(machine.Path("tmpcfg.twc")));
    const MachineDump before = TakeMachineDump(machine);
    for (const std::string& content : {std::string(), std::string("\x01\x02garbage\xff\r\n[[[\r\n=\r\n", 20)}) {
        files.DeleteFile(machine.Path("tmpcfg32.twc"));
        if (!content.empty()) machine.Put(machine.Path("tmpcfg32.twc"), content);
        ASSERT_NO_THROW(config::SetChangedSettings(machine.Dir()));
        EXPECT_EQ(TakeMachineDump(machine), before) << (content.empty() ? "missing" : "garbage");
    }
}

// ------------------------------------------------------------ picture copies

class PictureCopyTest : public MachineTest {
protected:
    void SetUp() override { InstallCanonical98(machine); }
    const std::string system = SystemFile("logos.sys");
    const std::string copy = machine.Path("logos.bmp");
    void ReplaceSystemPicture(const std::string& bytes) {
        const uint32_t kept = machine.P().files().GetAttributes(system);
        Protect(system, platform::attr::Normal);
        machine.Put(system, bytes);
        Protect(system, kept);
    }
};

// Windows' copy carries the read-only and hidden attributes of a protected
// logo file over to the picture copy. The copy must stay replaceable: by
// the next run, by the boot page, and gone when the system file is gone.
TEST_F(PictureCopyTest, CopyOfAProtectedLogoStaysReplaceable) {
    Protect(system, platform::attr::ReadOnly | platform::attr::Hidden | platform::attr::Archive);
    config::CreateTempConfig(machine.Dir());
    EXPECT_EQ(RhsAttributes(copy), 0u);
    EXPECT_TRUE(machine.P().files().WriteFile(copy, "BM vom Startseiten-Import"));

    ReplaceSystemPicture("BM zweites Bild");
    config::CreateTempConfig(machine.Dir());
    EXPECT_EQ(machine.Get(copy), "BM zweites Bild");

    Protect(system, platform::attr::Normal);
    ASSERT_TRUE(machine.P().files().DeleteFile(system));
    config::CreateTempConfig(machine.Dir());
    EXPECT_FALSE(machine.P().files().Exists(copy));
}

// A protected copy left by an earlier run is replaced, and removed when its
// system file is gone.
TEST_F(PictureCopyTest, ProtectedCopyOfAnEarlierRunIsReplacedOrRemoved) {
    const uint32_t protecting = platform::attr::ReadOnly | platform::attr::Hidden;
    machine.Put(copy, "BM eines frueheren Laufs");
    Protect(copy, protecting);
    config::CreateTempConfig(machine.Dir());
    EXPECT_EQ(machine.Get(copy), machine.Get(system));
    EXPECT_EQ(RhsAttributes(copy), 0u);

    Protect(copy, protecting);
    Protect(system, platform::attr::Normal);
    ASSERT_TRUE(machine.P().files().DeleteFile(system));
    config::CreateTempConfig(machine.Dir());
    EXPECT_FALSE(machine.P().files().Exists(copy));
}

// A copy held open by another program cannot be replaced or removed; it
// holds the picture of an earlier run, and applying must not put that back.
TEST_F(PictureCopyTest, CopyThatCannotBeReplacedIsNotWrittenBack) {
    config::CreateTempConfig(machine.Dir());
    ReplaceSystemPicture("BM neueres Bild");
    {
        InterposedPlatform held;
        held.heldOpen = InterposedPlatform::Is(copy);
        config::CreateTempConfig(machine.Dir());
        EXPECT_TRUE(config::IsStaleCopy(copy));
        config::SetChangedSettings(machine.Dir());
    }
    EXPECT_EQ(machine.Get(system), "BM neueres Bild");
    // The next run can replace it again, and applies it again.
    config::CreateTempConfig(machine.Dir());
    EXPECT_FALSE(config::IsStaleCopy(copy));
    machine.Put(copy, "BM importiert");
    config::SetChangedSettings(machine.Dir());
    EXPECT_EQ(machine.Get(system), "BM importiert");
}

// ------------------------------------------------------- errors of applying

class ApplyErrorTest : public MachineTest {
protected:
    void SetUp() override {
        InstallCanonical98(machine);
        config::CreateTempConfig(machine.Dir());
        WriteChanges(machine, {{"winini_Options", "NoEndLogo", "1"},
                               {"sysini_386Enh", "FileSysChange", "off"},
                               {"SysSets", "DisablePositionSave", "1"},
                               {"SysSets", "MouseOnDefault", "1"},
                               {"WinSets", "SmoothScroll", "0"},
                               {"NetSets", "FullScreen", "1"}});
        before = TakeMachineDump(machine);
    }
    MachineDump before;
    // The settings after the mouse setting were applied.
    void ExpectLaterStepsRan() {
        const MachineDump after = TakeMachineDump(machine);
        EXPECT_EQ(after.at(std::string(kDesktop) + "\\SmoothScroll"), Dword(0));
        EXPECT_EQ(after.at("Software\\Microsoft\\Internet Explorer\\Main\\FullScreen"), Sz("YES"));
    }
};

// A win.ini that exists but cannot be read ends applying: read as empty, it
// would be replaced by a file of one section.
TEST_F(ApplyErrorTest, UnreadableWinIniEndsApplyingAndStaysAsItWas) {
    {
        InterposedPlatform faults;
        faults.unreadable = InterposedPlatform::Is(SystemFile("win.ini"));
        EXPECT_THROW(config::SetChangedSettings(machine.Dir()), config::EIniFileException);
    }
    const MachineDump after = TakeMachineDump(machine);
    EXPECT_EQ(after.at("win.ini"), before.at("win.ini"));
    EXPECT_EQ(after.at("system.ini"), before.at("system.ini"));  // applying stopped before system.ini
}

// A win.ini that cannot be replaced (held open by another program) is an
// error that ends applying before system.ini, not a write swallowed.
TEST_F(ApplyErrorTest, WinIniThatCannotBeWrittenEndsApplyingBeforeSystemIni) {
    {
        InterposedPlatform faults;
        faults.heldOpen = InterposedPlatform::Is(SystemFile("win.ini"));
        EXPECT_THROW(config::SetChangedSettings(machine.Dir()), config::EIniFileException);
    }
    const MachineDump after = TakeMachineDump(machine);
    EXPECT_EQ(after.at("win.ini"), before.at("win.ini"));
    EXPECT_EQ(after.at("system.ini"), before.at("system.ini"));
}

// A key of system.ini that cannot be written is passed over, and
// applying goes on.
TEST_F(ApplyErrorTest, RefusedSystemIniKeyIsPassedOver) {
    {
        InterposedPlatform faults;
        faults.refusedProfile = InterposedPlatform::Is("system.ini");
        EXPECT_NO_THROW(config::SetChangedSettings(machine.Dir()));
    }
    EXPECT_EQ(TIniFile(SystemFile("system.ini")).ReadString("386Enh", "FileSysChange", "-"), "off");
    EXPECT_EQ(TIniFile(SystemFile("system.ini")).ReadString("NonWindowsApp", "DisablePositionSave", "-"), "0");
    ExpectLaterStepsRan();
}

// Whatever goes wrong with the mouse setting is passed over.
TEST_F(ApplyErrorTest, MouseKeyThatCannotBeOpenedIsPassedOver) {
    {
        InterposedPlatform faults;
        faults.closedKey = [](RootKey root, const std::string& path) {
            return root == RootKey::CurrentUser && config::SameText(path, "Control Panel\\Mouse");
        };
        EXPECT_NO_THROW(config::SetChangedSettings(machine.Dir()));
    }
    EXPECT_EQ(TakeMachineDump(machine).at("Control Panel\\Mouse\\SnapToDefaultButton"), Dword(0));
    ExpectLaterStepsRan();
}

// The start logo goes to the root of C:, where the system takes it from,
// also when the logo file found lies on another fixed drive; that file
// keeps its attributes and content.
TEST_F(MachineTest, StartLogoIsWrittenToTheRootOfC) {
    QW_FAKE_ONLY(machine);  // Wine has no second fixed drive to put a logo on
    InstallCanonical98(machine);
    platform::FileSystem& files = machine.P().files();
    machine.Fake()->files().SetDriveType('D', platform::DriveType::Fixed);
    machine.Put("D:\\logo.sys", "BM auf D");
    Protect("D:\\logo.sys", platform::attr::ReadOnly | platform::attr::Hidden);
    ASSERT_TRUE(files.DeleteFile("C:\\logo.sys"));
    config::CreateTempConfig(machine.Dir());
    EXPECT_EQ(machine.Get(machine.Path("Logo.bmp")), "BM auf D");
    machine.Put(machine.Path("Logo.bmp"), "BM neues Startbild");
    config::SetChangedSettings(machine.Dir());
    EXPECT_EQ(machine.Get("C:\\logo.sys"), "BM neues Startbild");
    EXPECT_EQ(machine.Get("D:\\logo.sys"), "BM auf D");
    EXPECT_EQ(RhsAttributes("D:\\logo.sys"), platform::attr::ReadOnly | platform::attr::Hidden);
}

}  // namespace
