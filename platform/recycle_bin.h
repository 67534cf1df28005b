// Deleting a file into the Windows recycle bin: SHFileOperationA with
// FO_DELETE.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// SHFileOperationA flags.
constexpr uint16_t kFofSilent = 0x0004;
constexpr uint16_t kFofRenameOnCollision = 0x0008;
constexpr uint16_t kFofNoConfirmation = 0x0010;
constexpr uint16_t kFofAllowUndo = 0x0040;

class RecycleBin {
public:
    virtual ~RecycleBin() = default;
    // SHFileOperationA(FO_DELETE) of one file (the source list is the path
    // with an extra terminating zero), no target, the given flags. Returns
    // what SHFileOperationA returns: 0 on success.
    virtual int Delete(const std::string& path, uint16_t flags) = 0;
};

}  // namespace platform
