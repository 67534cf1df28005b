#include "widgets/ep_ef_tr_btn.h"

namespace widgets {

void TepEfTrBtn::SetGlyph(const TBitmap& glyph) {
    glyph_ = glyph;
    Invalidate();
}

void TepEfTrBtn::SetLayout(TButtonLayout layout) {
    if (layout == layout_) return;
    layout_ = layout;
    Invalidate();
}

void TepEfTrBtn::DoMouseDown(TMouseButton button, int x, int y) {
    TControl::DoMouseDown(button, x, y);
    Invalidate();
}

void TepEfTrBtn::DoMouseUp(TMouseButton button, int x, int y) {
    TControl::DoMouseUp(button, x, y);
    Invalidate();
}

void TepEfTrBtn::DoMouseEnter() {
    TControl::DoMouseEnter();
    Invalidate();
}

void TepEfTrBtn::DoMouseLeave() {
    TControl::DoMouseLeave();
    Invalidate();
}

}  // namespace widgets
