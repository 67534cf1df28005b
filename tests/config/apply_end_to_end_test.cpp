// Snapshot and applying on the whole sample machine: exactly the settings
// that were changed differ afterwards, and everything else is kept.
#include <gtest/gtest.h>

#include <map>

#include "config/apply_settings.h"
#include "config/ini_file.h"
#include "config/temp_config.h"
#include "tests/support/sample_machine.h"

using namespace testing_support;
using config::TIniFile;
using platform::RootKey;
using platform::ValueType;

namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

bool IsHeader(const std::string& line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

// The lines of a file with some replaced and some inserted after a line.
// Rewriting an INI file leaves out blank lines and sections without entries.
std::string Edited(const std::string& file, const std::map<std::string, std::string>& replaced,
                   const std::map<std::string, std::string>& insertedAfter, bool dropEmptySections) {
    std::vector<std::string> lines = NonBlankLines(file);
    if (dropEmptySections) {
        std::vector<std::string> kept;
        for (size_t i = 0; i < lines.size(); ++i) {
            const bool empty = IsHeader(lines[i]) && (i + 1 == lines.size() || IsHeader(lines[i + 1]));
            if (!empty) kept.push_back(lines[i]);
        }
        lines = kept;
    }
    std::vector<std::string> out;
    for (const auto& line : lines) {
        const auto r = replaced.find(line);
        out.push_back(r == replaced.end() ? line : r->second);
        const auto i = insertedAfter.find(line);
        if (i != insertedAfter.end()) out.push_back(i->second);
    }
    return Lines(out);
}

TEST(ApplyEndToEnd, ExactlyTheChangedSettingsDiffer) {
    TestMachine machine;
    InstallSample98(machine);
    const MachineDump before = TakeMachineDump(machine);
    const std::string folder = machine.Dir();

    config::CreateTempConfig(folder);
    TIniFile temp(folder + "tmpcfg32.twc");
    const bool dragBefore = temp.ReadBool("WinSets", "DragFull", false);
    const std::vector<std::tuple<const char*, const char*, std::string>> changes = {
        {"winini_Options", "NoDownMessage", "1"},
        {"winini_Options", "NoEndLogo", "1"},
        {"sysini_386Enh", "FileSysChange", "off"},
        {"SysSets", "BeepOnError", "0"},
        {"SysSets", "NameNumericTail", "0"},
        {"SysSets", "DisablePositionSave", "1"},
        {"SysSets", "MouseOnDefault", "1"},
        {"WinSets", "BMPIco", "1"},
        {"WinSets", "SmoothScroll", "0"},
        {"WinSets", "FontAntiAlising", "1"},
        {"WinSets", "DragFull", dragBefore ? "0" : "1"},
        {"WinSets", "MinAnim", "0"},
        {"WinSets", "Owner", "Änne Groß"},
        {"WinSets", "Organ", "Groß & Söhne"},
        {"NetSets", "NoCancel", "1"},
        {"NetSets", "FullScreen", "1"},
        {"NetSets", "NoNetcrawl", "1"},
    };
    for (const auto& [section, key, value] : changes) temp.WriteString(section, key, value);
    TIniFile msdosCopy(folder + "tmpcfg.twc");
    msdosCopy.WriteString("Options", "BootGUI", "0");
    msdosCopy.WriteString("Options", "AutoScan", "2");
    const std::string newLogo = SourceFile("res/sample98/logow.sys");
    machine.Put(folder + "Logo.bmp", newLogo);

    config::SetChangedSettings(folder);
    const MachineDump after = TakeMachineDump(machine);

    MachineDump expected = before;
    const auto sz = [](const std::string& text) { return "1:" + text + std::string(1, '\0'); };
    const auto dword = [](uint32_t n) { return "4:" + platform::DwordData(n); };
    expected["Control Panel\\Sound\\Beep"] = sz("No");
    expected["System\\CurrentControlSet\\Control\\FileSystem\\NameNumericTail"] = "3:" + std::string(2, '\0');
    expected["Control Panel\\Mouse\\SnapToDefaultButton"] = dword(1);
    expected["Paint.Picture\\DefaultIcon\\"] = sz("%1");
    expected["Paint.Picture\\DefaultIcon\\oldicon"] = sz("C:\\Programme\\Zubehör\\MSPAINT.EXE,1");
    expected["Control Panel\\desktop\\SmoothScroll"] = dword(0);
    expected["Control Panel\\desktop\\FontSmoothing"] = sz("1");
    expected["Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced\\StartMenuScrollPrograms"] = sz("NO");
    expected["Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced\\NoNetcrawling"] = dword(1);
    expected["SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RegisteredOwner"] = sz("Änne Groß");
    expected["SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RegisteredOrganization"] = sz("Groß & Söhne");
    expected["Network\\Logon\\MustBeValidated"] = dword(1);
    expected["Software\\Microsoft\\Internet Explorer\\Main\\FullScreen"] = sz("YES");
    expected["DragFullWindows"] = dragBefore ? "0" : "1";
    expected["logo.sys"] = newLogo;

    for (const auto& [what, value] : expected) {
        if (what == "win.ini" || what == "system.ini" || what == "msdos.sys") continue;
        EXPECT_EQ(after.at(what), value) << what;
    }
    EXPECT_EQ(Lines(NonBlankLines(after.at("win.ini"))),
              Edited(before.at("win.ini"), {{"NoDownMessage=0", "NoDownMessage=1"}},
                     {{"NoDownMessage=0", "NoEndLogo=1"}}, true));
    EXPECT_EQ(Lines(NonBlankLines(after.at("system.ini"))),
              Edited(before.at("system.ini"), {},
                     {{"display=*vdd,*vflatd", "FileSysChange=off"},
                      {"TTInitialSizes=4 5 6 7 8 9 10 11 12 13 14 15 16 18 20 22", "DisablePositionSave=1"}},
                     true));
    EXPECT_EQ(Lines(NonBlankLines(after.at("msdos.sys"))),
              Edited(before.at("msdos.sys"), {{"BootGUI=1", "BootGUI=0"}, {"AutoScan=1", "AutoScan=2"}}, {}, false));
}

// win.ini and system.ini as they are found on old machines: text before the
// first section, over-long lines, a duplicate section, mixed line ends, a
// Ctrl-Z line and some binary bytes. Applying changes the managed keys and
// nothing else.
TEST(ApplyEndToEnd, OddSystemFilesLoseNothing) {
    TestMachine machine;
    InstallSample98(machine);
    const std::string longLine = "device=" + std::string(300, 'L');
    const std::string binary("Bin=\x01\x02\xfe\xff", 8);
    const std::string winIni = "; Kopf ohne Abschnitt\r\nvor dem ersten Abschnitt\n[windows]\r\nload=\n" + longLine +
                               "\r\n[Options]\r\nNoEndLogo=0\n\x1a\r\n[OPTIONS]\r\nNoEndLogo=5\r\n" + binary +
                               "\r\n[fonts]\r\nArial (TrueType)=ARIAL.TTF";
    const std::string systemIni = "[boot]\r\nshell=Explorer.exe\n" + longLine + "\r\n[386Enh]\r\nebios=*ebios\r\n" +
                                  "[386enh]\r\nFileSysChange=on\r\n" + binary + "\r\n[NonWindowsApp]\n\x1a\n";
    machine.Put(SystemFile("win.ini"), winIni);
    machine.Put(SystemFile("system.ini"), systemIni);

    config::CreateTempConfig(machine.Dir());
    TIniFile temp(machine.Path("tmpcfg32.twc"));
    EXPECT_EQ(temp.ReadString("winini_Options", "NoEndLogo", ""), "0");
    temp.WriteString("winini_Options", "NoEndLogo", "1");
    temp.WriteString("sysini_386Enh", "FileSysChange", "off");
    config::SetChangedSettings(machine.Dir());

    EXPECT_EQ(machine.Get(SystemFile("win.ini")),
              "; Kopf ohne Abschnitt\r\nvor dem ersten Abschnitt\r\n[windows]\r\nload=\r\n" + longLine +
                  "\r\n\r\n[Options]\r\nNoEndLogo=1\r\nNoDownMessage=0\r\n\r\n[OPTIONS]\r\nNoEndLogo=5\r\n" + binary +
                  "\r\n\r\n[fonts]\r\nArial (TrueType)=ARIAL.TTF\r\n\r\n");
    // system.ini is also written through the profile functions, which lay
    // out blank lines in their own way.
    EXPECT_EQ(Lines(NonBlankLines(machine.Get(SystemFile("system.ini")))),
              Lines({"[boot]", "shell=Explorer.exe", longLine, "[386Enh]", "ebios=*ebios", "FileSysChange=off",
                     "[386enh]", "FileSysChange=on", binary, "[NonWindowsApp]", "DisablePositionSave=0"}));
}

TEST(ApplyEndToEnd, MsdosSysWithoutOptionsSection) {
    TestMachine machine;
    InstallSample98(machine);
    const std::string msdos = "[Paths]\r\nWinDir=C:\\WINDOWS\r\n;" + std::string(1100, 'x') + "\r\n";
    machine.P().files().SetAttributes(SystemFile("msdos.sys"), platform::attr::Normal);
    machine.Put(SystemFile("msdos.sys"), msdos);
    config::CreateTempConfig(machine.Dir());
    config::SetChangedSettings(machine.Dir());
    EXPECT_EQ(machine.Get(SystemFile("msdos.sys")), msdos);
}

}  // namespace
