// The real platform: the ANSI functions of Windows 95/98/ME.
#pragma once

#include "platform/platform.h"
#include "platform/win32/win32_activex.h"
#include "platform/win32/win32_modules.h"
#include "platform/win32/win32_machine.h"
#include "platform/win32/win32_net.h"
#include "platform/win32/win32_cabinet.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_file_access.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_recycle_bin.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_version_info.h"

namespace platform::win32 {

class Win32Platform : public Platform {
public:
    Win32Registry& registry() override { return registry_; }
    Win32Profile& profile() override { return profile_; }
    Win32Files& files() override { return files_; }
    Win32System& system() override { return system_; }
    Win32Shell& shell() override { return shell_; }
    Win32FileAccess& fileAccess() override { return fileAccess_; }
    Win32CodePage& codePage() override { return codePage_; }
    Win32RecycleBin& recycleBin() override { return recycleBin_; }
    Win32Cabinet& cabinet() override { return cabinet_; }
    Win32ActiveX& activex() override { return activex_; }
    Win32Modules& modules() override { return modules_; }
    Win32VersionInfo& versionInfo() override { return versionInfo_; }
    Win32Machine& machine() override { return machine_; }
    Win32Net& net() override { return net_; }

private:
    Win32Registry registry_;
    Win32Profile profile_;
    Win32Files files_;
    Win32System system_;
    Win32Shell shell_;
    Win32FileAccess fileAccess_;
    Win32CodePage codePage_;
    Win32RecycleBin recycleBin_;
    Win32Cabinet cabinet_;  // loads "cabinet.dll" when the platform is made, at start
    Win32ActiveX activex_;
    Win32Modules modules_;
    Win32VersionInfo versionInfo_;
    Win32Machine machine_;
    Win32Net net_;
};

// The process's one real platform, installed as the current platform.
Win32Platform& InstallWin32Platform();

}  // namespace platform::win32
