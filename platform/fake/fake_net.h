// The network as a test sets it: the host's addresses and the NetBIOS
// adapters, with every NetBIOS command and Winsock query recorded.
#pragma once

#include <map>
#include <vector>

#include "platform/net.h"

namespace platform::fake {

class FakeNet : public Net {
public:
    std::vector<std::string> HostAddresses() override;
    uint8_t NetbiosEnum(std::vector<uint8_t>& lanas) override;
    uint8_t NetbiosReset(uint8_t lana) override;
    uint8_t NetbiosAdapterStatus(uint8_t lana, std::array<uint8_t, 6>& address) override;

    // ------------------------------------------------ settings for tests

    void SetHostAddresses(const std::vector<std::string>& addresses) { addresses_ = addresses; }
    // The enumeration's return code and adapter numbers.
    void SetEnum(uint8_t code, const std::vector<uint8_t>& lanas) {
        enumCode_ = code;
        lanas_ = lanas;
    }
    struct Adapter {
        uint8_t resetCode = 0;
        uint8_t statusCode = 0;
        std::array<uint8_t, 6> address{};
    };
    void SetAdapter(uint8_t lana, const Adapter& adapter) { adapters_[lana] = adapter; }

    // The commands in order, as (code, adapter number).
    struct Command {
        uint8_t code;
        uint8_t lana;
    };
    const std::vector<Command>& Commands() const { return commands_; }
    int HostQueries() const { return hostQueries_; }
    void ClearCalls() { commands_.clear(); }

private:
    std::vector<std::string> addresses_{"192.168.0.5"};
    uint8_t enumCode_ = 0;
    std::vector<uint8_t> lanas_{0};
    std::map<uint8_t, Adapter> adapters_{{0, Adapter{0, 0, {0x00, 0x50, 0x56, 0xC0, 0x00, 0x08}}}};
    std::vector<Command> commands_;
    int hostQueries_ = 0;
};

}  // namespace platform::fake
