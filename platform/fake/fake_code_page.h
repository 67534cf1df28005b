// CharToOemA of a German Windows: Windows-1252 to code page 850, with the
// best fit that Windows uses for the few letters that 850 lacks.
#pragma once

#include "platform/code_page.h"

namespace platform::fake {

class FakeCodePage : public CodePage {
public:
    std::string CharToOem(const std::string& ansi) override;
};

}  // namespace platform::fake
