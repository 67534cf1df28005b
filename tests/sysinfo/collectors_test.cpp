// The system information collectors: on the fake with the cases that show
// their rules, and on the real machine under Wine where the values can be
// judged there.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "platform/fake/fake_platform.h"
#include "platform/platform.h"
#include "sysinfo/collectors/cpu_clock.h"
#include "sysinfo/collectors/disk.h"
#include "sysinfo/collectors/network.h"
#include "sysinfo/collectors/operating_system.h"
#include "sysinfo/collectors/sys_resources.h"
#include "sysinfo/collectors/workstation.h"
#include "sysinfo/running_procs.h"
#include "tests/support/sample_machine.h"
#include "tests/support/test_machine.h"
#include "tests/widgets/widgets_fixture.h"
#include "widgets/component.h"

namespace sysinfo_test {
namespace {

using namespace sysinfo::collectors;
using testing_support::MachineTest;

class CollectorsTest : public MachineTest {
protected:
    platform::fake::FakeMachine& FakeMachine() { return machine.Fake()->machine(); }
    platform::fake::FakeNet& FakeNet() { return machine.Fake()->net(); }
};

// ------------------------------------------------------------ resources

TEST_F(CollectorsTest, ResourcesGiveAPercentOrTheMessageOfWhatFailed) {
    QW_FAKE_ONLY(machine);
    struct Case {
        platform::ResourceReading reading;
        std::optional<uint16_t> percent;
        std::string error;
    } cases[] = {
        {{platform::ResourceStatus::Done, 85}, uint16_t{85}, ""},
        {{platform::ResourceStatus::No16BitLayer, 0}, uint16_t{100}, ""},
        {{platform::ResourceStatus::NoResult, 0}, std::nullopt, ""},
        {{platform::ResourceStatus::NoModule, 0}, std::nullopt, "\"User.exe\" kann nicht geladen werden."},
        {{platform::ResourceStatus::NoEntry, 0}, std::nullopt,
         "Adresse von \"GetFreeSystemResources\" kann nicht gelesen werden."},
    };
    for (const Case& c : cases) {
        FakeMachine().SetResources(c.reading);
        const TSysResources r = GetSysResources(kUserResources);
        EXPECT_EQ(r.percent, c.percent) << c.error;
        EXPECT_EQ(r.error, c.error);
    }
    const auto& call = FakeMachine().ResourceCalls().back();
    EXPECT_EQ(call.module, "user.exe");
    EXPECT_EQ(call.entry, "GetFreeSystemResources");
    EXPECT_EQ(call.kind, kUserResources);
}

// On Windows 98 under 32-bit Wine the reading goes through QT_Thunk into
// Wine's 16-bit USER; the 64-bit build has no 16-bit layer and reads 100.
// Wine 8's QT_Thunk loses the 16-bit result on its way back, which the
// reader finds out and reports as no reading instead of as 0 %.
TEST_F(CollectorsTest, ResourcesOfEveryKindAreAPercentageOrUnknown) {
    const platform::ResourceReading raw =
        machine.P().machine().FreeSystemResources("user.exe", "GetFreeSystemResources", kUserResources);
    if (!machine.IsFake() && sizeof(void*) == 4) {
        // The thunk ran: it either carried the result or was found to lose it.
        EXPECT_TRUE(raw.status == platform::ResourceStatus::Done || raw.status == platform::ResourceStatus::NoResult);
    }
    for (uint16_t kind : {kSystemResources, kGdiResources, kUserResources}) {
        const TSysResources r = GetSysResources(kind);
        EXPECT_EQ(r.error, "") << kind;
        if (raw.status == platform::ResourceStatus::NoResult) {
            EXPECT_FALSE(r.percent) << kind;
            continue;
        }
        ASSERT_TRUE(r.percent) << kind << ": " << r.error;
        EXPECT_LE(*r.percent, 100) << kind;
        if (sizeof(void*) == 8 && !machine.IsFake()) {
            EXPECT_EQ(*r.percent, 100);
        }
    }
}

TEST_F(CollectorsTest, AMissingModuleOrEntryGivesItsMessage) {
    if (!machine.IsFake() && sizeof(void*) == 8) GTEST_SKIP() << "the 64-bit build has no 16-bit layer";
    if (machine.IsFake()) {
        // The fake has no 16-bit modules; the reader's rules are shown above.
        GTEST_SKIP() << "needs the 16-bit layer of 32-bit Wine";
    }
    EXPECT_EQ(ReadSysResources("user.exe", "NoSuchEntryAnywhere", kSystemResources).error, kNoResourceEntry);
    EXPECT_EQ(ReadSysResources("qwnosuch.exe", "GetFreeSystemResources", kSystemResources).error, kUserNotLoaded);
}

// ------------------------------------------------------------ processes

class RunningProcsTest : public CollectorsTest {
protected:
    RunningProcsTest() { widgets_test::ResetWidgets(); }
    ~RunningProcsTest() override { widgets_test::ResetWidgets(); }
};

TEST_F(RunningProcsTest, CountsOnEachTickAtMostAHundredAndRaisesTheEvents) {
    QW_FAKE_ONLY(machine);
    widgets::Owned<sysinfo::TRunningProcs> procs(new sysinfo::TRunningProcs(nullptr));
    int created = 0, terminated = 0;
    procs->OnCreatedProcess = [&](widgets::TComponent* s) { created += s == procs.get(); };
    procs->OnTerminatedProcess = [&](widgets::TComponent* s) { terminated += s == procs.get(); };
    EXPECT_FALSE(procs->Timer().Enabled());
    EXPECT_EQ(procs->Timer().Interval(), 100u);
    procs->SetRunning(true);
    EXPECT_TRUE(procs->Timer().Enabled());
    EXPECT_EQ(procs->ProcessCount(), 0);  // until the first tick

    struct Step {
        std::optional<size_t> processes;
        int count, created, terminated;
    } steps[] = {
        {150, 100, 1, 0},         // more than 100 give 100
        {100, 100, 1, 0},         // the same count raises nothing
        {7, 7, 1, 1},             //
        {std::nullopt, 0, 1, 2},  // a snapshot that fails counts 0
    };
    for (const Step& s : steps) {
        FakeMachine().SetProcessCount(s.processes);
        procs->Tick();
        EXPECT_EQ(procs->ProcessCount(), s.count);
        EXPECT_EQ(static_cast<int>(procs->Processes().size()), s.count);
        EXPECT_EQ(created, s.created);
        EXPECT_EQ(terminated, s.terminated);
    }
    EXPECT_EQ(FakeMachine().LargestLimit(), 100u);
    procs->SetRunning(false);
    EXPECT_FALSE(procs->Timer().Enabled());
}

TEST_F(RunningProcsTest, TheRealSnapshotHoldsThisProcess) {
    widgets::Owned<sysinfo::TRunningProcs> procs(new sysinfo::TRunningProcs(nullptr));
    procs->Tick();
    EXPECT_GE(procs->ProcessCount(), 1);
    EXPECT_LE(procs->ProcessCount(), 100);
    const auto one = machine.P().machine().Processes(1);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->size(), 1u);
}

// ------------------------------------------------------ operating system

TEST_F(CollectorsTest, TheOperatingSystemIsWindows98WithItsNumbers) {
    testing_support::InstallSample98(machine);
    TOperatingSystem os;
    os.Refresh();
    EXPECT_EQ(os.MajorVersion, 4);
    EXPECT_EQ(os.MinorVersion, 10);
    EXPECT_EQ(os.BuildNumber, 2222);  // the low word only
    EXPECT_EQ(os.Version, "Windows 98");
}

TEST_F(CollectorsTest, AMissingVersionValueLeavesTheNameEmpty) {
    QW_FAKE_ONLY(machine);
    auto key = machine.P().registry().OpenKey(platform::RootKey::LocalMachine,
                                              "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", true);
    ASSERT_TRUE(key);
    key->DeleteValue("Version");
    TOperatingSystem os;
    os.Version = "old";
    os.Refresh();
    EXPECT_EQ(os.Version, "");
}

// ---------------------------------------------------------- workstation

TEST_F(CollectorsTest, TheLastStartIsNowLessTheTickCount) {
    QW_FAKE_ONLY(machine);
    FakeMachine().SetNow({2001, 3, 12, 9, 41, 36, 0});
    struct Case {
        uint32_t ticks;
        platform::LocalTime boot;
    } cases[] = {
        {0, {2001, 3, 12, 9, 41, 36, 0}},
        {36 * 1000 + 41 * 60000 + 9 * 3600000, {2001, 3, 12, 0, 0, 0, 0}},
        {4294967295u, {2001, 1, 21, 16, 38, 48, 705}},  // 49.7 days, across February
    };
    for (const Case& c : cases) {
        machine.Fake()->system().SetTickCount(c.ticks);
        TWorkstation station;
        station.Refresh();
        const platform::LocalTime t = LocalTimeOf(station.LastBoot);
        EXPECT_EQ(std::vector<int>({t.year, t.month, t.day, t.hour, t.minute, t.second}),
                  std::vector<int>({c.boot.year, c.boot.month, c.boot.day, c.boot.hour, c.boot.minute,
                                    c.boot.second}))
            << c.ticks;
    }
    EXPECT_EQ(DateTimeOf({1899, 12, 30, 0, 0, 0, 0}), 0.0);
    EXPECT_EQ(DateTimeOf({2000, 1, 1, 12, 0, 0, 0}), 36526.5);
}

TEST_F(CollectorsTest, TheBiosTextIsReadWithinItsBoundsAndUnbekanntOtherwise) {
    QW_FAKE_ONLY(machine);
    struct Case {
        std::optional<std::string> memory;
        std::string name;
    } cases[] = {
        {std::string("Award Modular BIOS v4.51PG\0junk", 31), "Award Modular BIOS v4.51PG"},
        {std::string(200, 'A'), std::string(kBiosNameMaxLength, 'A')},
        {std::string("\0Award", 6), "unbekannt"},  // empty
        {std::nullopt, "unbekannt"},               // not readable
    };
    for (const Case& c : cases) {
        FakeMachine().SetLowMemory(kBiosNameAddress, c.memory);
        TWorkstation station;
        station.Refresh();
        EXPECT_EQ(station.BIOSName, c.name);
    }
}

TEST_F(CollectorsTest, TheBiosAreaReadStopsAtTheMegabyte) {
    // Whatever the system maps there: never beyond 0xFFFFF, never longer
    // than asked.
    const auto text = machine.P().machine().ReadLowMemoryText(0xFFFF0, 1000);
    if (text) {
        EXPECT_LE(text->size(), 16u);
    }
    const auto bios = machine.P().machine().ReadLowMemoryText(kBiosNameAddress, 8);
    if (bios) {
        EXPECT_LE(bios->size(), 8u);
    }
    TWorkstation station;
    station.Refresh();
    EXPECT_FALSE(station.BIOSName.empty());
}

// -------------------------------------------------------------- network

TEST_F(CollectorsTest, AdapterAddressesFollowTheNetbiosRules) {
    QW_FAKE_ONLY(machine);
    using Adapter = platform::fake::FakeNet::Adapter;
    const std::array<uint8_t, 6> a{0x00, 0x50, 0xBA, 0x0C, 0x1D, 0x2E};
    struct Case {
        const char* what;
        uint8_t enumCode;
        std::vector<uint8_t> lanas;
        std::vector<std::pair<uint8_t, Adapter>> adapters;
        std::vector<std::string> addresses;
    } cases[] = {
        {"one adapter whose status fails", 0, {3}, {{3, Adapter{0, 0x01, {}}}}, {"??:??:??:??:??:??"}},
        {"two adapters with the same address", 0, {0, 1}, {{0, Adapter{0, 0, a}}, {1, Adapter{0, 0, a}}},
         {"00:50:ba:0c:1d:2e"}},
        {"a reset that fails skips the adapter", 0, {0, 1}, {{0, Adapter{0x23, 0, a}}, {1, Adapter{0, 0x01, {}}}},
         {"??:??:??:??:??:??"}},
        {"a failed enumeration", 0x38, {0}, {{0, Adapter{0, 0, a}}}, {}},
    };
    for (const Case& c : cases) {
        platform::fake::FakeNet& net = FakeNet();
        net = platform::fake::FakeNet();
        net.SetEnum(c.enumCode, c.lanas);
        for (const auto& [lana, adapter] : c.adapters) net.SetAdapter(lana, adapter);
        TNetwork network;
        network.MACAddress = {"old"};
        network.Refresh();
        EXPECT_EQ(network.MACAddress, c.addresses) << c.what;
    }
    // Reset, then status, per adapter, after the enumeration.
    const auto& commands = FakeNet().Commands();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].code, 0x37);
}

