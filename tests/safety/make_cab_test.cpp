// TMakeCab: listing rules, progress and failures. On the fake the cabinet
// comes from our own writer (or from the stand-in library when a test makes
// it present); under Wine from Wine's "cabinet.dll" through the component's
// callbacks. Either way the archive is read back from its header.
#include "safety/make_cab.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "platform/file_access.h"
#include "tests/support/cab_listing.h"
#include "tests/support/test_machine.h"

namespace {

using safety::TMakeCab;
using testing_support::CabEntry;
using testing_support::CabListing;
using testing_support::CabNames;
using testing_support::MachineTest;
using Names = std::vector<std::string>;

class MakeCabTest : public MachineTest {
protected:
    MakeCabTest() : cab(nullptr) { cab.SetArchiveFile(machine.Path("out.cab")); }

    std::string Archive() { return machine.Get(cab.ArchiveFile()); }
    void Date(const std::string& path, uint16_t date, uint16_t time) {
        platform::FileAccess& a = machine.P().fileAccess();
        const auto h = a.Open(path, platform::FileMode::ReadWrite, false, false);
        ASSERT_NE(h, platform::kNoFile);
        ASSERT_TRUE(a.SetLastWriteTime(h, {date, time}));
        a.Close(h);
    }
    bool ReadersAgree() {
        if (auto* fake = machine.Fake())
            return testing_support::CabextractTests(fake->files().HostPath(cab.ArchiveFile()).string());
        return true;
    }

    TMakeCab cab;
};

TEST(MakeCabProgress, PercentRoundsHalvesToEvenWithinBounds) {
    const struct {
        int64_t a, b;
        int percent;
    } cases[] = {{0, 0, 0},   {5, 0, 0},  {0, 7, 0},  {1, 200, 0},     {3, 200, 2}, {5, 200, 2},
                 {7, 200, 4}, {1, 8, 12}, {3, 8, 38}, {199, 200, 100}, {9, 8, 100}, {-1, 8, 0}};
    for (const auto& c : cases) EXPECT_EQ(safety::ProgressPercent(c.a, c.b), c.percent) << c.a << "/" << c.b;
}

TEST_F(MakeCabTest, ArchiveFileTakesBackslashesAndAnEmptyOneDoesNothing) {
    cab.SetArchiveFile("C:/brkpoint/a.cab");
    EXPECT_EQ(cab.ArchiveFile(), "C:\\brkpoint\\a.cab");
    cab.SetArchiveFile("");
    machine.Put(machine.Path("a.ini"), "x");
    cab.FileSpec().push_back(machine.Path("a.ini"));
    EXPECT_EQ(cab.CreateArchive(), 0);
    EXPECT_FALSE(cab.Complete());
}

TEST_F(MakeCabTest, StoresBareNamesFirstWinsWithoutRegardToCase) {
    machine.P().files().CreateDirectory(machine.Path("A"));
    machine.P().files().CreateDirectory(machine.Path("B"));
    machine.Put(machine.Path("A\\WIN.INI"), "from A");
    machine.Put(machine.Path("B\\win.ini"), "from B, longer");
    machine.Put(machine.Path("B\\system.ini"), "[boot]");
    cab.FileSpec() = {machine.Path("missing.dat"), machine.Path("A\\WIN.INI"), machine.Path("B\\win.ini"),
                      machine.Path("B\\system.ini")};
    EXPECT_EQ(cab.CreateArchive(), 2);
    EXPECT_TRUE(cab.Complete());
    const auto entries = CabListing(Archive());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "WIN.INI");
    EXPECT_EQ(entries[0].size, 6u);  // from C:\...\A
    EXPECT_EQ(entries[1].name, "system.ini");
    EXPECT_TRUE(ReadersAgree());
}

