#include "widgets/track_bar.h"

#include "widgets/errors.h"

namespace widgets {

void TTrackBar::SetParams(int min, int max, int position) {
    if (max < min)
        throw EInvalidOperation(std::string("Eigenschaft ") + ClassName() + " außerhalb des gültigen Bereichs");
    if (position < min) position = min;
    if (position > max) position = max;
    const bool range = min != min_ || max != max_;
    const bool moved = position != position_;
    min_ = min;
    max_ = max;
    position_ = position;
    if (range) PeerChanged(PeerProperty::Range);
    if (moved) {
        PeerChanged(PeerProperty::Position);
        Changed();
    }
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation) {
    if (orientation == orientation_) return;
    orientation_ = orientation;
    Restyle();
}

void TTrackBar::SetTickMarks(TTickMark marks) {
    if (marks == tickMarks_) return;
    tickMarks_ = marks;
    Restyle();
}

void TTrackBar::SetTickStyle(TTickStyle style) {
    if (style == tickStyle_) return;
    tickStyle_ = style;
    Restyle();
}

void TTrackBar::SetFrequency(int frequency) {
    if (frequency == frequency_) return;
    frequency_ = frequency;
    Restyle();
}

void TTrackBar::Changed() {
    if (OnChange) OnChange(this);
}

}  // namespace widgets
