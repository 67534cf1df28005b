#include "widgets/rgba_label.h"

#include <algorithm>

namespace widgets {

TRGBALabel::TRGBALabel(TComponent* owner) : TLabel(owner) { SetTransparent(true); }

void TRGBALabel::SetShadowOffset(TPoint offset) {
    if (offset == shadowOffset_) return;
    shadowOffset_ = offset;
    Restyle();
}

void TRGBALabel::SetShadowBlur(int blur) {
    blur = std::max(blur, 0);
    if (blur == shadowBlur_) return;
    shadowBlur_ = blur;
    Restyle();
}

void TRGBALabel::SetShadowOpacity(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent == shadowOpacity_) return;
    shadowOpacity_ = percent;
    Restyle();
}

void TRGBALabel::SetShadowColor(TColor color) {
    if (color == shadowColor_) return;
    shadowColor_ = color;
    Restyle();
}

void TRGBALabel::SetAntialiased(bool antialiased) {
    if (antialiased == antialiased_) return;
    antialiased_ = antialiased;
    Restyle();
    // Drawn another way, the text may take another width.
    AdjustSize();
}

}  // namespace widgets