TEST_F(MakeCabTest, WildcardsSkipDotNamesFoldersAndTemporaryFiles) {
    machine.Put(machine.Path("one.ini"), "1");
    machine.Put(machine.Path("two.ini"), "2");
    if (machine.IsFake()) {
        // Wine does not keep the temporary attribute.
        machine.Put(machine.Path("temp.ini"), "t");
        machine.P().files().SetAttributes(machine.Path("temp.ini"), 0x100);
    }
    machine.P().files().CreateDirectory(machine.Path("dir.ini"));
    cab.FileSpec() = {machine.Path("*.ini")};
    EXPECT_EQ(cab.CreateArchive(), 2);
    Names names = CabNames(Archive());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Names{"one.ini", "two.ini"}));
    if (auto* fake = machine.Fake()) {
        // The search runs with critical-error boxes off, and the mode comes back.
        const auto& modes = fake->fileAccess().ErrorModes();
        ASSERT_GE(modes.size(), 2u);
        EXPECT_EQ(modes[0], platform::kSemFailCriticalErrors);
        EXPECT_EQ(modes[1], 0u);
    }
}

TEST_F(MakeCabTest, NamesAreOemAttributesMaskedDatesLocal) {
    const std::string path = machine.Path("\xE4rger.ini");  // "ärger.ini"
    machine.Put(path, "x=1");
    machine.P().files().SetAttributes(path, platform::attr::Hidden | platform::attr::Archive);
    const uint16_t date = (21 << 9) | (3 << 5) | 14, time = (18 << 11) | (27 << 5) | 25;
    Date(path, date, time);
    cab.FileSpec() = {path};
    ASSERT_EQ(cab.CreateArchive(), 1);
    const auto entries = CabListing(Archive());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "\x84rger.ini");
    EXPECT_EQ(entries[0].attributes, platform::attr::Hidden | platform::attr::Archive);
    EXPECT_EQ(entries[0].date, date);
    EXPECT_EQ(entries[0].time, time);
}

TEST_F(MakeCabTest, ProgressByFileAndArchiveWithNoEventForAnEmptyFile) {
    machine.Put(machine.Path("empty.ini"), "");
    machine.Put(machine.Path("big.dat"), std::string(100000, 'b'));
    cab.FileSpec() = {machine.Path("empty.ini"), machine.Path("big.dat")};
    std::vector<std::pair<int, int>> events;
    cab.OnProgress = [&](TMakeCab*, uint8_t byFile, uint8_t byArchive) { events.push_back({byFile, byArchive}); };
    EXPECT_EQ(cab.CreateArchive(), 2);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), std::make_pair(100, 100));
    for (size_t i = 1; i < events.size(); ++i) EXPECT_LE(events[i - 1].second, events[i].second);
    // Every event belongs to big.dat: it is the whole run, so both agree.
    for (const auto& e : events) EXPECT_EQ(e.first, e.second);
}

TEST_F(MakeCabTest, AFileHeldOpenWithoutSharingIsLeftOut) {
    machine.Put(machine.Path("locked.dat"), "locked");
    machine.Put(machine.Path("free.ini"), "free");
    platform::FileAccess& a = machine.P().fileAccess();
    const auto held = a.Open(machine.Path("locked.dat"), platform::FileMode::ReadWrite, true, false);
    ASSERT_NE(held, platform::kNoFile);
    cab.FileSpec() = {machine.Path("locked.dat"), machine.Path("free.ini")};
    EXPECT_EQ(cab.CreateArchive(), 1);
    a.Close(held);
    EXPECT_TRUE(cab.Complete());
    EXPECT_EQ(CabNames(Archive()), Names{"free.ini"});
}

TEST_F(MakeCabTest, AnArchiveThatMayNotBeWrittenStaysAsItWas) {
    machine.Put(machine.Path("a.ini"), "a");
    machine.Put(cab.ArchiveFile(), "old");
    machine.P().files().SetAttributes(cab.ArchiveFile(), platform::attr::ReadOnly);
    std::string message;
    cab.OnError = [&](TMakeCab*, const std::string& text) { message = text; };
    cab.FileSpec() = {machine.Path("a.ini")};
    EXPECT_EQ(cab.CreateArchive(), 0);
    EXPECT_EQ(message, "Error writing to file");
    machine.P().files().SetAttributes(cab.ArchiveFile(), platform::attr::Normal);
    EXPECT_EQ(machine.Get(cab.ArchiveFile()), "old");
}

