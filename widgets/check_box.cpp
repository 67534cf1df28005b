#include "widgets/check_box.h"

namespace widgets {

void TCheckBox::SetState(TCheckBoxState state) {
    if (state == state_) return;
    state_ = state;
    if (Peer()) Peer()->SetChecked(state_ == cbChecked);
    Invalidate();
    Click();
}

void TCheckBox::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    PeerChanged(PeerProperty::Alignment);
}

void TCheckBox::SetWordWrap(bool wordWrap) {
    if (wordWrap == wordWrap_) return;
    wordWrap_ = wordWrap;
    PeerChanged(PeerProperty::WordWrap);
}

void TCheckBox::Toggle() {
    switch (state_) {
        case cbUnchecked:
            SetState(allowGrayed_ ? cbGrayed : cbChecked);
            break;
        case cbChecked:
            SetState(cbUnchecked);
            break;
        case cbGrayed:
            SetState(cbChecked);
            break;
    }
}

void TCheckBox::UserClick() {
    if (!readOnly_) Toggle();
}

void TCheckBox::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    PeerChanged(PeerProperty::Style);
    Invalidate();
}

}  // namespace widgets
