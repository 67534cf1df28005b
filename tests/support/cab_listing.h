// The file entries of a cabinet, read straight from its header: stored
// name, size, DOS date and time, attributes. The data itself is the
// readers' matter (tests/cab/cab_roundtrip.py); with cabextract on the host,
// CabextractTests runs its integrity test as well.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace testing_support {

struct CabEntry {
    std::string name;
    uint32_t size = 0;
    uint16_t date = 0, time = 0, attributes = 0;
};

inline std::vector<CabEntry> CabListing(const std::string& cab) {
    std::vector<CabEntry> entries;
    auto u16 = [&](size_t at) -> uint32_t {
        return at + 2 <= cab.size() ? static_cast<unsigned char>(cab[at]) | static_cast<unsigned char>(cab[at + 1]) << 8
                                    : 0;
    };
    auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
    if (cab.size() < 36 || cab.compare(0, 4, "MSCF") != 0) return entries;
    size_t at = u32(16);
    for (uint32_t i = 0; i < u16(28) && at + 16 < cab.size(); ++i) {
        CabEntry e;
        e.size = u32(at);
        e.date = static_cast<uint16_t>(u16(at + 10));
        e.time = static_cast<uint16_t>(u16(at + 12));
        e.attributes = static_cast<uint16_t>(u16(at + 14));
        const size_t end = cab.find('\0', at + 16);
        if (end == std::string::npos) break;
        e.name = cab.substr(at + 16, end - at - 16);
        entries.push_back(e);
        at = end + 1;
    }
    return entries;
}

inline std::vector<std::string> CabNames(const std::string& cab) {
    std::vector<std::string> names;
    for (const CabEntry& e : CabListing(cab)) names.push_back(e.name);
    return names;
}

// cabextract -t on a host file, when the host has cabextract; true when it
// is not there (under Wine the tests cannot start it).
inline bool CabextractTests(const std::string& hostPath) {
#ifdef _WIN32
    (void)hostPath;
    return true;
#else
    if (std::system("command -v cabextract >/dev/null 2>&1") != 0) return true;
    const std::string command = "cabextract -q -t '" + hostPath + "' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
#endif
}

}  // namespace testing_support
