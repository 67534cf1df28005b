// What the start sequence asks of the start-up breakpoint. Until that is
// part of the program, the breakpoint does nothing.
#pragma once

#include <functional>

namespace app {

class TFrmSplash;

struct TStartHooks {
    // Takes the start-up breakpoint while the splash window stands.
    std::function<void(TFrmSplash&)> createProgStartBreakPoint;
};

TStartHooks& StartHooks();

}  // namespace app
