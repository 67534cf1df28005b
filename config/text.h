// Text rules shared by the stores and the settings code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace config {

// Upper case of ASCII letters only; other bytes stay as they are.
std::string UpperCase(const std::string& text);

// Comparison without regard to case: the upper-case forms of both texts.
bool SameText(const std::string& a, const std::string& b);

// The text without the blanks and tabs at either end, as the profile
// functions take section and key names.
std::string TrimBlanks(const std::string& text);

// A whole number as the INI stores read it: an optional sign and decimal
// digits, after leading blanks. With allowHex, "0x" or "0X" followed by up
// to eight hex digits is read as a 32-bit pattern ("0xFFFFFFFF" is -1).
// Nothing when the text is not a whole number in the signed 32-bit range.
std::optional<int32_t> ParseNumber(const std::string& text, bool allowHex);

// printf-like "%s" substitution for the program's message templates.
std::string Format(const std::string& pattern, const std::string& argument);

}  // namespace config
