#include "widgets/transparent_button.h"

namespace widgets {

void TTransparentButton::SetGlyph(const TBitmap& glyph) {
    if (glyph == glyph_) return;
    glyph_ = glyph;
    PeerChanged(PeerProperty::Picture);
    Invalidate();
}

void TTransparentButton::SetDown(bool down) {
    if (down == down_) return;
    down_ = down;
    PeerChanged(PeerProperty::Down);
    Invalidate();
}

void TTransparentButton::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    PeerChanged(PeerProperty::Alignment);
    Invalidate();
}

void TTransparentButton::DoMouseDown(TMouseButton button, int x, int y) {
    TControl::DoMouseDown(button, x, y);
    Invalidate();
}

void TTransparentButton::DoMouseUp(TMouseButton button, int x, int y) {
    TControl::DoMouseUp(button, x, y);
    Invalidate();
}

}  // namespace widgets
