#include "config/ini_file.h"

#include <gtest/gtest.h>

#include "config/errors.h"
#include "tests/support/test_machine.h"

using config::TIniFile;

namespace {

class IniFileTest : public testing_support::MachineTest {
protected:
    std::string file = machine.Path("tmpcfg32.twc");
};

TEST_F(IniFileTest, ValueFormsRoundTrip) {
    TIniFile ini(file);
    ini.WriteInteger("SysSets", "Number", -12);
    ini.WriteBool("SysSets", "Flag", true);
    ini.WriteString("WinSets", "Owner", "Jörg Müller");
    EXPECT_EQ(ini.ReadInteger("syssets", "NUMBER", 0), -12);
    EXPECT_TRUE(ini.ReadBool("SysSets", "Flag", false));
    EXPECT_EQ(ini.ReadString("WinSets", "Owner", ""), "Jörg Müller");
    EXPECT_EQ(machine.Get(file).find("Flag=1") != std::string::npos, true);
}

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault) {
    machine.Put(file, "[S]\r\nA=0x10\r\nB=yes\r\n");
    TIniFile ini(file);
    EXPECT_EQ(ini.ReadInteger("S", "A", 0), 16);
    EXPECT_EQ(ini.ReadInteger("S", "B", 5), 5);
    EXPECT_EQ(ini.ReadString("T", "A", "d"), "d");
    EXPECT_EQ(ini.ReadString("S", "C", "d"), "d");
    EXPECT_TRUE(TIniFile(machine.Path("absent.ini")).ReadBool("S", "A", true));
}

TEST_F(IniFileTest, ReadsAreCutAt2047Characters) {
    machine.Put(file, "[S]\r\nA=" + std::string(3000, 'a') + "\r\n");
    EXPECT_EQ(TIniFile(file).ReadString("S", "A", "").size(), 2047u);
}

TEST_F(IniFileTest, WriteFailureRaisesWithTheFileName) {
    // A folder of that name cannot be written as a file.
    ASSERT_TRUE(machine.P().files().CreateDirectory(file));
    try {
        TIniFile(file).WriteString("S", "A", "2");
        FAIL() << "no error";
    } catch (const config::EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "nach " + file + " kann nicht geschrieben werden");
    }
}

TEST_F(IniFileTest, DeleteKeyRemovesOnlyThatKey) {
    TIniFile ini(file);
    ini.WriteString("S", "A", "1");
    ini.WriteString("S", "B", "2");
    ini.DeleteKey("S", "a");
    EXPECT_EQ(ini.ReadString("S", "A", "gone"), "gone");
    EXPECT_EQ(ini.ReadString("S", "B", ""), "2");
}

}  // namespace
