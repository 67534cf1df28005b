// A drop-down list whose items show a small picture before their text.
// The item's number (ItemData) is the index of its picture in Images.
#pragma once

#include <vector>

#include "widgets/bitmap.h"
#include "widgets/combo_box.h"

namespace widgets {

class TImageComboBox : public TComboBox {
public:
    explicit TImageComboBox(TComponent* owner);

    const char* ClassName() const override { return "TImageComboBox"; }

    const std::vector<TBitmap>& Images() const { return images_; }
    void SetImages(const std::vector<TBitmap>& images);
    int AddImage(const TBitmap& image);
    // The picture of an item, or null when it has none.
    const TBitmap* ItemImage(int index) const;

private:
    std::vector<TBitmap> images_;
};

}  // namespace widgets
