// An open key of the fake registry. A key deleted while open reports no
// values and refuses writes, as Windows does with a handle to a deleted key.
#pragma once

#include <memory>

#include "platform/fake/fake_registry.h"

namespace platform::fake {

class FakeRegKey : public RegKey {
public:
    explicit FakeRegKey(std::shared_ptr<FakeRegistry::Node> node) : node_(std::move(node)) {}

    std::optional<RegValue> QueryValue(const std::string& name) override;
    std::optional<uint32_t> QueryValueSize(const std::string& name) override;
    bool SetValue(const std::string& name, ValueType type, const std::string& data) override;
    bool DeleteValue(const std::string& name) override;
    std::vector<std::string> SubkeyNames() override;
    std::vector<std::string> ValueNames() override;

private:
    std::shared_ptr<FakeRegistry::Node> node_;
};

}  // namespace platform::fake
