// The breakpoint manager on the fake: where each file of an archive goes,
// the undo archive written first, the registry staged through WININIT.INI,
// and a report that names exactly the files that were not written.
#include "safety/breakpoint_manager.h"

#include <gtest/gtest.h>

#include "config/big_ini_file.h"
#include "platform/fake/fake_platform.h"
#include "platform/helpers.h"
#include "safety/cab_reader.h"
#include "safety/cab_writer.h"
#include "tests/support/interposed_platform.h"
#include "tests/support/test_machine.h"

namespace {

using Files = std::vector<std::pair<std::string, std::string>>;

std::string Cabinet(const Files& files) {
    safety::CabWriter writer;
    for (const auto& [name, data] : files) {
        writer.BeginFile(name, safety::DosDate(2026, 12, 1), safety::DosTime(8, 0, 0), 0x20);
        writer.AddData(data.data(), data.size());
        writer.EndFile();
    }
    std::string cab;
    writer.Finish([&](const char* d, size_t n) {
        cab.append(d, n);
        return true;
    });
    return cab;
}

class BreakpointManagerTest : public testing_support::MachineTest {
protected:
    void SetUp() override {
        QW_FAKE_ONLY(machine);
        machine.Fake()->files().SetModuleFileName(machine.Path("quellwerk.exe"));
        machine.Put(machine.Path("quellwerk.exe"), "MZ");
        machine.P().files().CreateDirectory(machine.Path("brkpoint"));
        windows = machine.P().files().WindowsDirectory() + "\\";
        machine.Put(windows + "win.ini", "[windows]\r\nload=neu\r\n");
        machine.Put(windows + "system.dat", "REGISTRY-NOW");
        machine.Put("C:\\autoexec.bat", "@ECHO OFF\r\n");
        machine.Put(machine.Path("extra.ini"), "[extra]\r\nnow=1\r\n");
        machine.Put(machine.Path("qw32break.cfg"), "[Files]\r\nf1=" + machine.Path("extra.ini") + "\r\n");
    }
    std::string PutArchive(int number, const Files& files) {
        const std::string path = machine.Path("brkpoint\\Quellwerk Programmstart (" + std::to_string(number) + ").cab");
        machine.Put(path, Cabinet(files));
        return path;
    }
    std::string windows;
};

TEST_F(BreakpointManagerTest, EachFileGoesWhereTheBreakpointFindsItToday) {
    const std::string archive = PutArchive(5, {{"SYSTEM.DAT", "r"},
                                               {"USER.DAT", "u"},
                                               {"CLASSES.DAT", "c"},
                                               {"AUTOEXEC.BAT", "a"},
                                               {"CONFIG.SYS", "s"},
                                               {"WIN.INI", "w"},
                                               {"TTFCACHE", "t"},
                                               {"PROTOCOL.INI", "p"},
                                               {"EXTRA.INI", "e"},
                                               {"STRAY.TXT", "x"}});
    const auto plan = safety::PlanRestore(archive);
    struct Want {
        const char* target;
        bool atNextStart;
    };
    const std::vector<Want> want = {
        {"system.dat", true},
        {"user.dat", true},
        {"", false},  // classes.dat only on Windows ME
        {"C:\\autoexec.bat", false},
        {"", false},  // no config.sys anywhere today
        {"win.ini", false},
        {"ttfCache", false},
        {"protocol.ini", false},
        {"extra.ini", false},  // the Files entry of the same name
        {"", false},           // in no list
    };
    ASSERT_EQ(plan.size(), want.size());
    for (size_t i = 0; i < plan.size(); ++i) {
        std::string expected = want[i].target;
        if (expected == "extra.ini") {
            expected = machine.Path("extra.ini");
        } else if (!expected.empty() && expected.find('\\') == std::string::npos) {
            expected = windows + expected;
        }
        EXPECT_EQ(plan[i].target, expected) << plan[i].stored;
        EXPECT_EQ(plan[i].atNextStart, want[i].atNextStart) << plan[i].stored;
    }
}

TEST_F(BreakpointManagerTest, RestoresAfterSavingTheCurrentFilesAndStagesTheRegistry) {
    machine.P().files().SetAttributes(windows + "system.dat", platform::attr::Hidden | platform::attr::ReadOnly);
    machine.P().files().SetAttributes(windows + "win.ini", platform::attr::ReadOnly);
    const std::string archive = PutArchive(5, {{"WIN.INI", "[windows]\r\nload=\r\n"},
                                               {"SYSTEM.DAT", "REGISTRY-THEN"},
                                               {"EXTRA.INI", "[extra]\r\nthen=1\r\n"},
                                               {"STRAY.TXT", "x"}});
    const auto result = safety::RestoreBreakpoint(archive);
    EXPECT_EQ(result.refused, "");
    EXPECT_TRUE(result.failed.empty());
    EXPECT_EQ(result.written, (std::vector<std::string>{windows + "win.ini", machine.Path("extra.ini")}));
    EXPECT_EQ(result.staged, (std::vector<std::string>{windows + "system.dat"}));
    EXPECT_TRUE(result.RestartNeeded());

    EXPECT_EQ(machine.Get(windows + "win.ini"), "[windows]\r\nload=\r\n");
    EXPECT_EQ(machine.P().files().GetAttributes(windows + "win.ini"), platform::attr::ReadOnly);
    EXPECT_EQ(machine.Get(machine.Path("extra.ini")), "[extra]\r\nthen=1\r\n");
    EXPECT_FALSE(machine.P().files().Exists(windows + "STRAY.TXT"));
    // The live registry is left alone; WININIT.INI swaps the staged copy in.
    EXPECT_EQ(machine.Get(windows + "system.dat"), "REGISTRY-NOW");
    auto& files = machine.P().files();
    const std::string wininit = windows + "WININIT.INI";
    const std::string staged =
        machine.P().profile().GetString("rename", files.ShortPath(windows + "system.dat"), "", 260, wininit);
    ASSERT_FALSE(staged.empty()) << machine.Get(wininit);
    EXPECT_EQ(machine.Get(staged), "REGISTRY-THEN");
    EXPECT_EQ(files.GetAttributes(staged), platform::attr::Hidden | platform::attr::ReadOnly);

    // What was replaced is in the undo archive, which the list shows last.
    const std::string undo = machine.Path("brkpoint\\Quellwerk vor Wiederherstellung.cab");
    const safety::CabReader reader(machine.Get(undo));
    const auto saved = reader.ExtractAll();
    ASSERT_EQ(reader.Files().size(), 3u);
    EXPECT_EQ(reader.Files()[0].name, "WIN.INI");
    EXPECT_EQ(saved[0], "[windows]\r\nload=neu\r\n");
    EXPECT_EQ(saved[1], "REGISTRY-NOW");
    EXPECT_EQ(saved[2], "[extra]\r\nnow=1\r\n");
    const auto list = safety::ListBreakpointArchives();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].number, 5);
    EXPECT_EQ(list[0].fileCount, 4);
    EXPECT_EQ(list[1].name, safety::kUndoArchiveName);
    EXPECT_EQ(list[1].fileCount, 3);

    // Restoring the undo archive brings the state before back.
    safety::RestoreBreakpoint(undo);
    EXPECT_EQ(machine.Get(windows + "win.ini"), "[windows]\r\nload=neu\r\n");
}

