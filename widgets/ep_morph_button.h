// A picture button that morphs: while the mouse is over it, it steps
// through its frames to the last one; when the mouse leaves, it steps back
// to the first.
#pragma once

#include <vector>

#include "widgets/bitmap.h"
#include "widgets/control.h"
#include "widgets/timer.h"

namespace widgets {

class TepMorphButton : public TControl {
public:
    explicit TepMorphButton(TComponent* owner);
    const char* ClassName() const override { return "TepMorphButton"; }

    void SetFrames(const std::vector<TBitmap>& frames);
    int FrameCount() const { return static_cast<int>(frames_.size()); }
    int Frame() const { return frame_; }
    // Milliseconds between two frames.
    void SetSpeed(uint32_t milliseconds) { timer_->SetInterval(milliseconds); }

    const TBitmap* OwnPicture() const override;

protected:
    void DoMouseEnter() override;
    void DoMouseLeave() override;

private:
    void Step();

    std::vector<TBitmap> frames_;
    int frame_ = 0;
    TTimer* timer_ = nullptr;
};

}  // namespace widgets
