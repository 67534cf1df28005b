// The cross-fade from a picture of the old page to the new page.
//
// The transition is paced by a clock: the plan is one mixing step every
// Duration/steps milliseconds. When painting falls behind, the next frame
// jumps to the step that is due, skipping those between; when it runs
// ahead, it waits for the clock. The last frame is always the new picture.
#pragma once

#include <cstdint>
#include <functional>

#include "widgets/bitmap.h"
#include "widgets/blend_clock.h"
#include "widgets/component.h"

namespace widgets {

// Runs the plan of steps 1..steps over duration milliseconds, calling
// paint with each step it shows, in rising order and ending with steps.
// Returns the number of frames painted. A clock that stops moving ends the
// run with the last step, so a broken clock cannot hang the program.
int PlayBlend(int steps, uint32_t duration, BlendClock& clock, const std::function<void(int step)>& paint);

class TBlendTransition : public TComponent {
public:
    explicit TBlendTransition(TComponent* owner) : TComponent(owner) {}

    const char* ClassName() const override { return "TBlendTransition"; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    uint32_t Duration() const { return duration_; }
    void SetDuration(uint32_t milliseconds) { duration_ = milliseconds; }

    // The mixing steps for the screen's colour depth.
    int StepCount() const;

    // The clock that paces Execute without a clock argument; null for the
    // platform's.
    void SetClock(BlendClock* clock) { clock_ = clock; }

    // Keeps the picture to fade from (the page that goes).
    void Prepare(const TBitmap& from);
    bool Prepared() const { return prepared_; }

    // Fades from the prepared picture to this one, giving each frame to
    // paint. Without a prepared picture of the same size, or when
    // disabled, paints only the new picture. Forgets the prepared picture.
    // Returns the number of frames painted.
    int Execute(const TBitmap& to, const std::function<void(const TBitmap& frame)>& paint, BlendClock& clock);
    int Execute(const TBitmap& to, const std::function<void(const TBitmap& frame)>& paint);

private:
    bool enabled_ = true;
    uint32_t duration_ = 810;
    bool prepared_ = false;
    TBitmap from_;
    BlendClock* clock_ = nullptr;
};

}  // namespace widgets
