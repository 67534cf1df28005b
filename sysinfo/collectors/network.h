// The network collector: the host's addresses, the adapters' addresses and
// the installed protocols, and the registry's device-class lists they use.
#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"

namespace sysinfo::collectors {

// Where Windows 9x registers its device classes, below HKEY_LOCAL_MACHINE.
extern const char kClassKey[];

// The entries of one device class: the class's own key (its "Link", upper
// case) and the values valueName of that key's subkeys, in order, without
// duplicates (compared without regard to case).
struct TClassList {
    std::string link;
    std::vector<std::string> items;
};

// Finds the first subkey of classKey whose "Class" equals className without
// regard to case and lists valueName of classKey\<its Link>\*. Keys are only
// opened, never created; anything missing gives what was found so far, and a
// class without a "Link" gives an empty list.
TClassList ReadClassList(platform::RootKey root, const std::string& classKey, const std::string& className,
                         const std::string& valueName);

class TNetwork {
public:
    // Gathers everything anew: the host's IP addresses, the protocols, then
    // the adapters' addresses.
    void Refresh();
    // Only the protocols, which the network page's logon check needs.
    void RefreshProtocols();

    std::vector<std::string> IPAddress;
    std::vector<std::string> MACAddress;
    // The driver descriptions of the installed network protocols.
    std::vector<std::string> Protocol;
};

}  // namespace sysinfo::collectors
