#include "widgets/panel.h"

namespace widgets {

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {}

void TPanel::SetBevelInner(TPanelBevel bevel) {
    if (bevel == bevelInner_) return;
    bevelInner_ = bevel;
    Restyle();
}

void TPanel::SetBevelOuter(TPanelBevel bevel) {
    if (bevel == bevelOuter_) return;
    bevelOuter_ = bevel;
    Restyle();
}

void TPanel::SetBevelWidth(int width) {
    if (width < 1) width = 1;
    if (width == bevelWidth_) return;
    bevelWidth_ = width;
    Restyle();
}

void TPanel::SetBorderStyle(TFormBorderStyle style) {
    if (style != bsNone) style = bsSingle;
    if (style == borderStyle_) return;
    borderStyle_ = style;
    Restyle();
}

void TPanel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    PeerChanged(PeerProperty::Alignment);
    Invalidate();
}

TRect TPanel::AlignArea() const {
    int inset = borderStyle_ == bsSingle ? 1 : 0;
    if (bevelOuter_ != bvNone) inset += bevelWidth_;
    if (bevelInner_ != bvNone) inset += bevelWidth_;
    return TRect{inset, inset, ClientWidth() - inset, ClientHeight() - inset};
}

void TPanel::Restyle() {
    TControl::Restyle();
    Realign();  // the bevels change the room inside
}

}  // namespace widgets
