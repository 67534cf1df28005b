// The version reader: which string table it reads, what a file without a
// version shows, and the fall-back to the program's own executable.
#include "sysinfo/collectors/ahm_file_details.h"

#include "platform/fake/fake_platform.h"
#include "platform/pe_version.h"
#include "tests/support/pe_fixture.h"
#include "tests/support/test_machine.h"

using sysinfo::TAHMFileDetails;
using testing_support::MakePe;
using testing_support::VersionFixture;

namespace {

class FileDetailsTest : public testing_support::MachineTest {
protected:
    void SetUp() override {
        // On the fake the program is a fixture of a known version; under
        // Wine it is the test program, which carries ours.
        if (machine.IsFake()) {
            machine.Put(machine.Path("quellwerk.exe"), MakePe(VersionFixture::German("9.8.7.6")));
            machine.Fake()->files().SetModuleFileName(machine.Path("quellwerk.exe"));
        }
        ownVersion = TAHMFileDetails().FileVersion();
    }
    std::string ReadOf(const VersionFixture& f) {
        machine.Put(machine.Path("qw32vim.dll"), MakePe(f));
        TAHMFileDetails details;
        details.SetAboutFile(machine.Path("qw32vim.dll"));
        EXPECT_EQ(details.AboutFile(), machine.Path("qw32vim.dll"));
        return details.FileVersion();
    }
    std::string ownVersion;
};

TEST_F(FileDetailsTest, TheOwnExecutableHasAVersion) {
    EXPECT_NE(ownVersion, TAHMFileDetails::kNoVersion);
    EXPECT_FALSE(ownVersion.empty());
    if (machine.IsFake()) {
        EXPECT_EQ(ownVersion, "9.8.7.6");
    }
}

TEST_F(FileDetailsTest, ChoosesTheTranslationAsWindowsListsIt) {
    struct Case {
        std::vector<std::pair<uint16_t, uint16_t>> translations;
        const char* expected;
    } cases[] = {
        {{{0x0407, 0x04E4}}, "German"},
        {{{0x0407, 0x04E4}, {0x0409, 0x04B0}}, "English"},
        {{{0x0409, 0x04B0}, {0x0407, 0x04E4}}, "English"},
        {{{0x040C, 0x04E4}, {0x0407, 0x04E4}}, "German"},  // no 0x0409: the last entry
        {{}, "Neutral"},                                   // no list: 0x0409 with code page 0
    };
    for (const auto& c : cases) {
        VersionFixture f;
        f.translations = c.translations;
        f.tables = {{"040704E4", {{"FileVersion", "German"}}},
                    {"040904B0", {{"FileVersion", "English"}}},
                    {"040C04E4", {{"FileVersion", "French"}}},
                    {"04090000", {{"FileVersion", "Neutral"}}}};
        EXPECT_EQ(ReadOf(f), c.expected) << c.translations.size();
    }
}

TEST_F(FileDetailsTest, ReadsTheVersionOfAGermanModule) {
    EXPECT_EQ(ReadOf(VersionFixture::German("1.2.0.7")), "1.2.0.7");
}

TEST_F(FileDetailsTest, AFileWithoutVersionOrWithoutFileVersionSaysSo) {
    VersionFixture none;
    none.hasResource = false;
    EXPECT_EQ(ReadOf(none), TAHMFileDetails::kNoVersion);
    VersionFixture noFileVersion = VersionFixture::German("1.0");
    noFileVersion.tables[0].values = {{"ProductName", "Quellwerk"}};
    EXPECT_EQ(ReadOf(noFileVersion), TAHMFileDetails::kNoVersion);
    machine.Put(machine.Path("readme.txt"), "Keine ausführbare Datei.");
    TAHMFileDetails details;
    details.SetAboutFile(machine.Path("readme.txt"));
    EXPECT_EQ(details.FileVersion(), TAHMFileDetails::kNoVersion);
}

TEST_F(FileDetailsTest, AMissingFileReadsTheOwnExecutableAndRaisesOnError) {
    TAHMFileDetails details;
    int errors = 0;
    details.OnError = [&] { ++errors; };
    details.SetAboutFile(machine.Path("qw32vim.dll"));
    details.SetAboutFile(machine.Path("qw32vim.dll"));
    EXPECT_EQ(errors, 2);
    EXPECT_EQ(details.FileVersion(), ownVersion);
    EXPECT_EQ(details.AboutFile(), machine.P().files().ModuleFileName());
    details.SetAboutFile("");
    EXPECT_EQ(errors, 2);
    EXPECT_EQ(details.FileVersion(), ownVersion);
}

TEST_F(FileDetailsTest, APathTheSearchDoesNotFindDoesNotKeepThePreviousVersion) {
    machine.Put(machine.Path("qw32vim.dll"), MakePe(VersionFixture::German("1.2.0.7")));
    TAHMFileDetails details;
    details.SetAboutFile(machine.Path("qw32vim.dll"));
    ASSERT_EQ(details.FileVersion(), "1.2.0.7");
    // The scratch folder with its backslash exists, but FindFirstFileA
    // finds nothing for it.
    ASSERT_TRUE(machine.P().files().Exists(machine.Dir()));
    details.SetAboutFile(machine.Dir());
    EXPECT_EQ(details.FileVersion(), ownVersion);
}

TEST_F(FileDetailsTest, AResourceThatCannotBeReadKeepsTheNoVersionText) {
    QW_FAKE_ONLY(machine);
    machine.Put(machine.Path("qw32vim.dll"), MakePe(VersionFixture::German("1.2.0.7")));
    machine.Fake()->versionInfo().FailInfo(machine.Path("qw32vim.dll"));
    TAHMFileDetails details;
    details.SetAboutFile(machine.Path("qw32vim.dll"));
    EXPECT_EQ(details.FileVersion(), TAHMFileDetails::kNoVersion);
}

TEST(PeVersionReader, RefusesWhatIsNoPeAndReadsTheFixedPart) {
    EXPECT_FALSE(platform::ReadPeVersionResource(""));
    EXPECT_FALSE(platform::ReadPeVersionResource("MZ not really"));
    std::string cut = MakePe(VersionFixture::German("1.0"));
    cut.resize(0x210);
    EXPECT_FALSE(platform::ReadPeVersionResource(cut));
    const auto block = platform::ReadPeVersionResource(MakePe(VersionFixture::German("2.5")));
    ASSERT_TRUE(block);
    const auto fixed = platform::QueryPeVersionValue(*block, "\\");
    ASSERT_TRUE(fixed);
    ASSERT_EQ(fixed->size(), 52u);
    EXPECT_EQ(fixed->substr(0, 4), std::string("\xBD\x04\xEF\xFE", 4));
    EXPECT_EQ(platform::QueryPeVersionValue(*block, "\\stringfileinfo\\040704e4\\fileversion"),
              std::string("2.5\0", 4));
    EXPECT_FALSE(platform::QueryPeVersionValue(*block, "\\StringFileInfo\\040904B0\\FileVersion"));
}

}  // namespace
