// Files by handle, the OEM code page and the recycle bin: the same rules on
// the fake and under Wine.
#include "platform/file_access.h"

#include <string>

#include "platform/code_page.h"
#include "platform/fake/fake_platform.h"
#include "platform/platform.h"
#include "platform/recycle_bin.h"
#include "tests/support/test_machine.h"

namespace {

using platform::FileAccess;
using platform::FileMode;
using platform::kNoFile;
using platform::SeekOrigin;
using testing_support::MachineTest;
namespace error_code = platform::error_code;

class PlatformFileAccessTest : public MachineTest {
protected:
    FileAccess& A() { return machine.P().fileAccess(); }
};

TEST_F(PlatformFileAccessTest, WritesSeeksAndReadsWithShortReadsAtTheEnd) {
    const std::string path = machine.Path("data.bin");
    auto h = A().Open(path, FileMode::ReadWrite, true, true);
    ASSERT_NE(h, kNoFile);
    uint32_t n = 0;
    ASSERT_TRUE(A().Write(h, "abcdef", 6, n));
    EXPECT_EQ(n, 6u);
    EXPECT_EQ(A().Seek(h, 2, SeekOrigin::Begin), 2);
    char buffer[16] = {};
    ASSERT_TRUE(A().Read(h, buffer, sizeof buffer, n));
    EXPECT_EQ(std::string(buffer, n), "cdef");  // short: the end of the file
    ASSERT_TRUE(A().Read(h, buffer, sizeof buffer, n));
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(A().Seek(h, -1, SeekOrigin::End), 5);
    EXPECT_TRUE(A().Close(h));
    EXPECT_EQ(machine.Get(path), "abcdef");
    // Creating again replaces the content.
    h = A().Open(path, FileMode::Write, false, true);
    ASSERT_NE(h, kNoFile);
    A().Close(h);
    EXPECT_EQ(machine.Get(path), "");
}

TEST_F(PlatformFileAccessTest, OpenFailuresCarryTheirErrorCodes) {
    EXPECT_EQ(A().Open(machine.Path("missing.txt"), FileMode::Read, false, false), kNoFile);
    EXPECT_EQ(A().LastError(), error_code::kFileNotFound);
    EXPECT_EQ(A().Open(machine.Path("no\\such\\x.txt"), FileMode::Read, false, false), kNoFile);
    EXPECT_EQ(A().LastError(), error_code::kPathNotFound);

    const std::string locked = machine.Path("locked.txt");
    machine.Put(locked, "x");
    const auto h = A().Open(locked, FileMode::Read, true, false);
    ASSERT_NE(h, kNoFile);
    EXPECT_EQ(A().Open(locked, FileMode::Read, false, false), kNoFile);
    EXPECT_EQ(A().LastError(), error_code::kSharingViolation);
    A().Close(h);
    const auto shared = A().Open(locked, FileMode::Read, false, false);
    ASSERT_NE(shared, kNoFile);
    const auto second = A().Open(locked, FileMode::Read, false, false);
    EXPECT_NE(second, kNoFile);
    EXPECT_EQ(A().Open(locked, FileMode::Read, true, false), kNoFile);
    EXPECT_EQ(A().LastError(), error_code::kSharingViolation);
    A().Close(second);
    A().Close(shared);

    // Wine run as root opens a read-only file for writing all the same.
    if (!machine.IsFake()) return;
    const std::string readOnly = machine.Path("ro.txt");
    machine.Put(readOnly, "x");
    ASSERT_TRUE(machine.P().files().SetAttributes(readOnly, platform::attr::ReadOnly));
    EXPECT_EQ(A().Open(readOnly, FileMode::Write, false, false), kNoFile);
    EXPECT_EQ(A().LastError(), error_code::kAccessDenied);
    const auto reading = A().Open(readOnly, FileMode::Read, false, false);
    EXPECT_NE(reading, kNoFile);
    A().Close(reading);
    machine.P().files().SetAttributes(readOnly, platform::attr::Normal);
}

TEST_F(PlatformFileAccessTest, LastWriteTimeIsALocalDosTime) {
    const std::string path = machine.Path("dated.ini");
    machine.Put(path, "x");
    const platform::DosDateTime when{static_cast<uint16_t>((19 << 9) | (4 << 5) | 23),
                                     static_cast<uint16_t>((22 << 11) | (22 << 5) | 4)};
    auto h = A().Open(path, FileMode::ReadWrite, false, false);
    ASSERT_NE(h, kNoFile);
    ASSERT_TRUE(A().SetLastWriteTime(h, when));
    A().Close(h);
    h = A().Open(path, FileMode::Read, false, false);
    const auto got = A().LastWriteTime(h);
    A().Close(h);
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->date, when.date);
    EXPECT_EQ(got->time, when.time);
}

TEST_F(PlatformFileAccessTest, TempFileNamesAreMadeInTheFolder) {
    const std::string folder = machine.Dir().substr(0, machine.Dir().size() - 1);
    const std::string name = A().TempFileName(folder, "ztv");
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(name.substr(0, machine.Dir().size() + 3), machine.Dir() + "ztv");
    EXPECT_TRUE(machine.P().files().Exists(name));
    EXPECT_NE(A().TempFileName(folder, "ztv"), name);
    EXPECT_TRUE(A().TempFileName(machine.Path("missing"), "ztv").empty());
}

TEST_F(PlatformFileAccessTest, CurrentFolderAndErrorMode) {
    const std::string current = A().CurrentDirectory();
    ASSERT_GE(current.size(), 2u);
    EXPECT_EQ(current[1], ':');
    const uint32_t before = A().SetErrorMode(platform::kSemFailCriticalErrors);
    EXPECT_EQ(A().SetErrorMode(before), platform::kSemFailCriticalErrors);
}

TEST_F(PlatformFileAccessTest, CharToOemGivesCodePage850) {
    platform::CodePage& cp = machine.P().codePage();
    EXPECT_EQ(cp.CharToOem("WIN.INI"), "WIN.INI");
    EXPECT_EQ(cp.CharToOem("\xE4rger \xDF \xDC.txt"), "\x84rger \xE1 \x9A.txt");  // "ärger ß Ü.txt"
}

TEST_F(PlatformFileAccessTest, TheRecycleBinTakesAFileWithoutAQuestion) {
    const std::string path = machine.Path("old.cab");
    machine.Put(path, "old");
    const uint16_t flags =
        platform::kFofSilent | platform::kFofRenameOnCollision | platform::kFofNoConfirmation | platform::kFofAllowUndo;
    EXPECT_EQ(machine.P().recycleBin().Delete(path, flags), 0);
    EXPECT_FALSE(machine.P().files().Exists(path));
    EXPECT_NE(machine.P().recycleBin().Delete(machine.Path("missing.cab"), flags), 0);
    if (auto* fake = machine.Fake()) {
        ASSERT_EQ(fake->recycleBin().Items().size(), 1u);
        EXPECT_EQ(fake->recycleBin().Items()[0].path, path);
        EXPECT_EQ(fake->recycleBin().Items()[0].bytes, "old");
    }
}

TEST_F(PlatformFileAccessTest, TheCabinetLibraryIsThereUnderWineOnly) {
    // Wine brings "cabinet.dll"; the fake stands in for a machine without it
    // until a test makes it present.
    EXPECT_EQ(machine.P().cabinet().Present(), !machine.IsFake());
}

}  // namespace
