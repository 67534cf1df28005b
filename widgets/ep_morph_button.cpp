#include "widgets/ep_morph_button.h"

namespace widgets {

TepMorphButton::TepMorphButton(TComponent* owner) : TControl(owner) {
    SetCursor(crHandPoint);
    timer_ = CreateComponent<TTimer>(this);
    timer_->SetEnabled(false);
    timer_->SetInterval(40);
    timer_->OnTimer = [this](TComponent*) { Step(); };
}

void TepMorphButton::SetFrames(const std::vector<TBitmap>& frames) {
    frames_ = frames;
    frame_ = 0;
    Invalidate();
}

const TBitmap* TepMorphButton::OwnPicture() const { return frames_.empty() ? nullptr : &frames_[frame_]; }

void TepMorphButton::DoMouseEnter() {
    TControl::DoMouseEnter();
    timer_->SetEnabled(FrameCount() > 1);
}

void TepMorphButton::DoMouseLeave() {
    TControl::DoMouseLeave();
    timer_->SetEnabled(FrameCount() > 1);
}

void TepMorphButton::Step() {
    const int target = MouseInside() ? FrameCount() - 1 : 0;
    if (frame_ == target) {
        timer_->SetEnabled(false);
        return;
    }
    frame_ += frame_ < target ? 1 : -1;
    Invalidate();
}

}  // namespace widgets
