// A flat button without a background of its own: a caption and an
// optional glyph, and a pressed look that the program sets (tab buttons).
#pragma once

#include "widgets/bitmap.h"
#include "widgets/control.h"

namespace widgets {

class TTransparentButton : public TControl {
public:
    explicit TTransparentButton(TComponent* owner) : TControl(owner) {}

    const char* ClassName() const override { return "TTransparentButton"; }

    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& glyph);
    // Shown pressed, whatever the mouse does.
    bool Down() const { return down_; }
    void SetDown(bool down);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    void TextChanged() override { Invalidate(); }
    void DoMouseDown(TMouseButton button, int x, int y) override;
    void DoMouseUp(TMouseButton button, int x, int y) override;

private:
    TBitmap glyph_;
    bool down_ = false;
    TAlignment alignment_ = taCenter;
};

}  // namespace widgets
