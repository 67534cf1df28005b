#include "widgets/blend_transition.h"

#include "widgets/blend.h"
#include "widgets/screen.h"

namespace widgets {

namespace {
// Waits in a row without the clock moving before the run gives up.
constexpr int kMaxIdleWaits = 1000;
}  // namespace

int PlayBlend(int steps, uint32_t duration, BlendClock& clock, const std::function<void(int step)>& paint) {
    if (steps <= 0) return 0;
    const uint32_t start = clock.Now();
    int shown = 0, frames = 0, idle = 0;
    while (shown < steps) {
        const uint32_t elapsed = clock.Now() - start;
        const int due = BlendStepAt(elapsed, duration, steps);
        if (due > shown) {
            shown = due;
            paint(shown);
            ++frames;
            idle = 0;
            continue;
        }
        // Ahead of the plan: wait for the next step's time.
        clock.Wait(BlendStepDue(shown + 1, duration, steps) - elapsed);
        if (clock.Now() - start == elapsed && ++idle >= kMaxIdleWaits) {
            paint(steps);
            return frames + 1;
        }
    }
    return frames;
}

int TBlendTransition::StepCount() const { return BlendStepCount(Screen().BitsPerPixel()); }

void TBlendTransition::Prepare(const TBitmap& from) {
    from_ = from;
    prepared_ = true;
}

int TBlendTransition::Execute(const TBitmap& to, const std::function<void(const TBitmap& frame)>& paint,
                              BlendClock& clock) {
    const bool fade =
        enabled_ && prepared_ && !from_.Empty() && from_.Width() == to.Width() && from_.Height() == to.Height();
    int frames = 0;
    if (fade) {
        const int steps = StepCount();
        frames = PlayBlend(steps, duration_, clock, [&](int step) { paint(BlendBitmaps(from_, to, step, steps)); });
    } else {
        paint(to);
        frames = 1;
    }
    from_.Clear();
    prepared_ = false;
    return frames;
}

int TBlendTransition::Execute(const TBitmap& to, const std::function<void(const TBitmap& frame)>& paint) {
    if (clock_) return Execute(to, paint, *clock_);
    PlatformBlendClock clock;
    return Execute(to, paint, clock);
}

}  // namespace widgets
