// What the start sequence asks of the start-up breakpoint: the breakpoint
// runs its own step unless a test puts one in its place.
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
