// The help viewer: WinHelp of the program's help file.
#pragma once

#include <cstdint>
#include <string>

namespace widgets {

// WinHelp commands.
constexpr uint32_t kHelpContext = 0x0001;
constexpr uint32_t kHelpQuit = 0x0002;
constexpr uint32_t kHelpContextPopup = 0x0008;
constexpr uint32_t kHelpFinder = 0x000B;

class HelpSystem {
public:
    virtual ~HelpSystem() = default;
    // WinHelpA(file, command, data); false when the viewer refused.
    virtual bool ShowHelp(const std::string& file, uint32_t command, uint32_t data) = 0;
};

// The installed help system; the headless recorder when none is installed.
HelpSystem& Help();
void InstallHelpSystem(HelpSystem* help);

}  // namespace widgets
