// ActiveX hosting over ole32 and oleaut32, in plain COM: a site object per
// control that is its client site, in-place site and frame.
#pragma once

#include "platform/activex.h"

namespace platform::win32 {

class Win32ActiveX : public ActiveX {
public:
    void Initialize() override;
    void Uninitialize() override;
    std::unique_ptr<ActiveXControl> Create(const std::string& classId, uintptr_t container) override;

private:
    bool initialized_ = false;
};

}  // namespace platform::win32
