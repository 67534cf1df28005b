#include "sysinfo/size_texts.h"

#include <cmath>
#include <cstdio>

namespace sysinfo {

std::string FormatFloat2(double value, char thousands, char decimal) {
    // Halves round away from zero, as FormatFloat rounds; printf alone
    // would take 3.125 to 3.12.
    const double rounded = std::round(value * 100.0) / 100.0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", rounded);
    std::string digits = buffer;
    const bool negative = !digits.empty() && digits[0] == '-';
    if (negative) digits.erase(0, 1);
    const size_t point = digits.find('.');
    const std::string whole = digits.substr(0, point);
    const std::string fraction = digits.substr(point + 1);
    std::string grouped;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += thousands;
        grouped += whole[i];
    }
    return (negative ? "-" : "") + grouped + decimal + fraction;
}

std::string SizeText(uint64_t bytes, char thousands, char decimal) {
    const double b = static_cast<double>(bytes);
    if (b / 1048576 < 1024) return FormatFloat2(b / 1048576, thousands, decimal) + " MB";
    if (b / 1073741824 < 1024) return FormatFloat2(b / 1073741824, thousands, decimal) + " GB";
    return FormatFloat2(b / 1024, thousands, decimal) + " KB";
}

std::optional<std::string> ColorDepthText(int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 4: return std::string("16 Farben (4-bit)");
        case 8: return std::string("256 Farben (8-bit)");
        case 16: return std::string("65.536 Farben (16-bit)");
        case 24: return std::string("16,7 Mio. Farben (24-bit)");
        case 32: return std::string("4,2 Mrd Farben (32-bit)");
        default: return std::nullopt;
    }
}

}  // namespace sysinfo
