#include "platform/fake/fake_registry.h"

#include <optional>
#include <utility>

#include "platform/fake/fake_reg_key.h"
#include "platform/regedit.h"
#include "platform/text.h"

namespace platform::fake {

std::shared_ptr<FakeRegistry::Node> FakeRegistry::Node::Child(const std::string& childName) const {
    for (const auto& child : children) {
        if (SameText(child->name, childName)) return child;
    }
    return nullptr;
}

std::pair<std::string, RegValue>* FakeRegistry::Node::Value(const std::string& valueName) {
    for (auto& value : values) {
        if (SameText(value.first, valueName)) return &value;
    }
    return nullptr;
}

namespace {

using Node = FakeRegistry::Node;

void MarkDeleted(Node& node) {
    node.deleted = true;
    for (auto& child : node.children) MarkDeleted(*child);
}

// The components of a key path. A leading backslash is refused as
// RegOpenKeyExA refuses it; doubled and trailing backslashes are skipped.
std::optional<std::vector<std::string>> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    if (!path.empty() && path[0] == '\\') return std::nullopt;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

}  // namespace

FakeRegistry::FakeRegistry() { Clear(); }

FakeRegistry::~FakeRegistry() = default;

void FakeRegistry::Clear() {
    for (auto& root : roots_) {
        if (root) MarkDeleted(*root);
        root = std::make_shared<Node>();
    }
}

std::unique_ptr<RegKey> FakeRegistry::OpenKey(RootKey root, const std::string& path, bool create) {
    openLog.push_back(std::to_string(static_cast<int>(root)) + ":" + path);
    auto parts = SplitPath(path);
    if (!parts) return nullptr;
    std::shared_ptr<Node> node = roots_[static_cast<int>(root)];
    for (const auto& part : *parts) {
        auto child = node->Child(part);
        if (!child) {
            if (!create) return nullptr;
            child = std::make_shared<Node>();
            child->name = part;
            node->children.push_back(child);
        }
        node = child;
    }
    return std::make_unique<FakeRegKey>(node);
}

bool FakeRegistry::DeleteKey(RootKey root, const std::string& path) {
    auto parts = SplitPath(path);
    if (!parts || parts->empty()) return false;
    std::shared_ptr<Node> parent = roots_[static_cast<int>(root)];
    for (size_t i = 0; i + 1 < parts->size(); ++i) {
        parent = parent->Child((*parts)[i]);
        if (!parent) return false;
    }
    auto& children = parent->children;
    for (auto it = children.begin(); it != children.end(); ++it) {
        if (SameText((*it)->name, parts->back())) {
            MarkDeleted(**it);
            children.erase(it);
            return true;
        }
    }
    return false;
}

std::string FakeRegistry::SaveRegedit() {
    return ExportRegedit(*this, {RootKey::ClassesRoot, RootKey::CurrentUser, RootKey::LocalMachine, RootKey::Users,
                                 RootKey::CurrentConfig, RootKey::DynData});
}

std::optional<std::unique_ptr<RegKey>> FakeRegistry::OpenRemoteKey(const std::string& machine, RootKey root,
                                                                   const std::string& path) {
    for (const std::string& m : remoteMachines)
        if (m == machine) return OpenKey(root, path, false);
    return std::nullopt;
}

bool FakeRegistry::LoadRegedit(const std::string& text) { return ImportRegedit(*this, text); }

}  // namespace platform::fake
