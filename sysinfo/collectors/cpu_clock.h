// The processor clock: the arithmetic of the measurement and the snap of a
// measured frequency to the clocks that processors are sold with.
#pragma once

#include <cstdint>

namespace sysinfo::collectors {

// The result of a clock measurement, in this order.
struct TCpuClock {
    uint32_t RawMHz = 0;
    uint32_t NormalizedMHz = 0;
    uint32_t TotalCycles = 0;
    uint32_t TotalMicroseconds = 0;
};

// Moves the last two digits of m to the nearest of 0, 20, 33, 50, 60, 66,
// 80, 90 and 100; a tie goes to the greater.
uint32_t SnapFrequency(uint32_t m);

// The result from the totals of cycles and microseconds of all tries:
// rounded to whole MHz (halves to even), a tenth of 6 or more rounds up,
// then snapped. Every product is formed in 64 bits; zero microseconds give
// a zero result.
TCpuClock ClockFromTotals(uint64_t cycles, uint64_t microseconds);

// Measures the clock against the performance counter: at least 3 and at
// most 20 tries of 1000 counter ticks each at time-critical priority, until
// the last three estimates agree. False, with result untouched, when the
// machine has no performance counter.
bool MeasureCpuClock(TCpuClock& result);

}  // namespace sysinfo::collectors
