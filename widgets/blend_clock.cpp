#include "widgets/blend_clock.h"

#include "platform/platform.h"

namespace widgets {

uint32_t PlatformBlendClock::Now() { return platform::Get().system().TickCount(); }

void PlatformBlendClock::Wait(uint32_t milliseconds) { platform::Get().system().WaitForMessage(milliseconds); }

}  // namespace widgets