TEST_F(MakeCabTest, EraseFileGoesToTheRecycleBinOrIsGone) {
    machine.Put(machine.Path("x.cab"), "x");
    machine.Put(machine.Path("y.cab"), "y");
    EXPECT_TRUE(cab.EraseFile(machine.Path("x.cab"), true));
    EXPECT_FALSE(cab.EraseFile(machine.Path("x.cab"), true));
    EXPECT_TRUE(cab.EraseFile(machine.Path("y.cab"), false));
    EXPECT_FALSE(machine.P().files().Exists(machine.Path("x.cab")));
    EXPECT_FALSE(machine.P().files().Exists(machine.Path("y.cab")));
    if (auto* fake = machine.Fake()) {
        ASSERT_EQ(fake->recycleBin().Items().size(), 1u);
        EXPECT_EQ(fake->recycleBin().Flags().front(), 0x5C);
    }
}

// ------------------------------------------------ fake only: what Wine cannot show

TEST_F(MakeCabTest, WithoutAnyWriterNothingIsWritten) {
    QW_FAKE_ONLY(machine);
    machine.Put(machine.Path("a.ini"), "a");
    cab.UseOwnWriter = false;
    std::string message;
    cab.OnError = [&](TMakeCab*, const std::string& text) { message = text; };
    cab.FileSpec() = {machine.Path("a.ini")};
    EXPECT_EQ(cab.CreateArchive(), 0);
    EXPECT_EQ(message, "Cabinet.dll not found");
    EXPECT_FALSE(machine.P().files().Exists(cab.ArchiveFile()));
}

TEST_F(MakeCabTest, AFileWhoseReadFailsHalfWayIsRolledBack) {
    QW_FAKE_ONLY(machine);
    machine.Put(machine.Path("bad.dat"), std::string(200000, 'x'));
    machine.Put(machine.Path("good.ini"), "good");
    machine.Fake()->fileAccess().FailReadsAfter(machine.Path("bad.dat"), 100000);
    cab.FileSpec() = {machine.Path("bad.dat"), machine.Path("good.ini")};
    EXPECT_EQ(cab.CreateArchive(), 1);
    EXPECT_TRUE(cab.Complete());
    const auto entries = CabListing(Archive());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "good.ini");
    EXPECT_TRUE(ReadersAgree());
}

TEST_F(MakeCabTest, AFailedWriteOfTheCabinetLeavesNoFileAndIsNotComplete) {
    QW_FAKE_ONLY(machine);
    machine.Put(machine.Path("a.ini"), "a");
    machine.Fake()->fileAccess().FailWrites(cab.ArchiveFile());
    cab.FileSpec() = {machine.Path("a.ini")};
    EXPECT_EQ(cab.CreateArchive(), 1);
    EXPECT_FALSE(cab.Complete());
    EXPECT_FALSE(machine.P().files().Exists(cab.ArchiveFile()));
}

TEST_F(MakeCabTest, LinesWithoutFolderDriveColonAndUnc) {
    QW_FAKE_ONLY(machine);
    auto& fake = *machine.Fake();
    machine.Put("C:\\WINDOWS\\WIN.INI", "w");
    machine.Put("C:\\CONFIG.SYS", "c");
    fake.fileAccess().SetCurrentDirectory("C:\\WINDOWS");
    cab.FileSpec() = {"WIN.INI", "C:CONFIG.SYS", "\\\\server\\share\\x.ini"};
    EXPECT_EQ(cab.CreateArchive(), 2);
    EXPECT_EQ(CabNames(Archive()), (Names{"WIN.INI", "CONFIG.SYS"}));
}

TEST_F(MakeCabTest, TheLibraryGetsTheParametersAndTheFilesThroughTheCallbacks) {
    QW_FAKE_ONLY(machine);
    auto& library = machine.Fake()->cabinet();
    library.SetPresent(true);
    machine.Put(machine.Path("a.ini"), "alpha");
    machine.Put(machine.Path("\xE4.ini"), "");
    machine.P().files().SetAttributes(machine.Path("a.ini"), 0xA1);
    cab.FileSpec() = {machine.Path("a.ini"), machine.Path("\xE4.ini")};
    int events = 0;
    cab.OnProgress = [&](TMakeCab*, uint8_t, uint8_t) { ++events; };
    EXPECT_EQ(cab.CreateArchive(), 2);
    EXPECT_TRUE(cab.Complete());
    EXPECT_EQ(events, 1);  // the empty file reports nothing
    const auto& params = library.LastParams();
    EXPECT_EQ(params.maxCabinetSize, 0x7FFFFFFFu);
    EXPECT_EQ(params.folderThreshold, 900000u);
    EXPECT_FALSE(params.failOnIncompressible);
    EXPECT_EQ(params.setId, 0);
    EXPECT_EQ(params.cabinetName, "out.cab");
    EXPECT_EQ(params.cabinetPath, machine.Dir());
    ASSERT_EQ(library.Stored().size(), 2u);
    EXPECT_EQ(library.Stored()[0].bytes, "alpha");
    EXPECT_EQ(library.Stored()[0].attributes, 0x21);
    EXPECT_EQ(library.Stored()[0].compression, 1);
    EXPECT_EQ(library.Stored()[1].stored, "\x84.ini");
    EXPECT_EQ(library.ContextsAlive(), 0);
    EXPECT_EQ(machine.Fake()->fileAccess().OpenCount(), 0u);
}