TEST_F(CollectorsTest, EachAdapterIsResetThenAskedForItsStatus) {
    QW_FAKE_ONLY(machine);
    FakeNet().SetEnum(0, {2, 5});
    FakeNet().SetAdapter(2, {0, 0, {1, 2, 3, 4, 5, 6}});
    FakeNet().SetAdapter(5, {0, 0, {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF}});
    TNetwork network;
    network.Refresh();
    std::vector<std::pair<int, int>> commands;
    for (const auto& c : FakeNet().Commands()) commands.emplace_back(c.code, c.lana);
    EXPECT_EQ(commands, (std::vector<std::pair<int, int>>{{0x37, 0}, {0x32, 2}, {0x33, 2}, {0x32, 5}, {0x33, 5}}));
    EXPECT_EQ(network.MACAddress, (std::vector<std::string>{"01:02:03:04:05:06", "aa:bb:cc:dd:ee:ff"}));
}

TEST_F(CollectorsTest, AHostWithTwoAddressesGivesBothInOrder) {
    QW_FAKE_ONLY(machine);
    FakeNet().SetHostAddresses({"10.0.0.7", "192.168.1.20"});
    TNetwork network;
    network.Refresh();
    EXPECT_EQ(network.IPAddress, (std::vector<std::string>{"10.0.0.7", "192.168.1.20"}));
    FakeNet().SetHostAddresses({});
    network.Refresh();
    EXPECT_TRUE(network.IPAddress.empty());
}

