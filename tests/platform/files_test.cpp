// Files and folders of the platform: the same rules on the fake and under
// Wine. Under Wine the scratch folder lies in the real temp folder.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "platform/platform.h"
#include "tests/support/test_machine.h"

namespace {

using platform::DriveType;
using platform::FileSystem;
using testing_support::MachineTest;
namespace attr = platform::attr;

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && Lower(text.substr(0, prefix.size())) == Lower(prefix);
}

class PlatformFilesTest : public MachineTest {
protected:
    FileSystem& F() { return machine.P().files(); }
};

TEST_F(PlatformFilesTest, NewFilesAreArchivedAndFoldersAreDirectories) {
    machine.Put(machine.Path("a.txt"), "x");
    ASSERT_TRUE(F().CreateDirectory(machine.Path("Sub")));
    EXPECT_EQ(F().GetAttributes(machine.Path("a.txt")) & (attr::Archive | attr::Directory), attr::Archive);
    EXPECT_NE(F().GetAttributes(machine.Path("Sub")) & attr::Directory, 0u);
    EXPECT_EQ(F().GetAttributes(machine.Path("missing.txt")), attr::Invalid);
    EXPECT_FALSE(F().SetAttributes(machine.Path("missing.txt"), attr::Hidden));
}

TEST_F(PlatformFilesTest, AttributesAreKept) {
    const std::string file = machine.Path("sys.ini");
    machine.Put(file, "x");
    ASSERT_TRUE(F().SetAttributes(file, attr::Protecting));
    EXPECT_EQ(F().GetAttributes(file), attr::Protecting);
    ASSERT_TRUE(F().SetAttributes(file, attr::Hidden | attr::Archive));
    EXPECT_EQ(F().GetAttributes(file), attr::Hidden | attr::Archive);
    ASSERT_TRUE(F().SetAttributes(file, attr::Normal));
    EXPECT_EQ(F().GetAttributes(file) & (attr::ReadOnly | attr::Hidden | attr::System), 0u);
}

TEST_F(PlatformFilesTest, NormalIsReportedWhenNothingIsSet) {
    // Wine reports every file as archived.
    QW_FAKE_ONLY(machine);
    machine.Put(machine.Path("a.txt"), "x");
    ASSERT_TRUE(F().SetAttributes(machine.Path("a.txt"), attr::Normal));
    EXPECT_EQ(F().GetAttributes(machine.Path("a.txt")), attr::Normal);
}

TEST_F(PlatformFilesTest, PathsIgnoreCaseAndTakeBothSeparators) {
    ASSERT_TRUE(F().CreateDirectory(machine.Path("Sub")));
    machine.Put(machine.Path("Sub\\File.TXT"), "content");
    std::string other = Lower(machine.Path("SUB\\file.txt"));
    std::replace(other.begin(), other.end(), '\\', '/');
    EXPECT_EQ(machine.Get(other), "content");
    auto found = F().Find(machine.Path("sub\\*.txt"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].name, "File.TXT");
}

TEST_F(PlatformFilesTest, ReadOnlyFileCannotBeDeleted) {
    const std::string file = machine.Path("ro.txt");
    machine.Put(file, "keep");
    F().SetAttributes(file, attr::ReadOnly);
    EXPECT_FALSE(F().DeleteFile(file));
    EXPECT_TRUE(F().Exists(file));
    F().SetAttributes(file, attr::Normal);
    EXPECT_TRUE(F().DeleteFile(file));
    EXPECT_FALSE(F().Exists(file));
}

TEST_F(PlatformFilesTest, ReadOnlyFileRefusesWritesAndCopiesOntoIt) {
    const std::string file = machine.Path("ro.txt");
    machine.Put(file, "keep");
    machine.Put(machine.Path("other.txt"), "new");
    F().SetAttributes(file, attr::ReadOnly);
    EXPECT_FALSE(F().WriteFile(file, "lost"));
    EXPECT_FALSE(F().CopyFile(machine.Path("other.txt"), file, false));
    EXPECT_EQ(machine.Get(file), "keep");
    EXPECT_TRUE(F().MoveFile(file, machine.Path("moved.txt")));  // a rename is allowed
}

