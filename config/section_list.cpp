#include "config/section_list.h"

#include "config/text.h"

namespace config {

namespace {
constexpr size_t kMaxLine = 255;
}

IniEntry IniEntry::FromFileLine(const std::string& fileLine) {
    IniEntry entry;
    if (fileLine.size() > kMaxLine) {
        entry.line = fileLine.substr(0, kMaxLine);
        entry.fullLine = fileLine;
    } else {
        entry.line = fileLine;
    }
    const auto eq = entry.line.find('=');
    if (eq != std::string::npos) {
        entry.hasName = true;
        entry.name = TrimBlanks(entry.line.substr(0, eq));
    }
    return entry;
}

std::string IniEntry::Value() const {
    const auto eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

int TSectionList::Find(const std::string& name) {
    if (remembered_ >= 0 && SameText(sections_[remembered_].name, name)) return remembered_;
    const auto found = index_.find(UpperCase(name));
    if (found == index_.end()) return -1;
    remembered_ = found->second;
    return remembered_;
}

IniSection& TSectionList::Add(const std::string& name, const std::string& header) {
    const bool fresh = index_.emplace(UpperCase(name), static_cast<int>(sections_.size())).second;
    sections_.push_back(IniSection{name, {}, header, !fresh});
    return sections_.back();
}

}  // namespace config
