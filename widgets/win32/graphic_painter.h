// Paints the controls that have no window of their own (labels, pictures,
// picture buttons, bevels, gauges, flat buttons) into their parent's
// off-screen picture.
#pragma once

#include "widgets/control.h"
#include "widgets/win32/dib.h"
#include "widgets/win32/font_cache.h"

namespace widgets::win32 {

void PaintGraphicControl(DibCanvas& canvas, const TControl& control, FontCache& fonts);

}  // namespace widgets::win32
