// A recycle bin that tests can look into: a file deleted with
// FOF_ALLOWUNDO is kept here with its bytes; without it, it is gone.
#pragma once

#include <string>
#include <vector>

#include "platform/fake/fake_files.h"
#include "platform/recycle_bin.h"

namespace platform::fake {

class FakeRecycleBin : public RecycleBin {
public:
    explicit FakeRecycleBin(FakeFiles& files) : files_(files) {}
    int Delete(const std::string& path, uint16_t flags) override;

    struct Item {
        std::string path;
        std::string bytes;
    };
    const std::vector<Item>& Items() const { return items_; }
    const std::vector<uint16_t>& Flags() const { return flags_; }

private:
    FakeFiles& files_;
    std::vector<Item> items_;
    std::vector<uint16_t> flags_;
};

}  // namespace platform::fake
