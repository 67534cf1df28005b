#include "platform/text.h"

namespace platform {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperCase(const std::string& text) {
    std::string upper = text;
    for (char& c : upper) c = UpperAscii(c);
    return upper;
}

bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    }
    return true;
}

std::string TrimLeft(const std::string& text, const char* blanks) {
    const auto first = text.find_first_not_of(blanks);
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string TrimRight(const std::string& text, const char* blanks) {
    const auto last = text.find_last_not_of(blanks);
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

std::string Trim(const std::string& text, const char* blanks) { return TrimLeft(TrimRight(text, blanks), blanks); }

}  // namespace platform
