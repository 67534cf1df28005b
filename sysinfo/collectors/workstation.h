// The machine: when it was started and the maker's text of its BIOS.
#pragma once

#include <string>

#include "platform/machine.h"

namespace sysinfo::collectors {

// A date and time as days since 30 December 1899, the fraction the time.
using TDateTime = double;

TDateTime DateTimeOf(const platform::LocalTime& time);
platform::LocalTime LocalTimeOf(TDateTime value);

// Where the BIOS keeps its maker's text, and how much of it is read.
constexpr uint32_t kBiosNameAddress = 0xFE061;
constexpr size_t kBiosNameMaxLength = 80;

class TWorkstation {
public:
    void Refresh();

    // Now less the system's tick count; 0 when it cannot be formed.
    TDateTime LastBoot = 0;
    // "unbekannt" when the text cannot be read or is empty.
    std::string BIOSName;
};

}  // namespace sysinfo::collectors
