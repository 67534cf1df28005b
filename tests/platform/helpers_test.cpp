// The shared helpers over the platform.
#include <string>

#include "platform/fake/fake_platform.h"
#include "platform/helpers.h"
#include "tests/support/test_machine.h"

namespace {

using platform::DriveType;
using platform::FileVersion;
using platform::VersionRecord;
using platform::WindowsRelease;
using testing_support::MachineTest;

struct ReleaseCase {
    const char* label;
    uint32_t platformId;
    uint32_t minor;
    const char* service;
    std::optional<FileVersion> kernel32;
    WindowsRelease expected;
};

class ClassifyReleaseTest : public ::testing::TestWithParam<ReleaseCase> {};

TEST_P(ClassifyReleaseTest, Classifies) {
    const ReleaseCase& c = GetParam();
    VersionRecord version;
    version.major = 4;
    version.minor = c.minor;
    version.build = 1000;
    version.platformId = c.platformId;
    version.servicePack = c.service;
    EXPECT_EQ(platform::ClassifyRelease(version, c.kernel32), c.expected);
}

constexpr uint32_t k9x = platform::kPlatformWindows;
const FileVersion kKernel98{4, 10, 2222, 0};
const FileVersion kKernelME{4, 90, 3000, 0};

INSTANTIATE_TEST_SUITE_P(
    Table, ClassifyReleaseTest,
    ::testing::Values(ReleaseCase{"Win95", k9x, 0, "", std::nullopt, WindowsRelease::Win95},
                      ReleaseCase{"Win95OSR2", k9x, 0, " B ", std::nullopt, WindowsRelease::Win95OSR2},
                      ReleaseCase{"Win95ServiceBWithoutLeadingBlank", k9x, 0, "B ", std::nullopt,
                                  WindowsRelease::Win95OSR2},
                      ReleaseCase{"Win95ServiceBB", k9x, 0, "BB", std::nullopt, WindowsRelease::Win95},
                      ReleaseCase{"Win95ServiceC", k9x, 3, " C ", std::nullopt, WindowsRelease::Win95},
                      ReleaseCase{"Win98", k9x, 10, "", kKernel98, WindowsRelease::Win98},
                      ReleaseCase{"Win98SE", k9x, 10, " A ", kKernel98, WindowsRelease::Win98SE},
                      ReleaseCase{"Win98ServiceAA", k9x, 10, "AA", kKernel98, WindowsRelease::Win98},
                      ReleaseCase{"Win98WithoutKernelVersion", k9x, 10, " A ", std::nullopt,
                                  WindowsRelease::Win98SE},
                      ReleaseCase{"MEByMinor", k9x, 90, "", std::nullopt, WindowsRelease::WinME},
                      ReleaseCase{"MEByKernelAtMinor10", k9x, 10, " A ", kKernelME, WindowsRelease::WinME},
                      ReleaseCase{"MEByKernelAtMinor89", k9x, 89, "", kKernelME, WindowsRelease::WinME},
                      ReleaseCase{"Minor100", k9x, 100, "", std::nullopt, WindowsRelease::None},
                      ReleaseCase{"Minor91", k9x, 91, "", kKernelME, WindowsRelease::None},
                      ReleaseCase{"NT", platform::kPlatformNT, 10, " A ", kKernel98, WindowsRelease::None},
                      ReleaseCase{"Win32s", platform::kPlatformWin32s, 10, "", std::nullopt,
                                  WindowsRelease::None}),
    [](const ::testing::TestParamInfo<ReleaseCase>& info) { return std::string(info.param.label); });

class PlatformHelpersTest : public MachineTest {};

TEST_F(PlatformHelpersTest, TheTestMachineIsWindows98SE) {
    // The fake's default and the Wine prefix set to Windows 98.
    EXPECT_EQ(platform::CurrentRelease(), WindowsRelease::Win98SE);
    const VersionRecord version = machine.P().system().GetVersion();
    EXPECT_EQ(version.platformId, platform::kPlatformWindows);
    EXPECT_EQ(version.major, 4u);
    EXPECT_EQ(version.minor, 10u);
    EXPECT_EQ(version.build & 0xFFFF, 2222u);
}

TEST_F(PlatformHelpersTest, ProgramFolderIsTheExecutablesFolderWithBackslash) {
    const std::string folder = platform::ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    const std::string exe = machine.P().files().ModuleFileName();
    ASSERT_EQ(exe.compare(0, folder.size(), folder), 0) << exe;
    EXPECT_EQ(exe.find('\\', folder.size()), std::string::npos);
    if (machine.IsFake()) {
        EXPECT_EQ(folder, "C:\\PROGRAMME\\QUELLWERK\\");
    }
}

// A file in the root of C:, removed again whatever the test does.
class RootFile {
public:
    RootFile(const testing_support::TestMachine& machine, const std::string& name)
        : machine_(machine), path_("C:\\" + name) {
        machine_.Put(path_, "x");
    }
    ~RootFile() { machine_.P().files().DeleteFile(path_); }

private:
    const testing_support::TestMachine& machine_;
    std::string path_;
};

std::string UniqueName(const testing_support::TestMachine& machine, const std::string& ext) {
    const std::string dir = machine.Dir().substr(0, machine.Dir().size() - 1);
    return dir.substr(dir.find_last_of('\\') + 1) + ext;
}

TEST_F(PlatformHelpersTest, FixedDriveSearchFindsAFileInTheRootOfC) {
    const std::string name = UniqueName(machine, ".SYS");
    EXPECT_EQ(platform::FindOnFixedDrives(name), "");
    RootFile file(machine, name);
    EXPECT_EQ(platform::FindOnFixedDrives(name), "C:\\" + name);
}

TEST_F(PlatformHelpersTest, FixedDriveSearchSkipsOtherDriveTypes) {
    QW_FAKE_ONLY(machine);
    platform::fake::FakeFiles& files = machine.Fake()->files();
    files.SetDriveType('D', DriveType::CdRom);
    files.SetDriveType('E', DriveType::Remote);
    files.SetDriveType('F', DriveType::Fixed);
    for (const char* path : {"D:\\logo.sys", "E:\\logo.sys", "F:\\logo.sys"}) machine.Put(path, "x");
    EXPECT_EQ(platform::FindOnFixedDrives("logo.sys"), "F:\\logo.sys");
    files.DeleteFile("F:\\logo.sys");
    EXPECT_EQ(platform::FindOnFixedDrives("logo.sys"), "");
}

TEST_F(PlatformHelpersTest, DelayPumpsMessagesWhileTheClockMoves) {
    QW_FAKE_ONLY(machine);
    platform::fake::FakeSystem& system = machine.Fake()->system();
    int pumped = 0;
    system.SetMessageHook([&] { ++pumped; });
    const uint32_t start = system.TickCount();
    platform::Delay(95);
    EXPECT_GE(system.TickCount() - start, 95u);
    EXPECT_LT(system.TickCount() - start, 95u + 10u);
    EXPECT_GE(pumped, 10);  // once per 10 ms quantum and once at the end
}

TEST_F(PlatformHelpersTest, DelayEndsWhenTheTickCountWraps) {
    QW_FAKE_ONLY(machine);
    platform::fake::FakeSystem& system = machine.Fake()->system();
    system.SetTickCount(0xFFFFFFF0u);
    platform::Delay(5000);
    EXPECT_LT(system.TickCount(), 100u);
}

}  // namespace
