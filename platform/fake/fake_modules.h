// Outside modules, recorded: which module and entry point the program
// called with which owner window. A test says which modules exist and may
// give an entry point a body that runs while the "dialog" is open.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/modules.h"

namespace platform::fake {

class FakeModules : public Modules {
public:
    ModuleCall CallWithWindow(const std::string& path, const std::string& entry, uintptr_t ownerWindow) override;

    // ------------------------------------------------ settings for tests

    // A module at path (compared without regard to case) that exports
    // these entry points.
    void Add(const std::string& path, const std::vector<std::string>& entries);
    void Remove(const std::string& path);
    // What the entry point does while it runs.
    void OnCall(std::function<void(const std::string& entry, uintptr_t ownerWindow)> body) { body_ = std::move(body); }

    struct Call {
        std::string path, entry;
        uintptr_t ownerWindow = 0;
        ModuleCall result = ModuleCall::Done;
    };
    // Every call, also those that found no module or entry point.
    const std::vector<Call>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }
    // Libraries loaded and not yet freed.
    int Loaded() const { return loaded_; }

private:
    std::map<std::string, std::vector<std::string>> modules_;  // by upper-case path
    std::function<void(const std::string&, uintptr_t)> body_;
    std::vector<Call> calls_;
    int loaded_ = 0;
};

}  // namespace platform::fake
