#include "config/big_ini_file.h"

#include <gtest/gtest.h>

#include "config/errors.h"
#include "tests/support/test_machine.h"

using config::TBigIniFile;
using testing_support::MachineTest;

namespace {

class BigIniFileTest : public MachineTest {
protected:
    std::string file = machine.Path("TEST.INI");
};

TEST_F(BigIniFileTest, DuplicateSectionsInOtherCaseLoadAsOneAndSurviveUntouched) {
    const std::string original = "[Options]\r\nA=1\r\n\r\n[options]\r\nA=2\r\nB=3\r\n\r\n";
    machine.Put(file, original);
    {
        TBigIniFile ini(file);
        EXPECT_FALSE(ini.Changed());
        EXPECT_EQ(ini.ReadString("OPTIONS", "a", "-"), "1");
        EXPECT_EQ(ini.ReadString("Options", "B", "-"), "-");
    }
    EXPECT_EQ(machine.Get(file), original);
}

TEST_F(BigIniFileTest, WritesGoToTheFirstOfDuplicateSectionsAndTheLaterOneStaysInPlace) {
    machine.Put(file, "[Options]\r\nA=1\r\n[Other]\r\nX=1\r\n[OPTIONS]\r\nA=2\r\n");
    { TBigIniFile(file).WriteString("options", "B", "7"); }
    EXPECT_EQ(machine.Get(file), "[Options]\r\nA=1\r\nB=7\r\n\r\n[Other]\r\nX=1\r\n\r\n[OPTIONS]\r\nA=2\r\n\r\n");
}

TEST_F(BigIniFileTest, SectionWithoutEntriesIsNotWritten) {
    machine.Put(file, "[Gone]\r\nK=1\r\n[Kept]\r\nL=2\r\n[Empty]\r\n");
    {
        TBigIniFile ini(file);
        ini.DeleteKey("gone", "k");
        EXPECT_TRUE(ini.Changed());
    }
    EXPECT_EQ(machine.Get(file), "[Kept]\r\nL=2\r\n\r\n");
}

TEST_F(BigIniFileTest, EmptySectionIsKeptWhereItHidesALaterDuplicate) {
    machine.Put(file, "[Options]\r\n[Other]\r\nX=1\r\n[OPTIONS]\r\nHidden=1\r\n");
    { TBigIniFile(file).WriteString("Other", "X", "2"); }
    TBigIniFile reread(file);
    EXPECT_EQ(reread.ReadString("Options", "Hidden", "-"), "-");
    EXPECT_EQ(machine.Get(file), "[Options]\r\n\r\n[Other]\r\nX=2\r\n\r\n[OPTIONS]\r\nHidden=1\r\n\r\n");
}

TEST_F(BigIniFileTest, KeyInOtherCaseTakesTheNewSpellingOnce) {
    machine.Put(file, "[Options]\r\nnoendlogo=1\r\n");
    TBigIniFile ini(file);
    ini.WriteInteger("Options", "NoEndLogo", 1);
    EXPECT_TRUE(ini.Changed());
    ini.Flush();
    EXPECT_EQ(machine.Get(file), "[Options]\r\nNoEndLogo=1\r\n\r\n");
    ini.WriteInteger("Options", "NoEndLogo", 1);
    EXPECT_FALSE(ini.Changed());
}

struct NumberCase {
    const char* text;
    int32_t expected;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << '"' << c.text << "\" -> " << c.expected; }

class BigIniNumberTest : public BigIniFileTest, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(BigIniNumberTest, ReadsNumbersAsDecimalOrHexText) {
    machine.Put(file, std::string("[S]\r\nN=") + GetParam().text + "\r\n");
    TBigIniFile ini(file);
    EXPECT_EQ(ini.ReadInteger("S", "N", -99), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, BigIniNumberTest,
                         ::testing::Values(NumberCase{"0x1F", 31}, NumberCase{"0X1f", 31}, NumberCase{"12abc", -99},
                                           NumberCase{"", -99}, NumberCase{"yes", -99}, NumberCase{"-17", -17},
                                           NumberCase{"+4", 4}, NumberCase{"2147483647", 2147483647},
                                           NumberCase{"2147483648", -99}, NumberCase{"-2147483648", INT32_MIN},
                                           NumberCase{"0xFFFFFFFF", -1}, NumberCase{"0x100000000", -99},
                                           NumberCase{"0x", -99}, NumberCase{"12 ", -99}, NumberCase{"-", -99}));

TEST_F(BigIniFileTest, FlagIsTrueForAnyNumberButZeroAndDefaultsOtherwise) {
    machine.Put(file, "[S]\r\nTwo=2\r\nZero=0\r\nYes=yes\r\n");
    TBigIniFile ini(file);
    EXPECT_TRUE(ini.ReadBool("S", "Two", false));
    EXPECT_FALSE(ini.ReadBool("S", "Zero", true));
    EXPECT_TRUE(ini.ReadBool("S", "Yes", true));
    EXPECT_FALSE(ini.ReadBool("S", "Yes", false));
    EXPECT_TRUE(ini.ReadBool("Missing", "Key", true));
}

TEST_F(BigIniFileTest, RemovingAnAbsentKeyWritesNothing) {
    const std::string original = "[S]\nA=1\n\n\n";
    machine.Put(file, original);
    {
        TBigIniFile ini(file);
        ini.DeleteKey("S", "B");
        ini.DeleteKey("T", "A");
        EXPECT_FALSE(ini.Changed());
    }
    EXPECT_EQ(machine.Get(file), original);
}

TEST_F(BigIniFileTest, CommentsStayInPlaceAndBlankLinesGo) {
    machine.Put(file, "[S]\r\n; comment\r\nA=1\r\n\r\nB=2\r\n");
    { TBigIniFile(file).WriteString("S", "C", "3"); }
    EXPECT_EQ(machine.Get(file), "[S]\r\n; comment\r\nA=1\r\nB=2\r\nC=3\r\n\r\n");
}

TEST_F(BigIniFileTest, CtrlZLineIsNotKept) {
    machine.Put(file, "[S]\r\nA=1\r\n\x1a\r\n");
    { TBigIniFile(file).WriteString("S", "A", "2"); }
    EXPECT_EQ(machine.Get(file), "[S]\r\nA=2\r\n\r\n");
}

TEST_F(BigIniFileTest, NamesAndValuesKeepTheirBlanksAndSplitAtTheFirstEquals) {
    machine.Put(file, "[S]\r\nKey = a=b \r\nPlain\r\n=x\r\n");
    TBigIniFile ini(file);
    EXPECT_EQ(ini.ReadString("S", "Key ", "-"), " a=b ");
    EXPECT_EQ(ini.ReadString("S", "Key", "-"), "-");
    EXPECT_EQ(ini.ReadString("S", "Plain", "-"), "-");
    std::vector<std::string> keys{"before"};
    ini.ReadSection("s", keys);
    ini.ReadSection("absent", keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"before", "Key ", ""}));
}

