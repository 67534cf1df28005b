// Text rules shared by the parts of the fake platform: Windows compares
// names of keys, values, sections and files without regard to case.
#pragma once

#include <string>

namespace platform::fake {

// Upper case of a Windows-1252 byte: ASCII letters and the accented
// letters of the code page, as Windows folds them for file names.
char UpperChar(char c);
std::string Upper(const std::string& text);
bool EqualNoCase(const std::string& a, const std::string& b);

// Strips the characters that the profile functions count as blanks: the C
// white space, CR and the old end-of-file mark Ctrl-Z.
bool IsProfileBlank(char c);
std::string TrimLeft(const std::string& text);
std::string TrimRight(const std::string& text);
std::string Trim(const std::string& text);

}  // namespace platform::fake
