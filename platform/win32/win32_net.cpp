#include "platform/win32/win32_net.h"

#include <cstring>

#include "platform/win32/win32_api.h"
// Winsock 1.1 and NetBIOS need the types of <windows.h> first.
// clang-format off
#include <winsock.h>
#include <nb30.h>
// clang-format on

namespace platform::win32 {

namespace {

// The adapter status record and room for 16 names: 348 bytes.
struct AdapterStatus {
    ADAPTER_STATUS status;
    NAME_BUFFER names[16];
};

UCHAR Run(NCB& ncb) { return Netbios(&ncb); }

}  // namespace

std::vector<std::string> Win32Net::HostAddresses() {
    std::vector<std::string> addresses;
    WSADATA data;
    if (WSAStartup(0x0101, &data) != 0) return addresses;
    char name[64] = {};
    if (gethostname(name, sizeof name) == 0) {
        if (const hostent* host = gethostbyname(name)) {
            for (char** address = host->h_addr_list; address && *address; ++address) {
                in_addr in;
                std::memcpy(&in, *address, sizeof in);
                addresses.push_back(inet_ntoa(in));
            }
        }
    }
    WSACleanup();
    return addresses;
}

uint8_t Win32Net::NetbiosEnum(std::vector<uint8_t>& lanas) {
    // The whole LANA_ENUM: Wine refuses a shorter buffer.
    LANA_ENUM lanaEnum;
    ZeroMemory(&lanaEnum, sizeof lanaEnum);
    NCB ncb;
    ZeroMemory(&ncb, sizeof ncb);
    ncb.ncb_command = NCBENUM;
    ncb.ncb_buffer = reinterpret_cast<PUCHAR>(&lanaEnum);
    ncb.ncb_length = sizeof lanaEnum;
    const UCHAR code = Run(ncb);
    if (code == NRC_GOODRET) lanas.assign(lanaEnum.lana, lanaEnum.lana + lanaEnum.length);
    return code;
}

uint8_t Win32Net::NetbiosReset(uint8_t lana) {
    NCB ncb;
    ZeroMemory(&ncb, sizeof ncb);
    ncb.ncb_command = NCBRESET;
    ncb.ncb_lana_num = lana;
    return Run(ncb);
}

uint8_t Win32Net::NetbiosAdapterStatus(uint8_t lana, std::array<uint8_t, 6>& address) {
    AdapterStatus status;
    ZeroMemory(&status, sizeof status);
    NCB ncb;
    ZeroMemory(&ncb, sizeof ncb);
    ncb.ncb_command = NCBASTAT;
    ncb.ncb_lana_num = lana;
    std::memcpy(ncb.ncb_callname, "*               ", NCBNAMSZ);
    ncb.ncb_buffer = reinterpret_cast<PUCHAR>(&status);
    ncb.ncb_length = sizeof status;
    const UCHAR code = Run(ncb);
    if (code == NRC_GOODRET) std::memcpy(address.data(), status.status.adapter_address, address.size());
    return code;
}

}  // namespace platform::win32
