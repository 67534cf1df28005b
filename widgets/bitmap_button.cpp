#include "widgets/bitmap_button.h"

namespace widgets {

void TBitmapButton::SetPicture(TBitmap& slot, const TBitmap& picture, Look look) {
    if (slot == picture) return;
    slot = picture;
    PeerChanged(PeerProperty::Picture);
    if (CurrentLook() == look || look == Look::Normal) Invalidate();
}

void TBitmapButton::SetPictureNormal(const TBitmap& picture) { SetPicture(normal_, picture, Look::Normal); }

void TBitmapButton::SetPictureActive(const TBitmap& picture) { SetPicture(active_, picture, Look::Active); }

void TBitmapButton::SetPictureDown(const TBitmap& picture) { SetPicture(down_, picture, Look::Down); }

TBitmapButton::Look TBitmapButton::CurrentLook() const {
    if (MousePressed() && MouseInside()) return Look::Down;
    if (MouseInside()) return Look::Active;
    return Look::Normal;
}

const TBitmap& TBitmapButton::CurrentPicture() const {
    switch (CurrentLook()) {
        case Look::Down:
            if (!down_.Empty()) return down_;
            break;
        case Look::Active:
            if (!active_.Empty()) return active_;
            break;
        case Look::Normal:
            break;
    }
    return normal_;
}

void TBitmapButton::DoMouseDown(TMouseButton button, int x, int y) {
    TControl::DoMouseDown(button, x, y);
    Invalidate();
}

void TBitmapButton::DoMouseUp(TMouseButton button, int x, int y) {
    TControl::DoMouseUp(button, x, y);
    Invalidate();
}

void TBitmapButton::DoMouseEnter() {
    TControl::DoMouseEnter();
    Invalidate();
}

void TBitmapButton::DoMouseLeave() {
    TControl::DoMouseLeave();
    Invalidate();
}

}  // namespace widgets