TEST_F(CollectorsTest, TheProtocolsAloneAskNoNetworkQuestion) {
    QW_FAKE_ONLY(machine);
    TNetwork network;
    network.RefreshProtocols();
    EXPECT_EQ(FakeNet().HostQueries(), 0);
    EXPECT_TRUE(FakeNet().Commands().empty());
}

TEST_F(CollectorsTest, TheRealNetworkGivesDottedAddressesAndWellFormedAdapters) {
    TNetwork network;
    network.Refresh();
    const std::regex dotted(R"(\d{1,3}\.\d{1,3}\.\d{1,3}\.\d{1,3})");
    EXPECT_FALSE(network.IPAddress.empty());
    for (const std::string& a : network.IPAddress) EXPECT_TRUE(std::regex_match(a, dotted)) << a;
    const std::regex mac(R"(([0-9a-f]{2}:){5}[0-9a-f]{2}|\?\?(:\?\?){5})");
    for (const std::string& a : network.MACAddress) EXPECT_TRUE(std::regex_match(a, mac)) << a;
}

// ----------------------------------------------------------------- disk

TEST_F(CollectorsTest, ADriveKeepsTwoCharactersAndReadsWithoutErrorBoxes) {
    QW_FAKE_ONLY(machine);
    FakeMachine().SetErrorMode(0x8000);
    TDisk disk;
    disk.SetDrive("C:\\");
    EXPECT_EQ(disk.Drive(), "C:");
    EXPECT_EQ(disk.DriveType, TDriveType::dtFixed);
    EXPECT_TRUE(disk.MediaPresent);
    EXPECT_EQ(disk.Capacity, 2147483648ull);
    EXPECT_EQ(disk.FreeSpace, 1610612736ull);
    EXPECT_EQ(disk.SectorsPerCluster, 8u);
    EXPECT_EQ(disk.TotalClusters, 524288u);
    EXPECT_EQ(FakeMachine().ErrorModes(), (std::vector<uint32_t>{0x8000, 1, 0x8000}));
}

