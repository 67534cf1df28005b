#include "config/text.h"

namespace config {

std::string UpperCase(const std::string& text) {
    std::string upper = text;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<int32_t> ParseNumber(const std::string& text, bool allowHex) {
    size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return std::nullopt;

    if (allowHex && text.size() - i > 2 && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        const size_t digits = text.size() - (i + 2);
        if (digits > 8) return std::nullopt;
        uint32_t value = 0;
        for (size_t k = i + 2; k < text.size(); ++k) {
            const int d = HexDigit(text[k]);
            if (d < 0) return std::nullopt;
            value = (value << 4) | static_cast<uint32_t>(d);
        }
        return static_cast<int32_t>(value);
    }

    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 2147483647LL || value < -2147483648LL) return std::nullopt;
    return static_cast<int32_t>(value);
}

std::string Format(const std::string& pattern, const std::string& argument) {
    const auto at = pattern.find("%s");
    if (at == std::string::npos) return pattern;
    return pattern.substr(0, at) + argument + pattern.substr(at + 2);
}

}  // namespace config
