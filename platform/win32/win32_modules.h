// Outside modules through LoadLibraryA and GetProcAddress.
#pragma once

#include "platform/modules.h"

namespace platform::win32 {

class Win32Modules : public Modules {
public:
    ModuleCall CallWithWindow(const std::string& path, const std::string& entry, uintptr_t ownerWindow) override;
};

}  // namespace platform::win32