TEST_F(CollectorsTest, WithoutTheExtendedQueryTheSizesAreFormedIn64Bits) {
    QW_FAKE_ONLY(machine);
    FakeMachine().SetHasDiskFreeSpaceEx(false);
    // 64 sectors of 512 bytes, 262144 clusters: 8 GiB, which wraps in 32 bits.
    FakeMachine().SetDisk("C:\\", platform::DiskGeometry{64, 512, 131072, 262144});
    TDisk disk;
    disk.SetDrive("c:");
    EXPECT_EQ(disk.Capacity, 8589934592ull);
    EXPECT_EQ(disk.FreeSpace, 4294967296ull);
}

TEST_F(CollectorsTest, ADriveWithoutAMediumReadsAllZeros) {
    QW_FAKE_ONLY(machine);
    FakeMachine().SetDisk("A:\\", std::nullopt);
    TDisk disk;
    disk.SetDrive("A:");
    EXPECT_FALSE(disk.MediaPresent);
    EXPECT_EQ(disk.Capacity, 0u);
    EXPECT_EQ(disk.FreeSpace, 0u);
    EXPECT_EQ(disk.TotalClusters, 0u);
    EXPECT_EQ(FakeMachine().ErrorMode(), 0u);  // restored
}

TEST_F(CollectorsTest, TheRealDriveCHasASizeAndFreeSpaceWithinIt) {
    TDisk disk;
    disk.SetDrive("C:");
    ASSERT_TRUE(disk.MediaPresent);
    EXPECT_GT(disk.Capacity, 0u);
    EXPECT_LE(disk.FreeSpace, disk.Capacity);
    EXPECT_GT(disk.BytesPerSector, 0u);
}

