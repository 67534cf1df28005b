// JudgeRunCommand on a table of autostart command lines over files in the
// test's folder, the same on the fake and under Wine.
#include "sysinfo/collectors/run_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "tests/support/test_machine.h"

#ifdef _WIN32
#include "platform/win32/win32_api.h"
#endif

namespace {

using sysinfo::collectors::JudgeRunCommand;
using sysinfo::collectors::RunVerdict;

class RunEntryTest : public testing_support::MachineTest {
protected:
    void SetUp() override {
        path_ = machine.P().files().GetEnvironment("PATH");
        for (const char* name :
             {"Prog Files\\tool.exe", "LongProgramName\\app.exe", "helper.dll", "qwrun.exe", "Prog Files\\tool2.exe"}) {
            const std::string path = machine.Path(name);
            const size_t slash = path.rfind('\\');
            machine.P().files().CreateDirectory(path.substr(0, slash));
            machine.Put(path, "MZ");
        }
        // The test's folder on the search path, and a variable naming it.
        SetEnv("PATH", (path_ ? *path_ + ";" : std::string()) + machine.Dir());
        SetEnv("QWRUNDIR", machine.Path("Prog Files"));
    }
    void TearDown() override {
        SetEnv("PATH", path_);
        SetEnv("QWRUNDIR", std::nullopt);
    }
    void SetEnv(const std::string& name, const std::optional<std::string>& value) {
        if (machine.Fake()) {
            machine.Fake()->files().SetEnvironment(name, value);
            return;
        }
#ifdef _WIN32
        SetEnvironmentVariableA(name.c_str(), value ? value->c_str() : nullptr);
#endif
    }

    std::optional<std::string> path_;
};

TEST_F(RunEntryTest, JudgesATableOfCommandLines) {
    const std::string d = machine.Dir();
    const std::string shortDir = machine.P().files().ShortPath(d + "LongProgramName");
    ASSERT_FALSE(shortDir.empty());
    ASSERT_NE(shortDir.find('~'), std::string::npos);
    struct Case {
        std::string command;
        RunVerdict verdict;
        std::string file;  // empty: not compared
    };
    const std::vector<Case> cases = {
        // quoted, with and without arguments
        {"\"" + d + "Prog Files\\tool.exe\" /min", RunVerdict::Present, d + "Prog Files\\tool.exe"},
        {"\"" + d + "gone.exe\"", RunVerdict::Missing, d + "gone.exe"},
        // unquoted with blanks: the shortest prefix that is a file
        {d + "Prog Files\\tool.exe /min -x", RunVerdict::Present, d + "Prog Files\\tool.exe"},
        {d + "Prog Files\\gone.exe -x y", RunVerdict::Missing, d + "Prog Files\\gone.exe"},
        {d + "Prog Files\\tool /s", RunVerdict::Present, d + "Prog Files\\tool.exe"},
        // 8.3 names
        {shortDir + "\\APP.EXE -q", RunVerdict::Present, ""},
        {shortDir + "\\GONE.EXE", RunVerdict::Missing, shortDir + "\\GONE.EXE"},
        // environment variables
        {"%QWRUNDIR%\\tool2.exe", RunVerdict::Present, d + "Prog Files\\tool2.exe"},
        {"%QWRUNDIR%\\gone2.exe", RunVerdict::Missing, d + "Prog Files\\gone2.exe"},
        {"%QWNOSUCHVARIABLE%\\tool.exe", RunVerdict::Unjudged, ""},
        // no path: the search path decides, or nothing can be said
        {"qwrun.exe /autorun", RunVerdict::Present, d + "qwrun.exe"},
        {"QWRUN", RunVerdict::Present, d + "QWRUN.exe"},
        {"qwnothere.exe /autorun", RunVerdict::Unjudged, "qwnothere.exe"},
        // rundll32 lines are judged by their DLL
        {"rundll32.exe " + d + "helper.dll,Entry 1", RunVerdict::Present, d + "helper.dll"},
        {"RUNDLL32 \"" + d + "Prog Files\\gone.dll\",Entry", RunVerdict::Missing, d + "Prog Files\\gone.dll"},
        {"rundll " + d + "gone.dll,Entry", RunVerdict::Missing, d + "gone.dll"},
        {"rundll32 qwnothere.dll,Entry", RunVerdict::Unjudged, "qwnothere.dll"},
        {"rundll32.exe", RunVerdict::Unjudged, ""},
        // what cannot be read safely
        {"\"" + d + "gone.exe /s", RunVerdict::Unjudged, ""},
        {"   ", RunVerdict::Unjudged, ""},
        {"A:\\SETUP.EXE", RunVerdict::Unjudged, ""},
        {"subdir\\tool.exe", RunVerdict::Unjudged, ""},
    };
    for (const Case& c : cases) {
        const auto judged = JudgeRunCommand(c.command);
        EXPECT_EQ(judged.verdict, c.verdict) << c.command;
        if (!c.file.empty()) {
            EXPECT_TRUE(platform::SameText(judged.file, c.file)) << c.command << " -> " << judged.file;
        }
    }
}

TEST_F(RunEntryTest, NeverAsksADriveThatIsNotAFixedDisk) {
    QW_FAKE_ONLY(machine);
    machine.Fake()->files().SetDriveType('A', platform::DriveType::Removable);
    machine.Fake()->files().MakeDirectories("A:\\");
    machine.Put("A:\\SETUP.EXE", "MZ");
    EXPECT_EQ(JudgeRunCommand("A:\\SETUP.EXE").verdict, RunVerdict::Unjudged);
}

}  // namespace
