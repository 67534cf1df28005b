#include "platform/fake/fake_platform.h"

namespace platform::fake {

FakePlatform::FakePlatform(const std::filesystem::path& hostRoot)
    : files_(hostRoot), profile_(files_), shell_(files_), fileAccess_(files_), recycleBin_(files_) {}

}  // namespace platform::fake
