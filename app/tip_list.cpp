#include "app/tip_list.h"

#include "platform/platform.h"

namespace app {

void TTipList::LoadFromFile(const std::string& path) {
    lines_.clear();
    index_ = 0;
    const auto bytes = platform::Get().files().ReadFile(path);
    if (!bytes) return;
    // Lines end at LF or CR LF; a last line without an end counts too.
    size_t start = 0;
    while (start < bytes->size()) {
        size_t end = bytes->find('\n', start);
        const size_t next = end == std::string::npos ? bytes->size() : end + 1;
        if (end == std::string::npos) end = bytes->size();
        if (end > start && (*bytes)[end - 1] == '\r') --end;
        lines_.push_back(bytes->substr(start, end - start));
        start = next;
    }
}

std::string TTipList::Current() const { return lines_.empty() ? std::string() : lines_[index_]; }

void TTipList::Next() {
    if (lines_.empty()) return;
    index_ = index_ + 1 < lines_.size() ? index_ + 1 : 0;
}

void TTipList::Previous() {
    if (lines_.empty()) return;
    index_ = index_ > 0 ? index_ - 1 : lines_.size() - 1;
}

}  // namespace app
