#include "sysinfo/collectors/cpu_clock.h"

#include <cmath>
#include <cstdlib>

#include "platform/platform.h"

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

TCpuClock ClockFromTotals(uint64_t cycles, uint64_t microseconds) {
    TCpuClock result;
    result.TotalCycles = static_cast<uint32_t>(cycles);
    result.TotalMicroseconds = static_cast<uint32_t>(microseconds);
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

bool MeasureCpuClock(TCpuClock& result) {
    platform::Machine& machine = platform::Get().machine();
    const std::optional<uint64_t> frequency = machine.PerformanceFrequency();
    if (!frequency) return false;
    // Only the low 32 bits of the counters count; their differences stay
    // right across a wrap.
    const auto counter = [&machine] { return static_cast<uint32_t>(machine.PerformanceCounter()); };
    const auto cycles = [&machine] { return static_cast<uint32_t>(machine.TimeStampCounter()); };

    int64_t f1 = 0, f2 = 0, f3 = 0, sum = 0;
    uint64_t totalCycles = 0, totalMicroseconds = 0;
    int tries = 0;
    const auto apart = [&] {
        return std::llabs(3 * f1 - sum) > 3 || std::llabs(3 * f2 - sum) > 3 || std::llabs(3 * f3 - sum) > 3;
    };
    while (tries < 3 || (tries < 20 && apart())) {
        f3 = f2;
        f2 = f1;
        ++tries;
        uint32_t t0 = counter(), t1 = t0, a = 0, b = 0;
        {
            // The old priority comes back however the try ends.
            struct Priority {
                platform::Machine& machine;
                std::optional<int> old;
                ~Priority() {
                    if (old) machine.SetThreadPriority(*old);
                }
            } priority{machine, machine.ThreadPriority()};
            if (priority.old) machine.SetThreadPriority(platform::kPriorityTimeCritical);
            while (t1 - t0 < 50) {
                t1 = counter();
                a = cycles();
            }
            t0 = t1;
            while (t1 - t0 < 1000) {
                t1 = counter();
                b = cycles();
            }
        }
        const uint32_t c = b - a;
        const uint64_t u = static_cast<uint64_t>(
            Round(static_cast<double>(uint64_t{t1 - t0} * 100000) / (static_cast<double>(*frequency) / 10)));
        totalMicroseconds += u;
        totalCycles += c;
        f1 = u == 0 ? 0 : Round(static_cast<double>(c) / static_cast<double>(u));
        sum = f1 + f2 + f3;
    }
    result = ClockFromTotals(totalCycles, totalMicroseconds);
    return true;
}

}  // namespace sysinfo::collectors