TEST_F(MakeCabTest, LibraryFailuresEndTheRunQuietly) {
    QW_FAKE_ONLY(machine);
    auto& library = machine.Fake()->cabinet();
    library.SetPresent(true);
    cab.UseOwnWriter = false;
    machine.Put(machine.Path("a.ini"), "alpha");
    cab.FileSpec() = {machine.Path("a.ini")};
    std::string message;
    cab.OnError = [&](TMakeCab*, const std::string& text) { message = text; };
    library.FailAt(platform::fake::FakeCabinet::Step::Flush, 6, 13);
    EXPECT_EQ(cab.CreateArchive(), 1);
    EXPECT_FALSE(cab.Complete());
    EXPECT_EQ(message, "Cabinet error 6 (type 13)");
    library.FailAt(platform::fake::FakeCabinet::Step::Create, 3, 0);
    EXPECT_EQ(cab.CreateArchive(), 0);
    EXPECT_EQ(message, "Cabinet error 3 (type 0)");
    EXPECT_EQ(library.ContextsAlive(), 0);
}

TEST_F(MakeCabTest, OurWriterWritesTheCabinetTheLibraryCouldNotFinish) {
    QW_FAKE_ONLY(machine);
    auto& library = machine.Fake()->cabinet();
    library.SetPresent(true);
    machine.Put(machine.Path("a.ini"), "alpha");
    machine.Put(machine.Path("empty.dat"), "");
    cab.FileSpec() = {machine.Path("a.ini"), machine.Path("empty.dat")};
    std::string message;
    cab.OnError = [&](TMakeCab*, const std::string& text) { message = text; };
    for (const auto step : {platform::fake::FakeCabinet::Step::Flush, platform::fake::FakeCabinet::Step::Create}) {
        SCOPED_TRACE(static_cast<int>(step));
        machine.Put(cab.ArchiveFile(), "what the library left");
        library.FailAt(step, 6, -1);
        EXPECT_EQ(cab.CreateArchive(), 2);
        EXPECT_TRUE(cab.Complete());
        EXPECT_EQ(message, "Cabinet error 6 (type -1)");
        const auto entries = CabListing(Archive());
        ASSERT_EQ(entries.size(), 2u);
        EXPECT_EQ(entries[0].name, "a.ini");
        EXPECT_EQ(entries[0].size, 5u);
        EXPECT_EQ(entries[1].name, "empty.dat");
        EXPECT_EQ(entries[1].size, 0u);
        EXPECT_TRUE(ReadersAgree());
    }
    EXPECT_EQ(library.ContextsAlive(), 0);
}

// Wine's library ends the first folder after a file that crosses the folder
// threshold and then cannot write a last folder that holds only empty files.
TEST_F(MakeCabTest, AnEmptyFileAfterTheFolderThresholdIsStored) {
    std::string big(1000001, '\0');
    uint32_t x = 2463534242u;
    for (char& c : big) {  // incompressible, so the threshold is crossed
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        c = static_cast<char>(x);
    }
    machine.Put(machine.Path("big.dat"), big);
    machine.Put(machine.Path("empty.dat"), "");
    cab.FileSpec() = {machine.Path("big.dat"), machine.Path("empty.dat")};
    EXPECT_EQ(cab.CreateArchive(), 2);
    EXPECT_TRUE(cab.Complete());
    const auto entries = CabListing(Archive());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].size, big.size());
    EXPECT_EQ(entries[1].name, "empty.dat");
    EXPECT_TRUE(ReadersAgree());
}

}  // namespace
