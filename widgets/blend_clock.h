// The clock that paces a cross-fade.
#pragma once

#include <cstdint>

namespace widgets {

class BlendClock {
public:
    virtual ~BlendClock() = default;
    virtual uint32_t Now() = 0;
    // Waits about that many milliseconds (it may return earlier).
    virtual void Wait(uint32_t milliseconds) = 0;
};

// The platform's tick count, waiting with WaitForMessage.
class PlatformBlendClock : public BlendClock {
public:
    uint32_t Now() override;
    void Wait(uint32_t milliseconds) override;
};

}  // namespace widgets
