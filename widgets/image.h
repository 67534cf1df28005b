// A picture on a form.
#pragma once

#include <string>

#include "widgets/bitmap.h"
#include "widgets/control.h"

namespace widgets {

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);

    const char* ClassName() const override { return "TImage"; }

    const TBitmap& Picture() const { return picture_; }
    void SetPicture(const TBitmap& picture);
    // Reads a Windows bitmap file; raises EBitmapError when it cannot.
    void LoadFromFile(const std::string& path);
    // After drawing into MutablePicture(), PictureChanged() shows it.
    TBitmap& MutablePicture() { return picture_; }
    void PictureChanged();

    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool Center() const { return center_; }
    void SetCenter(bool center);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // With AutoSize the image takes the size of its picture.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

private:

    TBitmap picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

}  // namespace widgets
