// The OEM code page of the machine: CharToOemA, which turns Windows-1252
// text into the code page that DOS names use (850 on a German Windows).
#pragma once

#include <string>

namespace platform {

class CodePage {
public:
    virtual ~CodePage() = default;
    virtual std::string CharToOem(const std::string& ansi) = 0;
};

}  // namespace platform