// ---------------------------------------------------------------- clock

TEST_F(CollectorsTest, TheClockIsMeasuredAtRaisedPriorityAndSnapped) {
    QW_FAKE_ONLY(machine);
    // 10 counter ticks of 1193180 Hz and 3772 cycles per read: 450 MHz.
    TCpuClock clock;
    ASSERT_TRUE(MeasureCpuClock(clock));
    EXPECT_EQ(clock.RawMHz, 450u);
    EXPECT_EQ(clock.NormalizedMHz, 450u);
    EXPECT_EQ(clock.TotalMicroseconds, 3u * 838u);  // three agreeing tries of 1000 ticks
    EXPECT_EQ(FakeMachine().Priorities(), (std::vector<int>{15, 0, 15, 0, 15, 0}));
}

TEST_F(CollectorsTest, WithoutAPerformanceCounterTheResultIsUntouched) {
    QW_FAKE_ONLY(machine);
    FakeMachine().SetFrequency(std::nullopt);
    TCpuClock clock;
    clock.NormalizedMHz = 7;
    EXPECT_FALSE(MeasureCpuClock(clock));
    EXPECT_EQ(clock.NormalizedMHz, 7u);
}

TEST_F(CollectorsTest, AnUnreadablePriorityIsNotChangedAndCountersMayWrap) {
    QW_FAKE_ONLY(machine);
    FakeMachine().SetPriorityReadable(false);
    FakeMachine().SetCounters(0xFFFFFF00u, 0xFFFF0000u);
    TCpuClock clock;
    ASSERT_TRUE(MeasureCpuClock(clock));
    EXPECT_EQ(clock.NormalizedMHz, 450u);
    EXPECT_TRUE(FakeMachine().Priorities().empty());
}

TEST_F(CollectorsTest, TheRealClockGivesAFrequency) {
    TCpuClock clock;
    ASSERT_TRUE(MeasureCpuClock(clock));
    EXPECT_GT(clock.NormalizedMHz, 0u);
    EXPECT_GT(clock.TotalMicroseconds, 0u);
    EXPECT_EQ(machine.P().machine().ThreadPriority(), 0);  // given back
}

}  // namespace
}  // namespace sysinfo_test
