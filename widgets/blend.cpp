#include "widgets/blend.h"

#include <cstring>

#include "widgets/errors.h"

namespace widgets {

int BlendStepCount(int screenBitsPerPixel) { return screenBitsPerPixel == 15 || screenBitsPerPixel == 16 ? 16 : 64; }

int BlendStepAt(uint32_t elapsed, uint32_t duration, int steps) {
    if (steps <= 0) return 0;
    if (duration == 0) return steps;
    const uint64_t step = uint64_t(elapsed) * uint64_t(steps) / duration;
    return step >= uint64_t(steps) ? steps : static_cast<int>(step);
}

uint32_t BlendStepDue(int step, uint32_t duration, int steps) {
    if (steps <= 0 || step <= 0) return 0;
    if (step >= steps) return duration;
    // The first millisecond at which BlendStepAt gives this step.
    return static_cast<uint32_t>((uint64_t(step) * duration + uint64_t(steps) - 1) / uint64_t(steps));
}

void BlendRow(const uint8_t* from, const uint8_t* to, uint8_t* out, size_t bytes, int step, int steps) {
    if (steps <= 0 || step >= steps) {
        std::memcpy(out, to, bytes);
        return;
    }
    if (step <= 0) {
        std::memcpy(out, from, bytes);
        return;
    }
    const uint32_t weight = uint32_t(step), rest = uint32_t(steps - step), half = uint32_t(steps) / 2;
    for (size_t i = 0; i < bytes; ++i)
        out[i] = static_cast<uint8_t>((from[i] * rest + to[i] * weight + half) / uint32_t(steps));
}

TBitmap BlendBitmaps(const TBitmap& from, const TBitmap& to, int step, int steps) {
    if (from.Width() != to.Width() || from.Height() != to.Height())
        throw EInvalidOperation("Die Bilder der Überblendung sind verschieden groß");
    TBitmap out(from.Width(), from.Height());
    const size_t bytes = static_cast<size_t>(from.Width()) * 4;
    for (int y = 0; y < from.Height(); ++y)
        BlendRow(reinterpret_cast<const uint8_t*>(from.Scanline(y)), reinterpret_cast<const uint8_t*>(to.Scanline(y)),
                 reinterpret_cast<uint8_t*>(out.Scanline(y)), bytes, step, steps);
    return out;
}

}  // namespace widgets
