// Texts of the system information page: sizes in KB, MB or GB and the
// colour depth of the screen.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sysinfo {

// value with the pattern "#,##0.00": two decimals, the integer part in
// groups of three, with the user's separators.
std::string FormatFloat2(double value, char thousands, char decimal);

// bytes in MB below 1 GiB, in GB below 1024 GiB, otherwise in KB.
std::string SizeText(uint64_t bytes, char thousands, char decimal);

// The text for 4, 8, 16, 24 and 32 bits per pixel; nothing for others.
std::optional<std::string> ColorDepthText(int bitsPerPixel);

}  // namespace sysinfo
