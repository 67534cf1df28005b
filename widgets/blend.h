// The arithmetic of the cross-fade between two pictures: how many mixing
// steps, which step is due at a time, and the mixing of pixel rows.
#pragma once

#include <cstddef>
#include <cstdint>

#include "widgets/bitmap.h"

namespace widgets {

// 64 steps; 16 on a screen of 15 or 16 bits per pixel, where finer steps
// would not show.
int BlendStepCount(int screenBitsPerPixel);

// The step that should be on the screen when elapsed milliseconds of the
// transition have passed: one step every duration/steps milliseconds,
// never more than steps. A duration of 0 gives the last step at once.
int BlendStepAt(uint32_t elapsed, uint32_t duration, int steps);

// The time at which the step is due.
uint32_t BlendStepDue(int step, uint32_t duration, int steps);

// Mixes two rows of 24- or 32-bit pixels byte by byte: step 0 gives the
// first row, step == steps the second, between them the weight of the
// second is step/steps, rounded to the nearest value.
void BlendRow(const uint8_t* from, const uint8_t* to, uint8_t* out, size_t bytes, int step, int steps);

// The whole picture mixed; both pictures must have the same size.
TBitmap BlendBitmaps(const TBitmap& from, const TBitmap& to, int step, int steps);

}  // namespace widgets
