#include "widgets/group_box.h"

#include "widgets/peer_factory.h"

namespace widgets {

void TGroupBox::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    PeerChanged(PeerProperty::Style);
    Invalidate();
}

TRect TGroupBox::AlignArea() const {
    const int captionHeight = TextExtent(Font(), "Ag").cy;
    return TRect{2, captionHeight, ClientWidth() - 2, ClientHeight() - 2};
}

}  // namespace widgets
