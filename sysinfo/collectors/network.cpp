#include "sysinfo/collectors/network.h"

namespace sysinfo::collectors {

void TNetwork::Refresh() {
    IPAddress.clear();
    RefreshProtocols();
    MACAddress.clear();
}

}  // namespace sysinfo::collectors
