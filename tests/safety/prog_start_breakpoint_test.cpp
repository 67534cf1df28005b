// The start-up breakpoint: the counter, the archive set and its shift, the
// content of an archive, and the faults it must not have (a failed cabinet
// costing a good archive, a start that cannot count). On the fake and under
// Wine; the folders are the program folder of the test executable.
#include "safety/prog_start_breakpoint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "config/big_ini_file.h"
#include "config/text.h"
#include "platform/fake/fake_platform.h"
#include "platform/helpers.h"
#include "tests/support/cab_listing.h"
#include "tests/support/sample_machine.h"
#include "tests/support/test_machine.h"

namespace {

using safety::BreakpointArchiveName;
using testing_support::CabNames;
using Names = std::vector<std::string>;

class BreakpointTest : public testing_support::MachineTest {
protected:
    void SetUp() override {
        program = platform::ProgramFolder();
        folder = program + "brkpoint\\";
        cfgPath = program + "qw32break.cfg";
        Clean();
        // A small, known machine: the breakpoint's own files come from Files
        // entries below the scratch folder.
        machine.Put(machine.Path("a.ini"), "[a]\r\nx=1\r\n");
    }
    void TearDown() override { Clean(); }

    void Clean() {
        platform::FileSystem& files = machine.P().files();
        files.SetAttributes(cfgPath, platform::attr::Normal);
        files.DeleteFile(cfgPath);
        for (const auto& hit : files.Find(folder + "*")) {
            if (hit.name == "." || hit.name == "..") continue;
            files.SetAttributes(folder + hit.name, platform::attr::Normal);
            files.DeleteFile(folder + hit.name);
        }
        files.RemoveDirectory(folder.substr(0, folder.size() - 1));
    }

    void Cfg(const std::string& text) { machine.Put(cfgPath, text); }
    // The Files section that keeps the archive small on any machine.
    std::string OwnFiles() const { return "[Files]\r\nf1=" + machine.Path("a.ini") + "\r\n"; }

    int Counter() { return config::TBigIniFile(cfgPath).ReadInteger("Counter", "ProgStart", -99); }
    std::string Archive(int k) { return folder + BreakpointArchiveName(k); }
    bool Has(int k) { return machine.P().files().Exists(Archive(k)); }
    void PutArchive(int k, const std::string& bytes) {
        machine.P().files().CreateDirectory(folder.substr(0, folder.size() - 1));
        machine.Put(Archive(k), bytes);
    }
    std::vector<int> Present(int upTo = 6) {
        std::vector<int> present;
        for (int k = 0; k <= upTo; ++k) {
            if (Has(k)) present.push_back(k);
        }
        return present;
    }

    // One start's breakpoint step; true when the gauge was shown.
    bool Run() {
        safety::TMakeCab cab(nullptr);
        bool shown = false;
        safety::CreateProgStartBreakPoint(cab, [&] { shown = true; });
        return shown;
    }

