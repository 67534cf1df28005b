// The network through Winsock 1.1 (wsock32) and NetBIOS (netapi32).
#pragma once

#include "platform/platform.h"

namespace platform::win32 {

class Win32Net : public Net {
public:
    std::vector<std::string> HostAddresses() override;
    uint8_t NetbiosEnum(std::vector<uint8_t>& lanas) override;
    uint8_t NetbiosReset(uint8_t lana) override;
    uint8_t NetbiosAdapterStatus(uint8_t lana, std::array<uint8_t, 6>& address) override;
};

}  // namespace platform::win32
