#include "sysinfo/collectors/cpu_clock.h"

#include <cmath>

namespace sysinfo::collectors {

namespace {
const uint32_t kSnaps[] = {0, 20, 33, 50, 60, 66, 80, 90, 100};

int64_t Round(double value) { return static_cast<int64_t>(std::nearbyint(value)); }
}  // namespace

uint32_t SnapFrequency(uint32_t m) {
    const uint32_t r = m % 100;
    size_t i = 0;
    while (kSnaps[i] <= r) ++i;  // r < 100, so an entry greater is always found
    const uint32_t above = kSnaps[i], below = kSnaps[i - 1];
    const uint32_t winner = (above - r) <= (r - below) ? above : below;
    return m - r + winner;
}

TCpuClock ClockFromTotals(uint32_t cycles, uint32_t microseconds) {
    TCpuClock result;
    result.TotalCycles = cycles;
    result.TotalMicroseconds = microseconds;
    if (microseconds == 0) return result;
    const double c = cycles, u = microseconds;
    int64_t t = Round(c * 10 / u);
    const int64_t h = Round(c * 100 / u);
    if (h - 10 * t >= 6) ++t;
    const int64_t raw = Round(c / u);
    int64_t normalized = raw;
    if (t - 10 * raw >= 6) ++normalized;
    result.RawMHz = static_cast<uint32_t>(raw);
    result.NormalizedMHz = SnapFrequency(static_cast<uint32_t>(normalized));
    return result;
}

}  // namespace sysinfo::collectors
