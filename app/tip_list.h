// The tips of the day: one tip per line of the tips file, stepped through
// forwards and backwards with wrap-around.
#pragma once

#include <string>
#include <vector>

namespace app {

class TTipList {
public:
    // Reads the file; a missing, unreadable or empty file gives no tips.
    void LoadFromFile(const std::string& path);

    bool Empty() const { return lines_.empty(); }
    size_t Count() const { return lines_.size(); }
    size_t Index() const { return index_; }
    // The tip shown; empty text when there are no tips.
    std::string Current() const;

    void First() { index_ = 0; }
    // The next tip, after the last the first; nothing without tips.
    void Next();
    // The previous tip, before the first the last; nothing without tips.
    void Previous();

private:
    std::vector<std::string> lines_;
    size_t index_ = 0;
};

}  // namespace app
