#include "widgets/image_combo_box.h"

namespace widgets {

TImageComboBox::TImageComboBox(TComponent* owner) : TComboBox(owner) { SetItemHeight(18); }

void TImageComboBox::SetImages(const std::vector<TBitmap>& images) {
    images_ = images;
    ItemsChanged();
}

int TImageComboBox::AddImage(const TBitmap& image) {
    images_.push_back(image);
    ItemsChanged();
    return static_cast<int>(images_.size()) - 1;
}

const TBitmap* TImageComboBox::ItemImage(int index) const {
    if (index < 0 || index >= ItemCount()) return nullptr;
    const int image = ItemData(index);
    return image >= 0 && image < static_cast<int>(images_.size()) ? &images_[image] : nullptr;
}

}  // namespace widgets