TEST_F(PlatformFilesTest, CopyHonoursFailIfExists) {
    machine.Put(machine.Path("a.txt"), "one");
    machine.Put(machine.Path("b.txt"), "two");
    EXPECT_FALSE(F().CopyFile(machine.Path("a.txt"), machine.Path("b.txt"), true));
    EXPECT_EQ(machine.Get(machine.Path("b.txt")), "two");
    EXPECT_TRUE(F().CopyFile(machine.Path("a.txt"), machine.Path("B.TXT"), false));
    EXPECT_EQ(machine.Get(machine.Path("b.txt")), "one");
    EXPECT_FALSE(F().CopyFile(machine.Path("none.txt"), machine.Path("c.txt"), false));
    EXPECT_FALSE(F().Exists(machine.Path("c.txt")));
}

TEST_F(PlatformFilesTest, CopyTakesTheAttributesOfTheOriginal) {
    machine.Put(machine.Path("a.txt"), "one");
    F().SetAttributes(machine.Path("a.txt"), attr::ReadOnly | attr::Hidden);
    ASSERT_TRUE(F().CopyFile(machine.Path("a.txt"), machine.Path("c.txt"), true));
    EXPECT_EQ(F().GetAttributes(machine.Path("c.txt")) & (attr::ReadOnly | attr::Hidden | attr::System),
              attr::ReadOnly | attr::Hidden);
    EXPECT_EQ(machine.Get(machine.Path("c.txt")), "one");
}

TEST_F(PlatformFilesTest, MoveRenamesButNeverOverwrites) {
    machine.Put(machine.Path("a.txt"), "one");
    machine.Put(machine.Path("b.txt"), "two");
    EXPECT_FALSE(F().MoveFile(machine.Path("a.txt"), machine.Path("B.txt")));
    ASSERT_TRUE(F().MoveFile(machine.Path("a.txt"), machine.Path("c.txt")));
    EXPECT_FALSE(F().Exists(machine.Path("a.txt")));
    EXPECT_EQ(machine.Get(machine.Path("c.txt")), "one");

    ASSERT_TRUE(F().CreateDirectory(machine.Path("D")));
    machine.Put(machine.Path("D\\in.txt"), "in");
    ASSERT_TRUE(F().MoveFile(machine.Path("D"), machine.Path("E")));
    EXPECT_EQ(machine.Get(machine.Path("E\\in.txt")), "in");
}

TEST_F(PlatformFilesTest, FoldersAreMadeOneAtATimeAndRemovedWhenEmpty) {
    EXPECT_FALSE(F().CreateDirectory(machine.Path("X\\Y")));
    ASSERT_TRUE(F().CreateDirectory(machine.Path("X")));
    EXPECT_FALSE(F().CreateDirectory(machine.Path("x")));
    machine.Put(machine.Path("X\\f.txt"), "f");
    EXPECT_FALSE(F().RemoveDirectory(machine.Path("X")));
    EXPECT_FALSE(F().DeleteFile(machine.Path("X")));
    EXPECT_FALSE(F().WriteFile(machine.Path("Missing\\f.txt"), "f"));
    ASSERT_TRUE(F().DeleteFile(machine.Path("X\\f.txt")));
    EXPECT_TRUE(F().RemoveDirectory(machine.Path("X")));
    EXPECT_FALSE(F().Exists(machine.Path("X")));
}

struct FindCase {
    const char* pattern;
    std::vector<std::string> names;
};

void PrintTo(const FindCase& c, std::ostream* os) { *os << c.pattern; }

class PlatformFindTest : public MachineTest, public ::testing::WithParamInterface<FindCase> {};

