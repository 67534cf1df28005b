#include "sysinfo/collectors/cpu_clock.h"

#include <gtest/gtest.h>

namespace sysinfo_test {
namespace {

using namespace sysinfo::collectors;

TEST(SnapFrequencyTest, MovesTheLastTwoDigitsToTheNearestSoldClock) {
    struct Case {
        uint32_t in, out;
    } cases[] = {{451, 450}, {399, 400}, {366, 366}, {333, 333}, {310, 320}, {75, 80},
                 {10, 20},   {95, 100},  {0, 0},     {1000, 1000}, {463, 466}};
    for (const Case& c : cases) EXPECT_EQ(SnapFrequency(c.in), c.out) << c.in;
}

TEST(ClockFromTotalsTest, RoundsSnapsAndKeepsTheTotals) {
    struct Case {
        uint32_t cycles, micros, raw, normalized;
    } cases[] = {
        {4486000, 10000, 449, 450},  // 448.6 MHz
        {4995000, 10000, 500, 500},  // 499.5 MHz: the half goes to the even 500
        {4005000, 1000, 4005, 4000},
        // 4 x 10^9 cycles: the tenths and hundredths need more than 32 bits
        {4000000000u, 10000000, 400, 400},
    };
    for (const Case& c : cases) {
        const TCpuClock r = ClockFromTotals(c.cycles, c.micros);
        EXPECT_EQ(r.RawMHz, c.raw) << c.cycles;
        EXPECT_EQ(r.NormalizedMHz, c.normalized) << c.cycles;
        EXPECT_EQ(r.TotalCycles, c.cycles);
        EXPECT_EQ(r.TotalMicroseconds, c.micros);
    }
    const TCpuClock none = ClockFromTotals(123, 0);
    EXPECT_EQ(none.RawMHz, 0u);
    EXPECT_EQ(none.NormalizedMHz, 0u);
}

}  // namespace
}  // namespace sysinfo_test
