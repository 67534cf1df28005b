#include "platform/fake/fake_text.h"

namespace platform::fake {

char UpperChar(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
    // Windows-1252: à..þ fold onto À..Þ (except ÷), š œ ž ÿ onto Š Œ Ž Ÿ.
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
    if (b == 0x9A || b == 0x9C || b == 0x9E) return static_cast<char>(b - 0x10);
    if (b == 0xFF) return static_cast<char>(0x9F);
    return c;
}

std::string Upper(const std::string& text) {
    std::string out(text);
    for (char& c : out) c = UpperChar(c);
    return out;
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (UpperChar(a[i]) != UpperChar(b[i])) return false;
    }
    return true;
}

bool IsProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string TrimLeft(const std::string& text) {
    size_t first = 0;
    while (first < text.size() && IsProfileBlank(text[first])) ++first;
    return text.substr(first);
}

std::string TrimRight(const std::string& text) {
    size_t end = text.size();
    while (end > 0 && IsProfileBlank(text[end - 1])) --end;
    return text.substr(0, end);
}

std::string Trim(const std::string& text) { return TrimLeft(TrimRight(text)); }

}  // namespace platform::fake
