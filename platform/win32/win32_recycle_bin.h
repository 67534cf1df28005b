// SHFileOperationA of shell32.
#pragma once

#include "platform/recycle_bin.h"

namespace platform::win32 {

class Win32RecycleBin : public RecycleBin {
public:
    int Delete(const std::string& path, uint16_t flags) override;
};

}  // namespace platform::win32
