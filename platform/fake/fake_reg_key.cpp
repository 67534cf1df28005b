#include "platform/fake/fake_reg_key.h"

#include "platform/text.h"

namespace platform::fake {

std::optional<RegValue> FakeRegKey::QueryValue(const std::string& name) {
    if (node_->deleted) return std::nullopt;
    auto* value = node_->Value(name);
    if (!value) return std::nullopt;
    return value->second;
}

std::optional<uint32_t> FakeRegKey::QueryValueSize(const std::string& name) {
    auto value = QueryValue(name);
    if (!value) return std::nullopt;
    return static_cast<uint32_t>(value->data.size());
}

bool FakeRegKey::SetValue(const std::string& name, ValueType type, const std::string& data) {
    if (node_->deleted) return false;
    if (auto* value = node_->Value(name)) {
        value->second = RegValue{type, data};  // the first spelling of the name stays
    } else {
        node_->values.emplace_back(name, RegValue{type, data});
    }
    return true;
}

bool FakeRegKey::DeleteValue(const std::string& name) {
    if (node_->deleted) return false;
    for (auto it = node_->values.begin(); it != node_->values.end(); ++it) {
        if (SameText(it->first, name)) {
            node_->values.erase(it);
            return true;
        }
    }
    return false;
}

std::vector<std::string> FakeRegKey::SubkeyNames() {
    std::vector<std::string> names;
    if (node_->deleted) return names;
    for (const auto& child : node_->children) names.push_back(child->name);
    return names;
}

std::vector<std::string> FakeRegKey::ValueNames() {
    std::vector<std::string> names;
    if (node_->deleted) return names;
    for (const auto& value : node_->values) names.push_back(value.first);
    return names;
}

}  // namespace platform::fake
