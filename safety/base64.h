// Base64 as the password's check value is stored: standard encoding with
// "=" padding (RFC 4648), and the program's own decoding rules.
#pragma once

#include <stdexcept>
#include <string>

namespace safety {

// A text that the decoder does not take.
class EBase64Error : public std::runtime_error {
public:
    EBase64Error() : std::runtime_error("Base64: Incorrect string format") {}
};

std::string Base64Encode(const std::string& bytes);

// A text whose length is not a multiple of 4 raises EBase64Error. In each
// group of four, A-Z are 0-25, a-z 26-51, 0-9 52-61, "+" 62 and every other
// character 63; a last group with "=" third yields one byte, with "=" only
// fourth two bytes, otherwise three. An empty text decodes to nothing.
std::string Base64Decode(const std::string& text);

}  // namespace safety
