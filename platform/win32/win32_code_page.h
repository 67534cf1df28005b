// CharToOemA of user32.
#pragma once

#include "platform/code_page.h"

namespace platform::win32 {

class Win32CodePage : public CodePage {
public:
    std::string CharToOem(const std::string& ansi) override;
};

}  // namespace platform::win32
