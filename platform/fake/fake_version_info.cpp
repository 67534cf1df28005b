#include "platform/fake/fake_version_info.h"

#include <stdexcept>

#include "platform/pe_version.h"
#include "platform/text.h"

namespace platform::fake {

uint32_t FakeVersionInfo::FileVersionInfoSize(const std::string& path) {
    if (raising_.count(UpperCase(path))) throw std::runtime_error("version resource of " + path);
    const auto file = files_.ReadFile(path);
    if (!file) return 0;
    const auto block = ReadPeVersionResource(*file);
    return block ? static_cast<uint32_t>(block->size()) : 0;
}

std::optional<std::string> FakeVersionInfo::FileVersionInfo(const std::string& path, uint32_t size) {
    if (failing_.count(UpperCase(path))) return std::nullopt;
    const auto file = files_.ReadFile(path);
    if (!file) return std::nullopt;
    auto block = ReadPeVersionResource(*file);
    if (!block) return std::nullopt;
    // GetFileVersionInfoA fills only as much as the buffer takes.
    if (block->size() > size) block->resize(size);
    return block;
}

std::optional<std::string> FakeVersionInfo::QueryValue(const std::string& block, const std::string& subBlock) {
    return QueryPeVersionValue(block, subBlock);
}

void FakeVersionInfo::FailInfo(const std::string& path) { failing_.insert(UpperCase(path)); }

void FakeVersionInfo::RaiseOn(const std::string& path) { raising_.insert(UpperCase(path)); }

}  // namespace platform::fake