TEST_F(BigIniFileTest, ContentOutsideTheModelSurvivesARewrite) {
    const std::string longLine = "Long=" + std::string(300, 'x');
    const std::string garbage = std::string("Bin=\x01\x02\xff\xfe", 8) + "\r" + "mid";
    machine.Put(file, "preamble text\r\n; header comment\n[A]\r\n" + longLine + "\nK=1\r\n" + garbage +
                          "\r\n[a]\r\nDup=1\r\n[B]\r\nZ=9");
    {
        TBigIniFile ini(file);
        EXPECT_EQ(ini.ReadString("A", "Long", "").size(), 250u);
        ini.WriteString("B", "Z", "10");
    }
    EXPECT_EQ(machine.Get(file), "preamble text\r\n; header comment\r\n[A]\r\n" + longLine + "\r\nK=1\r\n" + garbage +
                                     "\r\n\r\n[a]\r\nDup=1\r\n\r\n[B]\r\nZ=10\r\n\r\n");
}

TEST_F(BigIniFileTest, LinesAreCutTo255Characters) {
    TBigIniFile ini(file);
    ini.WriteString("S", "K", std::string(300, 'v'));
    EXPECT_EQ(ini.ReadString("S", "K", ""), std::string(253, 'v'));
}

TEST_F(BigIniFileTest, MissingFileIsEmptyAndCreatedByTheFirstFlushWithContent) {
    {
        TBigIniFile ini(file);
        EXPECT_EQ(ini.ReadString("S", "K", "def"), "def");
    }
    EXPECT_FALSE(machine.P().files().Exists(file));
    { TBigIniFile(file).WriteBool("Option", "ProgStart", false); }
    EXPECT_EQ(machine.Get(file), "[Option]\r\nProgStart=0\r\n\r\n");
}

TEST_F(BigIniFileTest, DocumentWithoutNameIsNeverWritten) {
    const auto files = [this] { return machine.P().files().Find(machine.Path("*.*")); };
    const size_t before = files().size();  // "." and ".." where the system lists them
    {
        TBigIniFile ini("");
        ini.WriteString("S", "K", "V");
        EXPECT_NO_THROW(ini.Flush());
        EXPECT_EQ(ini.ReadString("S", "K", ""), "V");
    }
    EXPECT_EQ(files().size(), before) << "no file was written";
}

TEST_F(BigIniFileTest, RewriteKeepsTheFileAttributes) {
    namespace attr = platform::attr;
    machine.Put(file, "[S]\r\nA=1\r\n");
    ASSERT_TRUE(machine.P().files().SetAttributes(file, attr::Hidden | attr::System));
    { TBigIniFile(file).WriteString("S", "A", "2"); }
    EXPECT_EQ(machine.Get(file), "[S]\r\nA=2\r\n\r\n");
    EXPECT_EQ(machine.P().files().GetAttributes(file) & (attr::Hidden | attr::System | attr::ReadOnly),
              attr::Hidden | attr::System);
    EXPECT_TRUE(machine.P().files().Find(machine.Path("*.qw*")).empty());
}

TEST_F(BigIniFileTest, FailedWriteLeavesTheOldFileWholeAndRaises) {
    const std::string original = "[S]\r\nA=1\r\n";
    machine.Put(file, original);
    // A folder where the new content would go makes the write fail.
    ASSERT_TRUE(machine.P().files().CreateDirectory(machine.Path("TEST.qw$")));
    TBigIniFile ini(file);
    ini.WriteString("S", "A", "2");
    try {
        ini.Flush();
        FAIL() << "no error";
    } catch (const config::EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "nach " + file + " kann nicht geschrieben werden");
    }
    EXPECT_EQ(machine.Get(file), original);
}

TEST_F(BigIniFileTest, ReadOnlyFileIsNotReplaced) {
    machine.Put(file, "[S]\r\nA=1\r\n");
    ASSERT_TRUE(machine.P().files().SetAttributes(file, platform::attr::ReadOnly));
    TBigIniFile ini(file);
    ini.WriteString("S", "A", "2");
    EXPECT_THROW(ini.Flush(), config::EIniFileException);
    EXPECT_TRUE(ini.Changed());
    machine.P().files().SetAttributes(file, platform::attr::Normal);
    EXPECT_EQ(machine.Get(file), "[S]\r\nA=1\r\n");
}

}  // namespace
