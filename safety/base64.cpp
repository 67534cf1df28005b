#include "safety/base64.h"

#include <cstdint>

namespace safety {

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

uint32_t Sextet(char c) {
    if (c >= 'A' && c <= 'Z') return uint32_t(c - 'A');
    if (c >= 'a' && c <= 'z') return uint32_t(c - 'a' + 26);
    if (c >= '0' && c <= '9') return uint32_t(c - '0' + 52);
    if (c == '+') return 62;
    return 63;
}

}  // namespace

std::string Base64Encode(const std::string& bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t n = bytes.size() - i < 3 ? bytes.size() - i : 3;
        uint32_t group = uint32_t(uint8_t(bytes[i])) << 16;
        if (n > 1) group |= uint32_t(uint8_t(bytes[i + 1])) << 8;
        if (n > 2) group |= uint32_t(uint8_t(bytes[i + 2]));
        out += kAlphabet[(group >> 18) & 63];
        out += kAlphabet[(group >> 12) & 63];
        out += n > 1 ? kAlphabet[(group >> 6) & 63] : '=';
        out += n > 2 ? kAlphabet[group & 63] : '=';
    }
    return out;
}

std::string Base64Decode(const std::string& text) {
    if (text.size() % 4 != 0) throw EBase64Error();
    std::string out;
    out.reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4) {
        const uint32_t group =
            (Sextet(text[i]) << 18) | (Sextet(text[i + 1]) << 12) | (Sextet(text[i + 2]) << 6) | Sextet(text[i + 3]);
        const bool last = i + 4 == text.size();
        size_t count = 3;
        if (last && text[i + 2] == '=')
            count = 1;
        else if (last && text[i + 3] == '=')
            count = 2;
        out += char(group >> 16);
        if (count > 1) out += char((group >> 8) & 0xFF);
        if (count > 2) out += char(group & 0xFF);
    }
    return out;
}

}  // namespace safety
