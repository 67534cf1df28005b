#include "widgets/image.h"

namespace widgets {

TImage::TImage(TComponent* owner) : TControl(owner) {}

void TImage::SetPicture(const TBitmap& picture) {
    if (picture == picture_) return;
    picture_ = picture;
    PictureChanged();
}

void TImage::LoadFromFile(const std::string& path) { SetPicture(TBitmap::FromFile(path)); }

void TImage::PictureChanged() {
    if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    PeerChanged(PeerProperty::Picture);
    Invalidate();
}

void TImage::SetStretch(bool stretch) {
    if (stretch == stretch_) return;
    stretch_ = stretch;
    Restyle();
}

void TImage::SetCenter(bool center) {
    if (center == center_) return;
    center_ = center;
    Restyle();
}

void TImage::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Restyle();
}

void TImage::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_) return;
    autoSize_ = autoSize;
    if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

}  // namespace widgets
