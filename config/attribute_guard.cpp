#include "config/attribute_guard.h"

#include "platform/platform.h"

namespace config {

uint32_t ClearedAttributes(uint32_t attributes) {
    const uint32_t cleared = attributes & ~(platform::attr::Protecting | platform::attr::Directory);
    return cleared == 0 ? platform::attr::Normal : cleared;
}

AttributeGuard::AttributeGuard(const std::string& path) : path_(path), kept_(platform::attr::Invalid) {
    if (path_.empty()) return;
    platform::FileSystem& files = platform::Get().files();
    kept_ = files.GetAttributes(path_);
    if (kept_ != platform::attr::Invalid) files.SetAttributes(path_, ClearedAttributes(kept_));
}

AttributeGuard::~AttributeGuard() {
    if (kept_ != platform::attr::Invalid) platform::Get().files().SetAttributes(path_, kept_);
}

}  // namespace config
