// Shell links as a list of items, each saved on request as a ".lnk" file
// through the shell's link object.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "widgets/component.h"

namespace pages {

// Where an item's link goes. Only a folder of one's own is used by the
// program; the shell's special folders are not offered.
enum TAHMPathType { aUserDefined };
enum TAHMStartupState { ssNormal, ssMinimized, ssMaximized };

struct TAHMShortCutProperties {
    std::string Description;
    std::string IconFile;
    int IconIndex = 0;
    std::string TargetFile;
    std::string Parameters;
    std::string StartupDir;
    uint16_t ShortCutKey = 0;
    TAHMStartupState StartupState = ssNormal;
};

struct TAHMShortCut {
    std::string ShortCutName;
    std::string Path;
    TAHMPathType PathType = aUserDefined;
    std::string PathExtra;
    bool AutoInstall = false;
    TAHMShortCutProperties Properties;
};

class TAHMShellLinks : public widgets::TComponent {
public:
    explicit TAHMShellLinks(widgets::TComponent* owner) : TComponent(owner) {}
    const char* ClassName() const override { return "TAHMShellLinks"; }

    std::vector<TAHMShortCut> ShortCuts;

    // Saves the link of item n; false when n is beyond the list or a step
    // of the shell fails.
    bool CreateShortCut(size_t n);
};

}  // namespace pages
