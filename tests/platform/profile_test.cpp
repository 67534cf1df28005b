// Profile strings over raw file bytes: the same rules on the fake and under
// Wine.
#include <ostream>
#include <string>

#include "platform/platform.h"
#include "tests/support/test_machine.h"

namespace {

using testing_support::MachineTest;

class PlatformProfileTest : public MachineTest {};

constexpr char kIni[] =
    "[Options]\r\n"
    "  Name = Value  \r\n"
    "Quoted=\"with blanks \"\r\n"
    "Single='x'\r\n"
    "Mixed=\"x'\r\n"
    "Empty=\r\n"
    "NoEquals\r\n"
    ";Comment=1\r\n"
    "\r\n"
    "[ Second ]\r\n"
    "Key=2\n"
    "[OPTIONS]\r\n"
    "Late=1\r\n";

struct ReadCase {
    const char* section;
    const char* key;
    const char* defaultValue;
    uint32_t bufferSize;
    const char* expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << "[" << c.section << "] " << c.key << " default '" << c.defaultValue << "' buffer " << c.bufferSize;
}

class PlatformProfileReadTest : public MachineTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(PlatformProfileReadTest, FollowsTheWindowsRules) {
    const ReadCase& c = GetParam();
    machine.Put(machine.Path("TEST.INI"), kIni);
    EXPECT_EQ(machine.P().profile().GetString(c.section, c.key, c.defaultValue, c.bufferSize,
                                              machine.Path("test.ini")),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Reads, PlatformProfileReadTest,
    ::testing::Values(ReadCase{"options", "NAME", "d", 256, "Value"},              // case, blanks
                      ReadCase{" Options ", " Name ", "d", 256, "Value"},          // blanks of the arguments
                      ReadCase{"Options", "Quoted", "d", 256, "with blanks "},    // quotes removed
                      ReadCase{"Options", "Single", "d", 256, "x"},
                      ReadCase{"Options", "Mixed", "d", 256, "\"x'"},             // quotes must match
                      ReadCase{"Options", "Empty", "d", 256, ""},                 // present but empty
                      ReadCase{"Options", "NoEquals", "d", 256, "d"},             // a line without value
                      ReadCase{"Options", "Comment", "d", 256, "d"},
                      ReadCase{"Second", "KEY", "d", 256, "2"},                   // LF line end, [ Second ]
                      ReadCase{"Options", "Late", "d", 256, "d"},                 // only the first section
                      ReadCase{"Options", "Missing", "def", 256, "def"},
                      ReadCase{"Nowhere", "Name", "def", 256, "def"},
                      ReadCase{"Options", "Missing", "def  ", 256, "def"},        // default loses trailing blanks
                      ReadCase{"Options", "Missing", "'def'", 256, "def"},        // and its quotes
                      ReadCase{"Options", "Name", "d", 3, "Va"},                  // cut at the buffer
                      ReadCase{"Options", "Quoted", "d", 5, "with"},
                      ReadCase{"Options", "Name", "d", 1, ""},
                      ReadCase{"Options", "Missing", "default", 4, "def"}));

// Files as old machines have them: line ends, headers, a byte-order mark,
// accented names.
struct FileReadCase {
    const char* label;
    const char* file;
    const char* section;
    const char* key;
    const char* expected;
};

void PrintTo(const FileReadCase& c, std::ostream* os) { *os << c.label; }

class PlatformProfileFileReadTest : public MachineTest, public ::testing::WithParamInterface<FileReadCase> {};

TEST_P(PlatformProfileFileReadTest, ReadsAsWindowsDoes) {
    const FileReadCase& c = GetParam();
    machine.Put(machine.Path("odd.ini"), c.file);
    EXPECT_EQ(machine.P().profile().GetString(c.section, c.key, "d", 256, machine.Path("odd.ini")), c.expected);
}

constexpr char kLoneCr[] = "[C]\rk=v\rm=w\r";
constexpr char kMixedEnds[] = "[A]\r\nk=1\rm=2\r\n[B]\nx=3\ry=4\n\r[D]\rd=5";
constexpr char kHeaders[] =
    "[T]  \r\nt=1\r\n[U] ; Notiz\r\nu=1\r\n  [V]\r\nv=1\r\n[ W ]\r\nw=1\r\n\t[X]\t\r\nx=1\r\n"
    "[a]b]\r\nab=1\r\n[offen\r\no=1\r\n";
constexpr char kMarked[] = "\xEF\xBB\xBF[S]\r\nk=1\r\nu=\xC3\xA4\r\n";
constexpr char kAccented[] = "[Sä]\r\näk=1\r\nAk=2\r\n";

INSTANTIATE_TEST_SUITE_P(Files, PlatformProfileFileReadTest,
                         ::testing::Values(FileReadCase{"LoneCrFirst", kLoneCr, "C", "k", "v"},
                                           FileReadCase{"LoneCrLast", kLoneCr, "C", "m", "w"},
                                           FileReadCase{"LoneCrAmongCrLf", kMixedEnds, "A", "m", "2"},
                                           FileReadCase{"LfThenCr", kMixedEnds, "B", "y", "4"},
                                           FileReadCase{"LfCrThenLoneCr", kMixedEnds, "D", "d", "5"},
                                           FileReadCase{"HeaderWithTrailingBlanks", kHeaders, "T", "t", "1"},
                                           FileReadCase{"HeaderWithComment", kHeaders, "U", "u", "1"},
                                           FileReadCase{"HeaderWithLeadingBlanks", kHeaders, "V", "v", "1"},
                                           FileReadCase{"BlanksInsideTheBrackets", kHeaders, "W", "w", "1"},
                                           FileReadCase{"HeaderInTabs", kHeaders, "X", "x", "1"},
                                           FileReadCase{"NameUpToTheLastBracket", kHeaders, "a]b", "ab", "1"},
                                           FileReadCase{"NoClosingBracketIsNoHeader", kHeaders, "a]b", "o", "1"},
                                           FileReadCase{"ByteOrderMarkIsSkipped", kMarked, "S", "k", "1"},
                                           FileReadCase{"MarkedFileIsUtf8", kMarked, "S", "u", "ä"},
                                           FileReadCase{"AccentedLettersKeepTheirCase", kAccented, "Sä", "ÄK", "d"},
                                           FileReadCase{"AccentedSectionKeepsItsCase", kAccented, "SÄ", "äk", "d"},
                                           FileReadCase{"AccentedNameMatchesItself", kAccented, "sä", "äK", "1"},
                                           FileReadCase{"AsciiLettersFold", kAccented, "sä", "ak", "2"}),
                         [](const ::testing::TestParamInfo<FileReadCase>& info) {
                             return std::string(info.param.label);
                         });

TEST_F(PlatformProfileTest, MissingFileReadsTheDefault) {
    EXPECT_EQ(machine.P().profile().GetString("S", "K", "fallback", 256, machine.Path("none.ini")), "fallback");
    EXPECT_FALSE(machine.P().files().Exists(machine.Path("none.ini")));
}

struct WriteCase {
    const char* label;
    const char* before;  // nullptr: no file
    const char* section;
    const char* key;
    const char* value;  // nullptr: delete
    const char* after;  // nullptr: no file
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.label; }

class PlatformProfileWriteTest : public MachineTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(PlatformProfileWriteTest, ChangesTheFile) {
    const WriteCase& c = GetParam();
    const std::string file = machine.Path("w.ini");
    if (c.before) machine.Put(file, c.before);
    const auto value = c.value ? std::optional<std::string>(c.value) : std::nullopt;
    EXPECT_TRUE(machine.P().profile().WriteString(c.section, c.key, value, file));
    if (c.after) {
        EXPECT_EQ(machine.Get(file), c.after);
    } else {
        EXPECT_FALSE(machine.P().files().Exists(file));
    }
}

constexpr char kTwo[] = "[A]\r\nk=1\r\n[B]\r\nx=2\r\n";

INSTANTIATE_TEST_SUITE_P(
    Writes, PlatformProfileWriteTest,
    ::testing::Values(
        WriteCase{"CreatesFile", nullptr, "S", "k", "v", "[S]\r\nk=v\r\n"},
        WriteCase{"AppendsKeyToItsSection", kTwo, "a", "new", "3", "[A]\r\nk=1\r\nnew=3\r\n[B]\r\nx=2\r\n"},
        WriteCase{"ReplacesInPlaceKeepingTheSpelling", kTwo, "A", "K", "9", "[A]\r\nk=9\r\n[B]\r\nx=2\r\n"},
        WriteCase{"AppendsSection", kTwo, "C", "n", "v", "[A]\r\nk=1\r\n[B]\r\nx=2\r\n[C]\r\nn=v\r\n"},
        WriteCase{"DeletesKey", kTwo, "B", "x", nullptr, "[A]\r\nk=1\r\n[B]\r\n"},
        WriteCase{"DeletingAMissingKeyChangesNothing", "[A]\r\n k = 1 \r\n", "A", "other", nullptr,
                  "[A]\r\n k = 1 \r\n"},
        WriteCase{"DeletingInAMissingFileMakesNoFile", nullptr, "A", "k", nullptr, nullptr},
        WriteCase{"ValueLosesLeadingBlanks", kTwo, "B", "x", "  5", "[A]\r\nk=1\r\n[B]\r\nx=5\r\n"},
        WriteCase{"KeepsTheKeysOfLoneCrLines", kLoneCr, "C", "n", "x", "[C]\r\nk=v\r\nm=w\r\nn=x\r\n"},
        WriteCase{"ReplacesInLoneCrLines", kLoneCr, "C", "k", "z", "[C]\r\nk=z\r\nm=w\r\n"},
        WriteCase{"MarkedFileStaysUtf8", kMarked, "S", "n", "ä",
                  "\xEF\xBB\xBF[S]\r\nk=1\r\nu=\xC3\xA4\r\nn=\xC3\xA4\r\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.label); });

TEST_F(PlatformProfileTest, NameWithoutPathIsInTheWindowsFolder) {
    platform::FileSystem& files = machine.P().files();
    // The scratch folder's name makes the file's name unique.
    const std::string dir = machine.Dir().substr(0, machine.Dir().size() - 1);
    const std::string name = dir.substr(dir.find_last_of('\\') + 1) + ".INI";
    const std::string inWindows = files.WindowsDirectory() + "\\" + name;
    ASSERT_TRUE(machine.P().profile().WriteString("S", "K", std::string("1"), name));
    const bool there = files.Exists(inWindows);
    EXPECT_EQ(machine.P().profile().GetString("S", "K", "0", 16, name), "1");
    files.DeleteFile(inWindows);
    EXPECT_TRUE(there);
}

TEST_F(PlatformProfileTest, WriteFailsOnReadOnlyFile) {
    const std::string file = machine.Path("ro.ini");
    machine.Put(file, "[A]\r\nk=1\r\n");
    machine.P().files().SetAttributes(file, platform::attr::ReadOnly);
    EXPECT_FALSE(machine.P().profile().WriteString("A", "k", std::string("2"), file));
    EXPECT_FALSE(machine.P().profile().WriteString("A", "k", std::string("1"), file));  // no change either
    EXPECT_EQ(machine.Get(file), "[A]\r\nk=1\r\n");
}

}  // namespace
