#include "widgets/bevel.h"

namespace widgets {

void TBevel::SetShape(TBevelShape shape) {
    if (shape == shape_) return;
    shape_ = shape;
    PeerChanged(PeerProperty::Style);
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle style) {
    if (style == style_) return;
    style_ = style;
    PeerChanged(PeerProperty::Style);
    Invalidate();
}

}  // namespace widgets
