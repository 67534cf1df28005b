// The program's text rules for names: case is ignored for ASCII letters
// only, and blanks are trimmed from a given set. One place for everyone.
#pragma once

#include <string>

namespace platform {

// Upper case of ASCII letters only; every other byte stays as it is.
char UpperAscii(char c);
std::string UpperCase(const std::string& text);
// Comparison without regard to the case of ASCII letters.
bool SameText(const std::string& a, const std::string& b);

// The sets of characters that count as blanks where text is trimmed.
constexpr const char* kSpaces = " ";
constexpr const char* kBlanksAndTabs = " \t";
constexpr const char* kWhiteSpace = " \t\r\n";
// What the profile functions strip: the C white space, CR and the old
// end-of-file mark Ctrl-Z.
constexpr const char* kProfileBlanks = " \t\n\v\f\r\x1a";

std::string TrimLeft(const std::string& text, const char* blanks);
std::string TrimRight(const std::string& text, const char* blanks);
std::string Trim(const std::string& text, const char* blanks);

}  // namespace platform
