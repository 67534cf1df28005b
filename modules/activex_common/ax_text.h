// Figures in the modules' German texts: thousands with a point.
#pragma once

#include <cstdint>
#include <string>

namespace modules {

inline std::string Thousands(uint64_t value) {
    std::string digits = std::to_string(value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ".");
    return digits;
}

// "1 Datei", "12 Dateien".
inline std::string Count(uint64_t n, const char* one, const char* many) {
    return Thousands(n) + " " + (n == 1 ? one : many);
}

inline std::string Megabytes(uint64_t bytes) { return Thousands(bytes / (1024 * 1024)) + " MB"; }
inline std::string Kilobytes(uint64_t bytes) { return Thousands((bytes + 1023) / 1024) + " KB"; }

}  // namespace modules
