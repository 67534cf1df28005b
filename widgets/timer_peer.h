// The native side of a TTimer (a window-message timer).
#pragma once

#include <cstdint>

namespace widgets {

class TimerPeer {
public:
    virtual ~TimerPeer() = default;
    // Stops the timer and, when interval is not 0, starts it again with it.
    virtual void Restart(bool enabled, uint32_t interval) = 0;
};

}  // namespace widgets
