// Clears the read-only, hidden, system and archive attributes of a system
// file for as long as the guard lives, and restores them afterwards, also
// when the step in between fails.
#pragma once

#include <cstdint>
#include <string>

namespace config {

// The attributes with read-only, hidden, system and archive removed, in the
// form SetFileAttributes takes them.
uint32_t ClearedAttributes(uint32_t attributes);

class AttributeGuard {
public:
    explicit AttributeGuard(const std::string& path);
    ~AttributeGuard();

    AttributeGuard(const AttributeGuard&) = delete;
    AttributeGuard& operator=(const AttributeGuard&) = delete;

private:
    std::string path_;
    uint32_t kept_;
};

}  // namespace config
