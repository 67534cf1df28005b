// The registry through advapi32's ANSI functions.
#pragma once

#include "platform/platform.h"

namespace platform::win32 {

class Win32Registry : public Registry {
public:
    // Opens with full access, as the program's registry objects do on
    // Windows 9x; a key that refuses full access is opened for reading.
    std::unique_ptr<RegKey> OpenKey(RootKey root, const std::string& path, bool create) override;
    // Deletes the subkeys first: RegDeleteKeyA takes a whole subtree only
    // on Windows 9x.
    bool DeleteKey(RootKey root, const std::string& path) override;
    std::optional<std::unique_ptr<RegKey>> OpenRemoteKey(const std::string& machine, RootKey root,
                                                         const std::string& path) override;
};

}  // namespace platform::win32
