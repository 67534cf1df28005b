// The operations on Windows services that the rest of the program calls,
// one header per service.
//
// Two implementations exist: platform/win32 calls the real ANSI functions of
// Windows 9x, platform/fake keeps a registry in memory and maps drive letters
// to folders of a temp directory. Both follow the same Windows rules, and the
// same tests run against both. docs/style.md says how a service is added.
//
// Text is Windows-1252 bytes in std::string.
#pragma once

#include "platform/activex.h"
#include "platform/cabinet.h"
#include "platform/code_page.h"
#include "platform/file_access.h"
#include "platform/files.h"
#include "platform/modules.h"
#include "platform/machine.h"
#include "platform/net.h"
#include "platform/profile.h"
#include "platform/recycle_bin.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/version_info.h"

namespace platform {

class Platform {
public:
    virtual ~Platform() = default;
    virtual Registry& registry() = 0;
    virtual Profile& profile() = 0;
    virtual FileSystem& files() = 0;
    virtual System& system() = 0;
    virtual Shell& shell() = 0;
    virtual FileAccess& fileAccess() = 0;
    virtual CodePage& codePage() = 0;
    virtual RecycleBin& recycleBin() = 0;
    virtual Cabinet& cabinet() = 0;
    virtual ActiveX& activex() = 0;
    virtual Modules& modules() = 0;
    virtual VersionInfo& versionInfo() = 0;
    virtual Machine& machine() = 0;
    virtual Net& net() = 0;
};

// The platform the program runs on. The win32 build installs the real one
// at start; tests install a fake or the real one in their fixture.
Platform& Get();
void Install(Platform* platform);

}  // namespace platform