TEST_P(PlatformFindTest, MatchesWildcardsWithoutRegardToCase) {
    FileSystem& files = machine.P().files();
    for (const char* name : {"abc.txt", "abd.txt", "abcd.ini", "noext"}) machine.Put(machine.Path(name), name);
    ASSERT_TRUE(files.CreateDirectory(machine.Path("Sub")));
    std::vector<std::string> names;
    for (const auto& found : files.Find(machine.Path(GetParam().pattern))) {
        names.push_back(found.name);
        if (found.name == "Sub") {
            EXPECT_NE(found.attributes & platform::attr::Directory, 0u);
        }
        if (found.name == "abcd.ini") {
            EXPECT_EQ(found.size, 8u);
        }
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, PlatformFindTest,
    ::testing::Values(FindCase{"*.txt", {"abc.txt", "abd.txt"}}, FindCase{"AB?.TXT", {"abc.txt", "abd.txt"}},
                      FindCase{"ab?", {}}, FindCase{"x*", {}}, FindCase{"abcd.*", {"abcd.ini"}},
                      FindCase{"noext.*", {"noext"}}, FindCase{"sub", {"Sub"}},
                      FindCase{"*", {".", "..", "Sub", "abc.txt", "abcd.ini", "abd.txt", "noext"}},
                      FindCase{"*.*", {".", "..", "Sub", "abc.txt", "abcd.ini", "abd.txt", "noext"}}));

bool IsEightDotThree(const std::string& name) {
    const auto dot = name.find('.');
    const size_t base = dot == std::string::npos ? name.size() : dot;
    const size_t ext = dot == std::string::npos ? 0 : name.size() - dot - 1;
    return base >= 1 && base <= 8 && ext <= 3 && name.find(' ') == std::string::npos &&
           (dot == std::string::npos || name.find('.', dot + 1) == std::string::npos);
}

TEST_F(PlatformFilesTest, ShortPathGivesEightDotThreeNamesOfTheSameFile) {
    const std::string longName = machine.Path("Long File Name.text");
    machine.Put(longName, "long");
    machine.Put(machine.Path("abc.txt"), "short");

    const std::string shortPath = F().ShortPath(longName);
    ASSERT_FALSE(shortPath.empty());
    const std::string leaf = shortPath.substr(shortPath.find_last_of('\\') + 1);
    EXPECT_TRUE(IsEightDotThree(leaf)) << leaf;
    EXPECT_NE(leaf.find('~'), std::string::npos) << leaf;
    EXPECT_EQ(machine.Get(shortPath), "long");

    const std::string same = F().ShortPath(machine.Path("ABC.TXT"));
    EXPECT_EQ(Lower(same.substr(same.find_last_of('\\') + 1)), "abc.txt");
    EXPECT_EQ(F().ShortPath(machine.Path("none.txt")), "");
}

TEST_F(PlatformFilesTest, WindowsFoldersExist) {
    EXPECT_EQ(F().GetDriveType("C:\\"), DriveType::Fixed);
    const std::string windows = F().WindowsDirectory();
    EXPECT_NE(F().GetAttributes(windows) & attr::Directory, 0u) << windows;
    const std::string system = F().SystemDirectory();
    EXPECT_TRUE(StartsWithNoCase(system, windows + "\\")) << system;
    EXPECT_NE(F().GetAttributes(system) & attr::Directory, 0u) << system;
    const std::string temp = F().TempDirectory();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), '\\');
    EXPECT_TRUE(F().Exists(temp)) << temp;
}

TEST_F(PlatformFilesTest, EnvironmentNamesIgnoreCase) {
    auto windir = F().GetEnvironment("WinDir");
    ASSERT_TRUE(windir.has_value());
    EXPECT_EQ(Lower(*windir), Lower(F().WindowsDirectory()));
    EXPECT_FALSE(F().GetEnvironment("QW_NOT_SET_ANYWHERE").has_value());
}

TEST_F(PlatformFilesTest, DiskSpaceOfDriveC) {
    auto space = F().GetDiskSpace("C:\\");
    ASSERT_TRUE(space.has_value());
    EXPECT_GT(space->totalBytes, 0u);
    EXPECT_LE(space->freeBytes, space->totalBytes);
}

TEST_F(PlatformFilesTest, DrivesExistOnlyWithAType) {
    QW_FAKE_ONLY(machine);
    platform::fake::FakeFiles& files = machine.Fake()->files();
    EXPECT_EQ(files.GetDriveType("D:\\"), DriveType::NoRootDir);
    EXPECT_FALSE(files.WriteFile("D:\\x.txt", "x"));
    files.SetDriveType('d', DriveType::CdRom);
    EXPECT_EQ(files.GetDriveType("d:"), DriveType::CdRom);
    EXPECT_TRUE(files.WriteFile("D:\\x.txt", "x"));
    EXPECT_FALSE(files.GetDiskSpace("Q:\\").has_value());
}

}  // namespace
