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

TEST_F(BigIniFileTest, NamesAreFoundWithoutTheirBlanksAndValuesKeepThem) {
    machine.Put(file, "[S]\r\nKey = a=b \r\nPlain\r\n=x\r\n");
    TBigIniFile ini(file);
    EXPECT_EQ(ini.ReadString("S", "Key", "-"), " a=b ");
    EXPECT_EQ(ini.ReadString("S", "\tkey ", "-"), " a=b ");
    EXPECT_EQ(ini.ReadString("S", "Plain", "-"), "-");
    std::vector<std::string> keys{"before"};
    ini.ReadSection("s", keys);
    ini.ReadSection("absent", keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"before", "Key", ""}));
}

// Files as Windows reads them: the profile functions find a key whatever
// the blanks around its name, take a header with blanks or a comment after
// it, and end a line at CR, LF or both. A write must reach the line that
// Windows reads, and leave every other line as it stood.
struct EditCase {
    const char* label;
    std::string before;
    const char* section;
    const char* key;
    const char* value;  // nullptr: remove the key
    std::string after;  // empty: the file is not written
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.label; }

class BigIniEditTest : public BigIniFileTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(BigIniEditTest, ChangesTheLineThatWindowsReads) {
    const EditCase& c = GetParam();
    machine.Put(file, c.before);
    {
        TBigIniFile ini(file);
        if (c.value) {
            ini.WriteString(c.section, c.key, c.value);
        } else {
            ini.DeleteKey(c.section, c.key);
        }
        EXPECT_EQ(ini.Changed(), !c.after.empty());
    }
    EXPECT_EQ(machine.Get(file), c.after.empty() ? c.before : c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BigIniEditTest,
    ::testing::Values(
        EditCase{"BlanksAroundTheEquals", "[Options]\r\nNoEndLogo = 1\r\nX=1\r\n", "Options", "NoEndLogo", "0",
                 "[Options]\r\nNoEndLogo=0\r\nX=1\r\n\r\n"},
        EditCase{"TabBeforeTheName", "[Options]\r\n\tNoEndLogo=1\r\n", "Options", "NoEndLogo", "0",
                 "[Options]\r\nNoEndLogo=0\r\n\r\n"},
        EditCase{"OtherCaseAndBlanks", "[386Enh]\r\n filesyschange\t= off\r\n", "386Enh", "FileSysChange", "off",
                 "[386Enh]\r\nFileSysChange=off\r\n\r\n"},
        EditCase{"RemovesTheBlankedKey", "[386Enh]\r\nebios=*ebios\r\nFileSysChange = off\r\n", "386Enh",
                 "FileSysChange", nullptr, "[386Enh]\r\nebios=*ebios\r\n\r\n"},
        EditCase{"SameValueWithBlanksIsNoChange", "[Options]\n\tNoEndLogo = 1 \n", "Options", "NoEndLogo", "1", ""},
        EditCase{"TrailingBlanksAfterHeader", "[Options]\r\nA=1\r\n[Colors] \r\nWindow=255\r\n", "Colors", "Menu", "1",
                 "[Options]\r\nA=1\r\n\r\n[Colors] \r\nWindow=255\r\nMenu=1\r\n\r\n"},
        EditCase{"CommentAfterHeader", "[386Enh] ; Treiber\r\nebios=*ebios\r\n", "386Enh", "FileSysChange", "off",
                 "[386Enh] ; Treiber\r\nebios=*ebios\r\nFileSysChange=off\r\n\r\n"},
        EditCase{"LeadingBlanksBeforeHeader", "[A]\r\nk=1\r\n  [Options]\r\nB=2\r\n", "Options", "C", "3",
                 "[A]\r\nk=1\r\n\r\n  [Options]\r\nB=2\r\nC=3\r\n\r\n"},
        EditCase{"BlanksInsideTheBrackets", "[ Options ]\r\nB=2\r\n", "Options", "B", "3",
                 "[ Options ]\r\nB=3\r\n\r\n"},
        EditCase{"NoClosingBracketIsAnEntry", "[A]\r\n[Options\r\n", "Options", "B", "1",
                 "[A]\r\n[Options\r\n\r\n[Options]\r\nB=1\r\n\r\n"},
        EditCase{"LoneCrLines", "; Kopf\r[Options]\rNoEndLogo=1\rNoDownMessage=0\r", "Options", "NoEndLogo", "0",
                 "; Kopf\r\n[Options]\r\nNoEndLogo=0\r\nNoDownMessage=0\r\n\r\n"},
        EditCase{"MixedLineEnds", "[A]\nk=1\r[Options]\r\nB=2\n\rC=3", "Options", "C", "4",
                 "[A]\r\nk=1\r\n\r\n[Options]\r\nB=2\r\nC=4\r\n\r\n"},
        EditCase{"ByteOrderMarkStays", "\xEF\xBB\xBF[Options]\r\nA=1\r\n", "Options", "B", "1",
                 "\xEF\xBB\xBF[Options]\r\nA=1\r\nB=1\r\n\r\n"},
        // Found by the fuzzer: the mark's bytes after a blank line are text,
        // and must not reach the start of the file when the blank line goes.
        EditCase{"MarkBytesAfterABlankLineStayText", "\r\n\xEF\xBB\xBF\r\n[Options]\r\nA=1\r\n", "Options", "B",
                 "1", "\r\n\xEF\xBB\xBF\r\n[Options]\r\nA=1\r\nB=1\r\n\r\n"}),
    [](const ::testing::TestParamInfo<EditCase>& info) { return std::string(info.param.label); });

TEST_F(BigIniFileTest, ContentOutsideTheModelSurvivesARewrite) {
    const std::string longLine = "Long=" + std::string(300, 'x');
    const std::string binary = std::string("Bin=\x01\x02\xff\xfe", 8);
    machine.Put(file, "preamble text\r\n; header comment\n[A]\r\n" + longLine + "\nK=1\r\n" + binary +
                          "\r\n[a]\r\nDup=1\r\n[B]\r\nZ=9");
    {
        TBigIniFile ini(file);
        EXPECT_EQ(ini.ReadString("A", "Long", "").size(), 250u);
        ini.WriteString("B", "Z", "10");
    }
    EXPECT_EQ(machine.Get(file), "preamble text\r\n; header comment\r\n[A]\r\n" + longLine + "\r\nK=1\r\n" + binary +
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
