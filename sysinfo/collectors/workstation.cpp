#include "sysinfo/collectors/workstation.h"

#include <cmath>

#include "platform/platform.h"

namespace sysinfo::collectors {

namespace {

// Days from 1 March of year 0 to the civil date, and back (proleptic
// Gregorian), so that the day count is exact across leap years.
int64_t DaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;  // days since 1970-01-01
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

const int64_t kDelphiEpoch = DaysFromCivil(1899, 12, 30);

}  // namespace

TDateTime DateTimeOf(const platform::LocalTime& t) {
    const double day = static_cast<double>(DaysFromCivil(t.year, t.month, t.day) - kDelphiEpoch);
    const double time = (t.hour * 3600000.0 + t.minute * 60000.0 + t.second * 1000.0 + t.milliseconds) / 86400000.0;
    return day + time;
}

platform::LocalTime LocalTimeOf(TDateTime value) {
    platform::LocalTime t;
    const double days = std::floor(value);
    CivilFromDays(static_cast<int64_t>(days) + kDelphiEpoch, t.year, t.month, t.day);
    int64_t ms = static_cast<int64_t>(std::llround((value - days) * 86400000.0));
    if (ms >= 86400000) ms = 86399999;
    t.hour = static_cast<int>(ms / 3600000);
    t.minute = static_cast<int>(ms / 60000 % 60);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.milliseconds = static_cast<int>(ms % 1000);
    return t;
}

void TWorkstation::Refresh() {
    platform::Platform& p = platform::Get();
    const uint32_t ticks = p.system().TickCount();
    LastBoot = DateTimeOf(p.machine().Now()) - ticks / 1000.0 / 86400.0;
    if (!std::isfinite(LastBoot)) LastBoot = 0;
    const auto text = p.machine().ReadLowMemoryText(kBiosNameAddress, kBiosNameMaxLength);
    BIOSName = text && !text->empty() ? *text : "unbekannt";
}

}  // namespace sysinfo::collectors
