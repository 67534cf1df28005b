#include "platform/platform.h"

#include <stdexcept>

#include "platform/text.h"

namespace platform {

namespace {
Platform* g_current = nullptr;
}

Platform& Get() {
    if (!g_current) throw std::logic_error("no platform installed");
    return *g_current;
}

void Install(Platform* p) { g_current = p; }

std::string ResourceName(const std::string& fileName) {
    std::string name = fileName;
    for (char& c : name) c = c == '.' ? '_' : UpperAscii(c);
    return name;
}

std::string SzData(const std::string& text) { return text + '\0'; }

std::string DwordData(uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

std::string TextOfSz(const std::string& data) {
    const auto nul = data.find('\0');
    return nul == std::string::npos ? data : data.substr(0, nul);
}

}  // namespace platform
