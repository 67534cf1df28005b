// The network: the host's addresses through Winsock 1.1 (wsock32) and the
// adapters through NetBIOS (netapi32).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// NetBIOS return codes that the program tells apart.
constexpr uint8_t kNrcGoodRet = 0x00;

class Net {
public:
    virtual ~Net() = default;
    // WSAStartup(0x0101), gethostname into 64 bytes, gethostbyname and
    // inet_ntoa of every address in resolver order, WSACleanup. Empty when
    // any step fails.
    virtual std::vector<std::string> HostAddresses() = 0;
    // NCBENUM (0x37) with a LANA_ENUM buffer: the return code; lanas gets
    // the adapter numbers when it is 0.
    virtual uint8_t NetbiosEnum(std::vector<uint8_t>& lanas) = 0;
    // NCBRESET (0x32) of one adapter, all other fields zero.
    virtual uint8_t NetbiosReset(uint8_t lana) = 0;
    // NCBASTAT (0x33) with call name "*" and room for 16 names: the return
    // code; address gets the adapter address when it is 0.
    virtual uint8_t NetbiosAdapterStatus(uint8_t lana, std::array<uint8_t, 6>& address) = 0;
};

}  // namespace platform
