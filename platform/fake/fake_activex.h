// ActiveX hosting, recorded: what the program creates, sets, places and
// releases, in order, for the tests to look at.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/activex.h"

namespace platform::fake {

class FakeActiveX : public ActiveX {
public:
    void Initialize() override;
    void Uninitialize() override;
    // A class that is not registered gives null, as CoCreateInstance fails
    // with REGDB_E_CLASSNOTREG.
    std::unique_ptr<ActiveXControl> Create(const std::string& classId, uintptr_t container) override;

    // ------------------------------------------------ settings for tests

    void Register(const std::string& classId) { registered_.insert(classId); }
    void Unregister(const std::string& classId) { registered_.erase(classId); }
    // One line per call: "initialize", "uninitialize", "create {id} in N",
    // "set {id} D=V", "place {id} L,T,W,H", "release {id}".
    const std::vector<std::string>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }
    // Controls created and not yet released.
    int Alive() const { return alive_; }

private:
    friend class FakeActiveXControl;
    std::set<std::string> registered_;
    std::vector<std::string> calls_;
    int alive_ = 0;
};

}  // namespace platform::fake