TEST_F(BreakpointManagerTest, ARestoreThatFailsPartWayNamesExactlyTheFilesNotWritten) {
    const std::string archive =
        PutArchive(5, {{"WIN.INI", "[windows]\r\nload=\r\n"}, {"AUTOEXEC.BAT", "REM alt\r\n"}, {"EXTRA.INI", "e"}});
    testing_support::InterposedPlatform faults;
    faults.heldOpen = testing_support::InterposedPlatform::Is(windows + "win.ini");
    const auto result = safety::RestoreBreakpoint(archive);
    ASSERT_EQ(result.failed.size(), 1u);
    EXPECT_EQ(result.failed[0].target, windows + "win.ini");
    EXPECT_EQ(result.written, (std::vector<std::string>{"C:\\autoexec.bat", machine.Path("extra.ini")}));
    EXPECT_EQ(machine.Get(windows + "win.ini"), "[windows]\r\nload=neu\r\n");
    EXPECT_EQ(machine.Get("C:\\autoexec.bat"), "REM alt\r\n");
    const std::string report = safety::RestoreReportText(result);
    EXPECT_NE(report.find("Nicht wiederhergestellt:\r" + windows + "win.ini: "), std::string::npos) << report;
    EXPECT_EQ(report.find("Wiederhergestellt:\r" + windows + "win.ini"), std::string::npos) << report;
    // No stray files are left beside the targets.
    EXPECT_TRUE(machine.P().files().Find(windows + "QW*.TMP").empty());
}

TEST_F(BreakpointManagerTest, ADamagedArchiveRestoresNothing) {
    std::string cab = Cabinet({{"WIN.INI", std::string(5000, 'w')}});
    cab[cab.size() - 3] ^= 0x40;
    const std::string path = machine.Path("brkpoint\\Quellwerk Programmstart (5).cab");
    machine.Put(path, cab);
    const auto result = safety::RestoreBreakpoint(path);
    EXPECT_NE(result.refused, "");
    EXPECT_TRUE(result.written.empty());
    EXPECT_EQ(machine.Get(windows + "win.ini"), "[windows]\r\nload=neu\r\n");
    EXPECT_FALSE(machine.P().files().Exists(machine.Path("brkpoint\\Quellwerk vor Wiederherstellung.cab")));
}

TEST_F(BreakpointManagerTest, AnUndoArchiveThatCannotBeWrittenStopsTheRestore) {
    const std::string archive = PutArchive(5, {{"WIN.INI", "neu"}});
    testing_support::InterposedPlatform faults;
    faults.heldOpen =
        testing_support::InterposedPlatform::Is(machine.Path("brkpoint\\Quellwerk vor Wiederherstellung.tmp"));
    const auto result = safety::RestoreBreakpoint(archive);
    EXPECT_NE(result.refused, "");
    EXPECT_EQ(machine.Get(windows + "win.ini"), "[windows]\r\nload=neu\r\n");
}

}  // namespace

namespace {

TEST_F(BreakpointManagerTest, TheLibrarysReaderMustAgreeWithOurs) {
    const std::string archive = PutArchive(5, {{"WIN.INI", "[windows]\r\nload=\r\n"}});
    int calls = 0;
    safety::SetCabUnpacker([&](const std::string& cab) {
        ++calls;
        auto contents = safety::CabReader(cab).ExtractAll();
        contents[0] += "?";
        return contents;
    });
    const auto refused = safety::RestoreBreakpoint(archive);
    safety::SetCabUnpacker([&](const std::string& cab) {
        ++calls;
        return safety::CabReader(cab).ExtractAll();
    });
    const auto restored = safety::RestoreBreakpoint(archive);
    safety::SetCabUnpacker(nullptr);
    EXPECT_EQ(calls, 2);
    EXPECT_NE(refused.refused, "");
    EXPECT_EQ(restored.written, std::vector<std::string>{windows + "win.ini"});
    EXPECT_EQ(machine.Get(windows + "win.ini"), "[windows]\r\nload=\r\n");
}

}  // namespace
