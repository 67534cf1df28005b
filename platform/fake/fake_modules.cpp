#include "platform/fake/fake_modules.h"

#include <algorithm>

#include "platform/text.h"

namespace platform::fake {

void FakeModules::Add(const std::string& path, const std::vector<std::string>& entries) {
    modules_[UpperCase(path)] = entries;
}

void FakeModules::Remove(const std::string& path) { modules_.erase(UpperCase(path)); }

ModuleCall FakeModules::CallWithWindow(const std::string& path, const std::string& entry, uintptr_t ownerWindow) {
    calls_.push_back({path, entry, ownerWindow, ModuleCall::Done});
    const auto module = modules_.find(UpperCase(path));
    if (module == modules_.end()) return calls_.back().result = ModuleCall::MissingFile;
    // Export names are matched exactly, as GetProcAddress matches them.
    const auto& entries = module->second;
    if (std::find(entries.begin(), entries.end(), entry) == entries.end()) {
        return calls_.back().result = ModuleCall::MissingEntry;
    }
    ++loaded_;
    struct Free {
        int& loaded;
        ~Free() { --loaded; }
    } release{loaded_};
    if (body_) body_(entry, ownerWindow);
    return ModuleCall::Done;
}

}  // namespace platform::fake
