// The help system on the screen: WinHelp of the program's help file.
#pragma once

#include "widgets/help_system.h"

namespace widgets::win32 {

class Win32Help : public HelpSystem {
public:
    bool ShowHelp(const std::string& file, uint32_t command, uint32_t data) override;
};

}  // namespace widgets::win32
