// The stand-in platform for tests on Linux: an in-memory registry, drives
// mapped to folders below a host folder, profile strings over those files,
// and a settable version record and virtual clock.
#pragma once

#include <filesystem>

#include "platform/fake/fake_activex.h"
#include "platform/fake/fake_modules.h"
#include "platform/fake/fake_machine.h"
#include "platform/fake/fake_net.h"
#include "platform/fake/fake_cabinet.h"
#include "platform/fake/fake_code_page.h"
#include "platform/fake/fake_file_access.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_profile.h"
#include "platform/fake/fake_recycle_bin.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_version_info.h"
#include "platform/platform.h"

namespace platform::fake {

class FakePlatform : public Platform {
public:
    // hostRoot: an existing, empty host folder that the drives live in.
    explicit FakePlatform(const std::filesystem::path& hostRoot);

    FakeRegistry& registry() override { return registry_; }
    FakeProfile& profile() override { return profile_; }
    FakeFiles& files() override { return files_; }
    FakeSystem& system() override { return system_; }
    FakeShell& shell() override { return shell_; }
    FakeFileAccess& fileAccess() override { return fileAccess_; }
    FakeCodePage& codePage() override { return codePage_; }
    FakeRecycleBin& recycleBin() override { return recycleBin_; }
    FakeCabinet& cabinet() override { return cabinet_; }
    FakeActiveX& activex() override { return activex_; }
    FakeModules& modules() override { return modules_; }
    FakeVersionInfo& versionInfo() override { return versionInfo_; }
    FakeMachine& machine() override { return machine_; }
    FakeNet& net() override { return net_; }

private:
    FakeRegistry registry_;
    FakeFiles files_;
    FakeProfile profile_;
    FakeSystem system_;
    FakeShell shell_;
    FakeFileAccess fileAccess_;
    FakeCodePage codePage_;
    FakeRecycleBin recycleBin_;
    FakeCabinet cabinet_;
    FakeActiveX activex_;
    FakeModules modules_;
    FakeVersionInfo versionInfo_{files_};
    FakeMachine machine_;
    FakeNet net_;
};

}  // namespace platform::fake
