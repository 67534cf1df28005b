// A button drawn from pictures: the normal one, the active one while the
// mouse is over it and the down one while it is pressed. The pictures can
// be exchanged at any time; an empty active or down picture falls back to
// the normal one.
#pragma once

#include "widgets/bitmap.h"
#include "widgets/control.h"

namespace widgets {

class TBitmapButton : public TControl {
public:
    explicit TBitmapButton(TComponent* owner) : TControl(owner) {}

    const char* ClassName() const override { return "TBitmapButton"; }

    const TBitmap& PictureNormal() const { return normal_; }
    void SetPictureNormal(const TBitmap& picture);
    const TBitmap& PictureActive() const { return active_; }
    void SetPictureActive(const TBitmap& picture);
    const TBitmap& PictureDown() const { return down_; }
    void SetPictureDown(const TBitmap& picture);

    enum class Look { Normal, Active, Down };
    // Which picture shows now.
    Look CurrentLook() const;
    const TBitmap& CurrentPicture() const;

protected:
    void DoMouseDown(TMouseButton button, int x, int y) override;
    void DoMouseUp(TMouseButton button, int x, int y) override;
    void DoMouseEnter() override;
    void DoMouseLeave() override;

private:
    void SetPicture(TBitmap& slot, const TBitmap& picture, Look look);

    TBitmap normal_;
    TBitmap active_;
    TBitmap down_;
};

}  // namespace widgets
