// The operating system's version numbers and its version name.
#pragma once

#include <string>

namespace sysinfo::collectors {

class TOperatingSystem {
public:
    // GetVersionExA, then "Version" of the system's CurrentVersion key.
    void Refresh();

    int MajorVersion = 0;
    int MinorVersion = 0;
    int BuildNumber = 0;  // the low 16 bits of the system's build number
    // Empty when the key or the value is missing.
    std::string Version;
};

}  // namespace sysinfo::collectors
