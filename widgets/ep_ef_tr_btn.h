// The effect button: no background of its own, a glyph and a caption, a
// light frame while the mouse is over it and a sunken one while pressed.
// Three uses: glyph above the caption (launcher buttons), no caption over
// a preview picture (a click area that only shows its frame), and a plain
// text button whose caption is grey.
#pragma once

#include "widgets/bitmap.h"
#include "widgets/control.h"

namespace widgets {

enum TButtonLayout { blGlyphLeft, blGlyphTop };

class TepEfTrBtn : public TControl {
public:
    explicit TepEfTrBtn(TComponent* owner) : TControl(owner) { SetCursor(crHandPoint); }
    const char* ClassName() const override { return "TepEfTrBtn"; }

    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& glyph);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);

    // The look the native layer draws now.
    bool Lit() const { return MouseInside() && Enabled(); }
    bool Sunken() const { return MousePressed() && MouseInside(); }

protected:
    void TextChanged() override { Invalidate(); }
    void DoMouseDown(TMouseButton button, int x, int y) override;
    void DoMouseUp(TMouseButton button, int x, int y) override;
    void DoMouseEnter() override;
    void DoMouseLeave() override;

private:
    TBitmap glyph_;
    TButtonLayout layout_ = blGlyphLeft;
};

}  // namespace widgets
