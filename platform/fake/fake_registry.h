// An in-memory registry with the rules of the Windows registry: key and
// value names compared without regard to case, the spelling of the first
// creation kept, the default value named "", enumeration in creation order
// (as Windows 9x keeps it). Loads and saves REGEDIT4 text, the format that
// regedit.exe of Windows 9x exports.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace platform::fake {

class FakeRegistry : public Registry {
public:
    FakeRegistry();
    ~FakeRegistry() override;

    std::unique_ptr<RegKey> OpenKey(RootKey root, const std::string& path, bool create) override;
    bool DeleteKey(RootKey root, const std::string& path) override;
    // Connects only to the machines in remoteMachines; their registry is
    // this one.
    std::optional<std::unique_ptr<RegKey>> OpenRemoteKey(const std::string& machine, RootKey root,
                                                         const std::string& path) override;

    // Every OpenKey, as "root number:path", for tests that check which keys
    // a step touches.
    std::vector<std::string> openLog;
    std::vector<std::string> remoteMachines;

    // ImportRegedit into this registry (see platform/regedit.h).
    bool LoadRegedit(const std::string& text);
    // The whole registry as REGEDIT4 text (ExportRegedit of every root):
    // keys and values in creation order.
    std::string SaveRegedit();
    // Removes every key and value.
    void Clear();

    // A key in memory; open handles share it, so a deleted key stays valid
    // memory for them but reports nothing.
    struct Node {
        std::string name;
        bool deleted = false;
        std::vector<std::shared_ptr<Node>> children;           // in creation order
        std::vector<std::pair<std::string, RegValue>> values;  // in creation order

        std::shared_ptr<Node> Child(const std::string& childName) const;
        std::pair<std::string, RegValue>* Value(const std::string& valueName);
    };

private:
    std::shared_ptr<Node> roots_[6];
};

}  // namespace platform::fake
