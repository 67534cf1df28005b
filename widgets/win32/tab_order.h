// The order in which Tab moves the focus: the controls of a window in the
// order they were placed, depth first through panels, group boxes, pages
// and sheets, taking those that have a window of their own marked as a
// tab stop and that can take the focus now. Of the radio buttons of one
// parent only the checked one is a stop (the first one while none is).
#pragma once

#include <vector>

#include "widgets/win_control.h"

namespace widgets::win32 {

std::vector<TWinControl*> TabStops(TWinControl& root);

// The stop after `from` (before it when backward), wrapping round; the
// first (last) stop when `from` is none; null when there is no stop.
TWinControl* NextTabStop(TWinControl& root, const TControl* from, bool backward);

}  // namespace widgets::win32