    std::string program, folder, cfgPath;
};

TEST_F(BreakpointTest, WithoutCfgTheThirdStartTakesArchiveFive) {
    Cfg(OwnFiles());
    EXPECT_FALSE(Run());
    EXPECT_EQ(Counter(), 2);
    EXPECT_TRUE(machine.P().files().Exists(folder.substr(0, folder.size() - 1)));  // made at every call
    EXPECT_FALSE(Run());
    EXPECT_EQ(Counter(), 3);
    EXPECT_TRUE(Run());
    EXPECT_EQ(Counter(), 1);
    EXPECT_EQ(Present(), std::vector<int>{5});
    const Names names = CabNames(machine.Get(Archive(5)));
    EXPECT_NE(std::find(names.begin(), names.end(), "a.ini"), names.end());  // the long name of the search
    EXPECT_FALSE(machine.P().files().Exists(folder + "Quellwerk Programmstart.tmp"));
}

TEST_F(BreakpointTest, TheFourthBreakpointLacksArchiveOneAndTheFifthHasAll) {
    Cfg("[Option]\r\nProgStartCount=1\r\n" + OwnFiles());
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(Run());
    EXPECT_EQ(Present(), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_TRUE(Run());
    EXPECT_EQ(Present(), (std::vector<int>{1, 2, 3, 4, 5}));
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(machine.Get(Archive(k)).substr(0, 4), "MSCF") << k;
}

TEST_F(BreakpointTest, ACountOfOneOrLessTakesOneAtEveryStart) {
    QW_FAKE_ONLY(machine);
    for (const char* count : {"1", "0", "-1"}) {
        Clean();
        Cfg(std::string("[Option]\r\nProgStartCount=") + count + "\r\n" + OwnFiles());
        EXPECT_TRUE(Run()) << count;
        EXPECT_TRUE(Run()) << count;
        EXPECT_EQ(Counter(), 1) << count;
    }
}

TEST_F(BreakpointTest, ASetOfOneAndASetOfNothing) {
    QW_FAKE_ONLY(machine);
    auto& bin = machine.Fake()->recycleBin();
    Cfg("[Option]\r\nProgStartCount=1\r\nTTLProgStart=1\r\n" + OwnFiles());
    PutArchive(1, "old 1");
    EXPECT_TRUE(Run());
    EXPECT_EQ(Present(), std::vector<int>{1});
    EXPECT_EQ(machine.Get(Archive(1)).substr(0, 4), "MSCF");
    EXPECT_TRUE(bin.Items().empty());  // deleted for good, then written anew

    Cfg("[Option]\r\nProgStartCount=1\r\nTTLProgStart=0\r\n" + OwnFiles());
    PutArchive(0, "old 0");
    EXPECT_TRUE(Run());
    EXPECT_EQ(machine.Get(Archive(0)).substr(0, 4), "MSCF");
    ASSERT_EQ(bin.Items().size(), 1u);
    EXPECT_EQ(bin.Items()[0].path, Archive(0));
    EXPECT_EQ(bin.Items()[0].bytes, "old 0");
}

TEST_F(BreakpointTest, AMissingNumberLeavesTheOneBelowAsItWas) {
    Cfg("[Option]\r\nProgStartCount=1\r\n" + OwnFiles());
    for (int k : {1, 2, 4, 5}) PutArchive(k, "old " + std::to_string(k));
    EXPECT_TRUE(Run());
    EXPECT_EQ(machine.Get(Archive(1)), "old 2");
    EXPECT_EQ(machine.Get(Archive(2)), "old 2");
    EXPECT_EQ(machine.Get(Archive(3)), "old 4");
    EXPECT_EQ(machine.Get(Archive(4)), "old 5");
    EXPECT_EQ(machine.Get(Archive(5)).substr(0, 4), "MSCF");
    if (auto* fake = machine.Fake()) {
        ASSERT_EQ(fake->recycleBin().Items().size(), 1u);
        EXPECT_EQ(fake->recycleBin().Items()[0].bytes, "old 5");
    }
}

TEST_F(BreakpointTest, AHugeSetCostsNothingAtStart) {
    QW_FAKE_ONLY(machine);
    Cfg("[Option]\r\nProgStartCount=1\r\nTTLProgStart=2000000000\r\n" + OwnFiles());
    PutArchive(7, "old 7");
    EXPECT_TRUE(Run());
    EXPECT_EQ(machine.Get(Archive(6)), "old 7");
    EXPECT_TRUE(machine.P().files().Exists(folder + BreakpointArchiveName(2000000000)));
}

TEST_F(BreakpointTest, AFailedCabinetLeavesAllFiveArchives) {
    QW_FAKE_ONLY(machine);
    Cfg("[Option]\r\nProgStartCount=1\r\n" + OwnFiles());
    for (int k = 1; k <= 5; ++k) PutArchive(k, "old " + std::to_string(k));
    machine.Fake()->fileAccess().FailWrites(folder + "Quellwerk Programmstart.tmp");
    EXPECT_TRUE(Run());
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(machine.Get(Archive(k)), "old " + std::to_string(k));
    EXPECT_TRUE(machine.Fake()->recycleBin().Items().empty());
    EXPECT_FALSE(machine.P().files().Exists(folder + "Quellwerk Programmstart.tmp"));

    // Nothing to store at all: no archive either, and the set stays.
    Cfg("[Option]\r\nProgStartCount=1\r\n[Files]\r\nf1=" + machine.Path("missing.ini") + "\r\n");
    machine.P().files().DeleteFile(machine.P().files().WindowsDirectory() + "\\win.ini");
    machine.P().files().DeleteFile(machine.P().files().WindowsDirectory() + "\\system.ini");
    EXPECT_TRUE(Run());
    EXPECT_EQ(Present(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(machine.Get(Archive(5)), "old 5");
}

TEST_F(BreakpointTest, AnUnwritableCfgTakesNoBreakpointAndStartsTheProgram) {
    Cfg("[Counter]\r\nProgStart=3\r\n" + OwnFiles());
    machine.P().files().SetAttributes(cfgPath, platform::attr::ReadOnly);
    PutArchive(5, "old 5");
    EXPECT_FALSE(Run());
    EXPECT_EQ(Present(), std::vector<int>{5});
    EXPECT_EQ(machine.Get(Archive(5)), "old 5");
}

TEST_F(BreakpointTest, FilesEntriesInFileOrderWithoutEqualsSignAndSecondWinIni) {
    QW_FAKE_ONLY(machine);
    machine.P().files().CreateDirectory(machine.Path("other"));
    machine.Put(machine.Path("other\\win.ini"), "the other one, much longer than the first");
    machine.Put(machine.Path("b.ini"), "b");
    machine.Put(machine.P().files().WindowsDirectory() + "\\win.ini", "[windows]\r\n");
    Cfg("[Files]\r\nnoequals " + machine.Path("b.ini") + "\r\nx=" + machine.Path("other\\win.ini") + "\r\n" +
        ";c=" + machine.Path("b.ini") + "\r\n");
    config::TBigIniFile cfg(cfgPath);
    const auto spec = safety::BreakpointFiles(cfg);
    ASSERT_FALSE(spec.empty());
    EXPECT_EQ(spec.back(), machine.P().files().ShortPath(machine.Path("b.ini")));  // the ";c=" line is an entry
    for (const auto& line : spec) EXPECT_EQ(line.find("noequals"), std::string::npos);

    Cfg("[Option]\r\nProgStartCount=1\r\n[Files]\r\nx=" + machine.Path("other\\win.ini") + "\r\n");
    EXPECT_TRUE(Run());
    const auto entries = testing_support::CabListing(machine.Get(Archive(5)));
    int winIni = 0;
    for (const auto& e : entries) {
        if (config::SameText(e.name, "WIN.INI")) {
            ++winIni;
            EXPECT_EQ(e.size, machine.Get(machine.P().files().WindowsDirectory() + "\\win.ini").size());
        }
    }
    EXPECT_EQ(winIni, 1);
}

TEST_F(BreakpointTest, ClassesDatOnlyOnWindowsMe) {
    QW_FAKE_ONLY(machine);
    auto& fake = *machine.Fake();
    machine.Put(fake.files().WindowsDirectory() + "\\classes.dat", "c");
    Cfg("");
    const auto hasClasses = [&] {
        config::TBigIniFile cfg(cfgPath);
        for (const auto& line : safety::BreakpointFiles(cfg)) {
            if (config::UpperCase(line).find("CLASSES.DAT") != std::string::npos) return true;
        }
        return false;
    };
    EXPECT_FALSE(hasClasses());  // Windows 98 SE
    platform::VersionRecord me = fake.system().GetVersion();
    me.minor = 90;
    fake.system().SetVersion(me);
    EXPECT_TRUE(hasClasses());
    me.minor = 10;
    fake.system().SetVersion(me);
    fake.system().SetFileVersion(fake.files().SystemDirectory() + "\\kernel32.dll",
                                 platform::FileVersion{4, 90, 3000, 0});
    EXPECT_TRUE(hasClasses());
}

TEST_F(BreakpointTest, BootFilesFromAFixedDriveThenFromTheSearchList) {
    QW_FAKE_ONLY(machine);
    auto& files = machine.Fake()->files();
    files.SetDriveType('D', platform::DriveType::Fixed);
    files.SetDriveType('E', platform::DriveType::Remote);
    machine.Put("E:\\AUTOEXEC.BAT", "network");
    machine.Put("D:\\AUTOEXEC.BAT", "d");
    EXPECT_EQ(safety::FindBootFile("autoexec.bat"), "D:\\autoexec.bat");
    files.DeleteFile("D:\\AUTOEXEC.BAT");
    EXPECT_EQ(safety::FindBootFile("autoexec.bat"), "");
    files.MakeDirectories("C:\\TOOLS");
    machine.Put("C:\\TOOLS\\AUTOEXEC.BAT", "path");
    files.SetEnvironment("PATH", "C:\\NOWHERE;;C:\\TOOLS");
    EXPECT_EQ(safety::FindBootFile("autoexec.bat"), "C:\\TOOLS\\autoexec.bat");
    files.SetEnvironment("PATH", "C:\\TOOLS;" + std::string(300, 'x'));  // too long: left out entirely
    EXPECT_EQ(safety::FindBootFile("autoexec.bat"), "");
}

TEST_F(BreakpointTest, TheSampleMachineGivesThirteenFiles) {
    QW_FAKE_ONLY(machine);
    testing_support::InstallSample98(machine);
    testing_support::InstallSample98BreakpointFiles(machine);
    Cfg("[Option]\r\nProgStartCount=1\r\n");
    EXPECT_TRUE(Run());
    const auto entries = testing_support::CabListing(machine.Get(Archive(5)));
    Names names;
    for (const auto& e : entries) names.push_back(config::UpperCase(e.name));
    EXPECT_EQ(names,
              (Names{"SYSTEM.DAT", "USER.DAT", "AUTOEXEC.BAT", "CONFIG.SYS", "MSDOS.SYS", "COMMAND.COM", "IO.SYS",
                     "WIN.INI", "SYSTEM.INI", "SYSTEM.CB", "TTFCACHE", "DOSSTART.BAT", "PROTOCOL.INI"}));
    for (const auto& e : entries) {
        if (config::UpperCase(e.name) == "IO.SYS") {
            EXPECT_EQ(e.attributes, 0x27);
        }
        if (config::UpperCase(e.name) == "SYSTEM.DAT") {
            EXPECT_EQ(e.date, (21 << 9) | (3 << 5) | 14);
            EXPECT_EQ(e.time, (18 << 11) | (27 << 5) | 25);
        }
    }
    EXPECT_TRUE(testing_support::CabextractTests(machine.Fake()->files().HostPath(Archive(5)).string()));
}

}  // namespace
