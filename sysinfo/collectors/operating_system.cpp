#include "sysinfo/collectors/operating_system.h"

#include "platform/platform.h"

namespace sysinfo::collectors {

void TOperatingSystem::Refresh() {
    platform::Platform& p = platform::Get();
    const platform::VersionRecord version = p.system().GetVersion();
    MajorVersion = static_cast<int>(version.major);
    MinorVersion = static_cast<int>(version.minor);
    BuildNumber = static_cast<int>(version.build & 0xFFFF);
    Version.clear();
    const auto key =
        p.registry().OpenKey(platform::RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", false);
    if (!key) return;
    const auto value = key->QueryValue("Version");
    if (value && (value->type == platform::ValueType::Sz || value->type == platform::ValueType::ExpandSz)) {
        Version = platform::TextOfSz(value->data);
    }
}

}  // namespace sysinfo::collectors
