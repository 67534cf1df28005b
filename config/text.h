// Text rules shared by the stores and the settings code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/text.h"

namespace config {

// Case is ignored for ASCII letters only, as everywhere in the program.
using platform::SameText;
using platform::UpperCase;

// The text without the blanks and tabs at either end, as the profile
// functions take section and key names.
inline std::string TrimBlanks(const std::string& text) { return platform::Trim(text, platform::kBlanksAndTabs); }

// A whole number as the INI stores read it: an optional sign and decimal
// digits, after leading blanks. With allowHex, "0x" or "0X" followed by up
// to eight hex digits is read as a 32-bit pattern ("0xFFFFFFFF" is -1).
// Nothing when the text is not a whole number in the signed 32-bit range.
std::optional<int32_t> ParseNumber(const std::string& text, bool allowHex);

// printf-like "%s" substitution for the program's message templates.
std::string Format(const std::string& pattern, const std::string& argument);

}  // namespace config
