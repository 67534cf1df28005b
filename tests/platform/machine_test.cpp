// The machine service, against the fake and against Wine: what the system
// information page relies on of each call.
#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "platform/platform.h"
#include "tests/support/test_machine.h"

namespace platform_test {
namespace {

using testing_support::MachineTest;

class MachineServiceTest : public MachineTest {
protected:
    platform::Machine& M() { return machine.P().machine(); }
};

TEST_F(MachineServiceTest, MemoryAvailableIsWithinTheTotals) {
    const platform::MemoryStatus m = M().GlobalMemoryStatus();
    // A 32-bit program on a machine of more than 4 GB gets each field cut
    // at about 4 GB on its own, so only uncut pairs can be compared.
    const auto within = [](uint64_t avail, uint64_t total) {
        return total >= 0xFFF00000u || avail <= total;
    };
    EXPECT_GT(m.totalPhys, 0u);
    EXPECT_TRUE(within(m.availPhys, m.totalPhys)) << m.availPhys << " of " << m.totalPhys;
    EXPECT_TRUE(within(m.availPageFile, m.totalPageFile)) << m.availPageFile << " of " << m.totalPageFile;
    EXPECT_GT(m.totalVirtual, 0u);
    EXPECT_TRUE(within(m.availVirtual, m.totalVirtual)) << m.availVirtual << " of " << m.totalVirtual;
}

TEST_F(MachineServiceTest, ASnapshotFillsAtMostItsLimit) {
    for (size_t limit : {size_t{0}, size_t{1}, size_t{100}}) {
        const auto processes = M().Processes(limit);
        ASSERT_TRUE(processes) << limit;
        EXPECT_LE(processes->size(), limit);
        if (limit > 0) {
            EXPECT_GE(processes->size(), 1u);
        }
    }
}

TEST_F(MachineServiceTest, TheErrorModeComesBack) {
    const uint32_t old = M().SetErrorMode(1);
    EXPECT_EQ(M().SetErrorMode(old), 1u);
}

TEST_F(MachineServiceTest, DriveCAnswersBothFreeSpaceQueries) {
    const auto geometry = M().GetDiskFreeSpace("C:\\");
    ASSERT_TRUE(geometry);
    EXPECT_GT(geometry->bytesPerSector, 0u);
    EXPECT_LE(geometry->freeClusters, geometry->totalClusters);
    const auto space = M().GetDiskFreeSpaceEx("C:\\");
    ASSERT_TRUE(space);
    EXPECT_LE(space->freeToCaller, space->total);
    EXPECT_FALSE(M().GetDiskFreeSpace("C:\\QWNOSUCHFOLDER\\NOT\\A\\ROOT\\"));
}

TEST_F(MachineServiceTest, TheCountersMoveForwardAndThePriorityComesBack) {
    const auto frequency = M().PerformanceFrequency();
    ASSERT_TRUE(frequency);
    EXPECT_GT(*frequency, 0u);
    const uint64_t p0 = M().PerformanceCounter(), c0 = M().TimeStampCounter();
    const uint64_t p1 = M().PerformanceCounter(), c1 = M().TimeStampCounter();
    EXPECT_GE(p1, p0);
    EXPECT_GT(c1, c0);
    const auto old = M().ThreadPriority();
    ASSERT_TRUE(old);
    M().SetThreadPriority(platform::kPriorityTimeCritical);
    EXPECT_EQ(M().ThreadPriority(), platform::kPriorityTimeCritical);
    M().SetThreadPriority(*old);
    EXPECT_EQ(M().ThreadPriority(), old);
}

TEST_F(MachineServiceTest, TheScreenFormatsAndClockAreThereAndLowMemoryIsBounded) {
    const platform::ScreenMode screen = M().Screen();
    EXPECT_GT(screen.width, 0);
    EXPECT_GT(screen.height, 0);
    EXPECT_GT(screen.bitsPerPixel, 0);
    const platform::NumberSeparators s = M().Separators();
    EXPECT_NE(s.decimal, '\0');
    EXPECT_NE(s.thousands, s.decimal);
    const platform::LocalTime now = M().Now();
    EXPECT_GE(now.year, 2001);
    const platform::LocalTime t{2001, 3, 12, 9, 41, 36, 0};
    EXPECT_NE(M().ShortDateText(t).find("12"), std::string::npos) << M().ShortDateText(t);
    EXPECT_NE(M().LongTimeText(t).find("41"), std::string::npos) << M().LongTimeText(t);
    const auto text = M().ReadLowMemoryText(0xFFFFE, 50);
    if (text) {
        EXPECT_LE(text->size(), 2u);
    }
}

TEST_F(MachineServiceTest, TheFakeRecordsWhatChangesTheMachine) {
    QW_FAKE_ONLY(machine);
    platform::fake::FakeMachine& fake = machine.Fake()->machine();
    M().SetErrorMode(1);
    M().SetThreadPriority(15);
    M().Processes(7);
    EXPECT_EQ(fake.ErrorModes(), std::vector<uint32_t>{1});
    EXPECT_EQ(fake.Priorities(), std::vector<int>{15});
    EXPECT_EQ(fake.Snapshots(), 1);
    EXPECT_EQ(fake.LargestLimit(), 7u);
}

}  // namespace
}  // namespace platform_test
