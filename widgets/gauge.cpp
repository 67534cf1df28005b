#include "widgets/gauge.h"

#include <algorithm>

#include "widgets/errors.h"

namespace widgets {

void TGauge::SetRange(int minValue, int maxValue) {
    if (maxValue < minValue) throw EInvalidOperation("Eigenschaft TGauge außerhalb des gültigen Bereichs");
    if (minValue == minValue_ && maxValue == maxValue_) return;
    minValue_ = minValue;
    maxValue_ = maxValue;
    progress_ = std::clamp(progress_, minValue_, maxValue_);
    PeerChanged(PeerProperty::Range);
    Invalidate();
}

void TGauge::SetProgress(int progress) {
    progress = std::clamp(progress, minValue_, maxValue_);
    if (progress == progress_) return;
    progress_ = progress;
    PeerChanged(PeerProperty::Position);
    Invalidate();
}

int TGauge::PercentDone() const {
    if (maxValue_ == minValue_) return 0;
    return static_cast<int>((static_cast<long long>(progress_) - minValue_) * 100 /
                            (static_cast<long long>(maxValue_) - minValue_));
}

void TGauge::SetForeColor(TColor color) {
    if (color == foreColor_) return;
    foreColor_ = color;
    Restyle();
}

void TGauge::SetBackColor(TColor color) {
    if (color == backColor_) return;
    backColor_ = color;
    Restyle();
}

void TGauge::SetShowText(bool show) {
    if (show == showText_) return;
    showText_ = show;
    Restyle();
}

}  // namespace widgets
