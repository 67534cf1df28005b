#include "platform/fake/fake_recycle_bin.h"

namespace platform::fake {

int FakeRecycleBin::Delete(const std::string& path, uint16_t flags) {
    flags_.push_back(flags);
    const uint32_t attributes = files_.GetAttributes(path);
    // What Windows 9x answers for a source that is not there.
    if (attributes == attr::Invalid || (attributes & attr::Directory)) return 2;
    auto bytes = files_.ReadFile(path);
    if (!bytes) return 5;
    // The shell deletes read-only files as well.
    files_.SetAttributes(path, attr::Normal);
    if (!files_.DeleteFile(path)) return 5;
    if (flags & kFofAllowUndo) items_.push_back({path, *bytes});
    return 0;
}

}  // namespace platform::fake
