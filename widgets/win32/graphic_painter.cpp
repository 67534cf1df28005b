#include "widgets/win32/graphic_painter.h"

#include <algorithm>
#include <string>

#include "widgets/alpha_mask.h"
#include "widgets/bevel.h"
#include "widgets/bitmap_button.h"
#include "widgets/ep_ef_tr_btn.h"
#include "widgets/gauge.h"
#include "widgets/image.h"
#include "widgets/label.h"
#include "widgets/rgba_label.h"
#include "widgets/transparent_button.h"

namespace widgets::win32 {

namespace {

RECT ToRect(const TRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

uint32_t ToPixelColor(TColor color) {
    const COLORREF ref = ToColorRef(color);
    return uint32_t(GetRValue(ref)) << 16 | uint32_t(GetGValue(ref)) << 8 | GetBValue(ref);
}

UINT TextFormat(TAlignment alignment, bool wordWrap, bool accel) {
    UINT format = DT_EXPANDTABS;
    if (alignment == taRightJustify)
        format |= DT_RIGHT;
    else if (alignment == taCenter)
        format |= DT_CENTER;
    if (wordWrap) format |= DT_WORDBREAK;
    if (!accel) format |= DT_NOPREFIX;
    return format;
}

// Copies a picture onto the canvas pixel by pixel; with a key colour the
// pixels of that colour are left out.
void CopyPicture(DibCanvas& canvas, const TBitmap& picture, int x, int y, const TRect& clip, bool keyed) {
    const uint32_t key = picture.Empty() ? 0 : picture.Pixel(0, picture.Height() - 1) & 0xFFFFFF;
    uint32_t* top = canvas.TopRow();
    for (int py = 0; py < picture.Height(); ++py) {
        const int ty = y + py;
        if (ty < clip.top || ty >= clip.bottom || ty < 0 || ty >= canvas.Height()) continue;
        uint32_t* row = top + canvas.Stride() * ty;
        const uint32_t* source = picture.Scanline(py);
        for (int px = 0; px < picture.Width(); ++px) {
            const int tx = x + px;
            if (tx < clip.left || tx >= clip.right || tx < 0 || tx >= canvas.Width()) continue;
            if (keyed && (source[px] & 0xFFFFFF) == key) continue;
            row[tx] = source[px];
        }
    }
}

// The coverage of a text drawn in the font into a box of the size.
AlphaMask TextMask(const std::string& text, const TFont& font, FontCache& fonts, int width, int height, UINT format) {
    DibCanvas mask(width, height);
    if (!mask.Valid()) return AlphaMask();
    Selection select(mask.Dc(), fonts.Get(font));
    RECT box = {0, 0, width, height};
    FillRect(mask.Dc(), &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetBkMode(mask.Dc(), TRANSPARENT);
    SetTextColor(mask.Dc(), RGB(255, 255, 255));
    DrawTextA(mask.Dc(), text.c_str(), static_cast<int>(text.size()), &box, format);
    GdiFlush();
    return AlphaMask::FromPixels(mask.TopRow(), mask.Stride(), width, height);
}

void PaintLabel(DibCanvas& canvas, const TLabel& label, FontCache& fonts) {
    const TRect bounds = label.BoundsRect();
    RECT r = ToRect(bounds);
    HDC dc = canvas.Dc();
    if (!label.Transparent()) FillRect(dc, &r, fonts.Brush(label.Color()));
    const UINT format = TextFormat(label.Alignment(), label.WordWrap(), label.ShowAccelChar());
    const std::string& text = label.Caption();

    if (const TRGBALabel* fancy = dynamic_cast<const TRGBALabel*>(&label)) {
        // The soft shadow first, then the face, both blended so that the
        // background shows through the edges.
        const AlphaMask face = TextMask(text, label.Font(), fonts, bounds.Width(), bounds.Height(), format);
        const AlphaMask shadow = face.Blurred(fancy->ShadowBlur());
        shadow.DrawOnto(canvas.TopRow(), canvas.Stride(), canvas.Width(), canvas.Height(),
                        bounds.left + fancy->ShadowOffset().x - fancy->ShadowBlur(),
                        bounds.top + fancy->ShadowOffset().y - fancy->ShadowBlur(), ToPixelColor(fancy->ShadowColor()),
                        fancy->ShadowOpacity());
        face.DrawOnto(canvas.TopRow(), canvas.Stride(), canvas.Width(), canvas.Height(), bounds.left, bounds.top,
                      ToPixelColor(label.Enabled() ? label.Font().Color() : clGrayText), 100);
        return;
    }

    Selection select(dc, fonts.Get(label.Font()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(label.Enabled() ? label.Font().Color() : clGrayText));
    if (label.Layout() != tlTop) {
        RECT measure = r;
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measure, format | DT_CALCRECT);
        const int free = bounds.Height() - (measure.bottom - measure.top);
        r.top += label.Layout() == tlCenter ? free / 2 : free;
    }
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

void PaintImage(DibCanvas& canvas, const TImage& image) {
    const TBitmap& picture = image.Picture();
    if (picture.Empty()) return;
    const TRect bounds = image.BoundsRect();
    if (image.Stretch()) {
        DrawPicture(canvas.Dc(), bounds, picture);
        return;
    }
    int x = bounds.left, y = bounds.top;
    if (image.Center()) {
        x += (bounds.Width() - picture.Width()) / 2;
        y += (bounds.Height() - picture.Height()) / 2;
    }
    CopyPicture(canvas, picture, x, y, bounds, image.Transparent());
}

void PaintBevel(DibCanvas& canvas, const TBevel& bevel) {
    RECT r = ToRect(bevel.BoundsRect());
    const bool lowered = bevel.Style() == bsLowered;
    UINT edge = lowered ? EDGE_ETCHED : EDGE_BUMP;
    UINT sides = BF_RECT;
    switch (bevel.Shape()) {
        case bsBox:
            edge = lowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER;
            break;
        case bsFrame:
            break;
        case bsTopLine:
            sides = BF_TOP;
            break;
        case bsBottomLine:
            sides = BF_BOTTOM;
            break;
        case bsLeftLine:
            sides = BF_LEFT;
            break;
        case bsRightLine:
            sides = BF_RIGHT;
            break;
        case bsSpacer:
            return;
    }
    DrawEdge(canvas.Dc(), &r, edge, sides);
}

void PaintGauge(DibCanvas& canvas, const TGauge& gauge, FontCache& fonts) {
    HDC dc = canvas.Dc();
    RECT r = ToRect(gauge.BoundsRect());
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    FillRect(dc, &r, fonts.Brush(gauge.BackColor()));
    RECT done = r;
    done.right = r.left + (r.right - r.left) * gauge.PercentDone() / 100;
    FillRect(dc, &done, fonts.Brush(gauge.ForeColor()));
    if (!gauge.ShowText()) return;
    // The text stays legible across the bar: in the font's colour over the
    // open part, in the background colour over the done part.
    const std::string text = std::to_string(gauge.PercentDone()) + "%";
    Selection select(dc, fonts.Get(gauge.Font()));
    SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    RECT open = r;
    open.left = done.right;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, open.left, open.top, open.right, open.bottom);
    SetTextColor(dc, ToColorRef(gauge.Font().Color()));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    RestoreDC(dc, saved);
    if (done.right > done.left) {
        const int again = SaveDC(dc);
        IntersectClipRect(dc, done.left, done.top, done.right, done.bottom);
        SetTextColor(dc, ToColorRef(gauge.BackColor()));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
        RestoreDC(dc, again);
    }
}

void PaintFlatButton(DibCanvas& canvas, const TTransparentButton& button, FontCache& fonts) {
    HDC dc = canvas.Dc();
    const TRect bounds = button.BoundsRect();
    RECT r = ToRect(bounds);
    const bool pressed = button.Down() || (button.MousePressed() && button.MouseInside());
    if (pressed)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (button.MouseInside())
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    const int shift = pressed ? 1 : 0;
    RECT text = {r.left + 3 + shift, r.top + shift, r.right - 3 + shift, r.bottom + shift};
    const TBitmap& glyph = button.Glyph();
    if (!glyph.Empty()) {
        CopyPicture(canvas, glyph, text.left, bounds.top + (bounds.Height() - glyph.Height()) / 2 + shift, bounds,
                    true);
        text.left += glyph.Width() + 2;
    }
    Selection select(dc, fonts.Get(button.Font()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(button.Enabled() ? button.Font().Color() : clGrayText));
    const std::string& caption = button.Caption();
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              TextFormat(button.Alignment(), false, true) | DT_VCENTER | DT_SINGLELINE);
}

// The effect button: a light frame while the mouse is over it, a sunken
// one while pressed, the glyph left of or above the caption.
void PaintEffectButton(DibCanvas& canvas, const TepEfTrBtn& button, FontCache& fonts) {
    HDC dc = canvas.Dc();
    const TRect bounds = button.BoundsRect();
    RECT r = ToRect(bounds);
    if (button.Sunken())
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (button.Lit())
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    const int shift = button.Sunken() ? 1 : 0;
    const TBitmap& glyph = button.Glyph();
    RECT text = {r.left + 2 + shift, r.top + shift, r.right - 2 + shift, r.bottom + shift};
    if (!glyph.Empty()) {
        if (button.Layout() == blGlyphTop) {
            const int x = bounds.left + (bounds.Width() - glyph.Width()) / 2 + shift;
            CopyPicture(canvas, glyph, x, bounds.top + 4 + shift, bounds, true);
            text.top = bounds.top + 4 + glyph.Height() + 2 + shift;
        } else {
            CopyPicture(canvas, glyph, text.left, bounds.top + (bounds.Height() - glyph.Height()) / 2 + shift, bounds,
                        true);
            text.left += glyph.Width() + 2;
        }
    }
    const std::string& caption = button.Caption();
    if (caption.empty()) return;
    Selection select(dc, fonts.Get(button.Font()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(button.Enabled() ? button.Font().Color() : clGrayText));
    const UINT format =
        button.Layout() == blGlyphTop ? DT_CENTER | DT_TOP | DT_SINGLELINE : DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, format);
}

}  // namespace

void PaintGraphicControl(DibCanvas& canvas, const TControl& control, FontCache& fonts) {
    if (const TLabel* label = dynamic_cast<const TLabel*>(&control)) return PaintLabel(canvas, *label, fonts);
    if (const TImage* image = dynamic_cast<const TImage*>(&control)) return PaintImage(canvas, *image);
    if (const TBitmapButton* button = dynamic_cast<const TBitmapButton*>(&control)) {
        const TBitmap& picture = button->CurrentPicture();
        CopyPicture(canvas, picture, control.Left(), control.Top(), control.BoundsRect(), false);
        return;
    }
    if (const TBevel* bevel = dynamic_cast<const TBevel*>(&control)) return PaintBevel(canvas, *bevel);
    if (const TGauge* gauge = dynamic_cast<const TGauge*>(&control)) return PaintGauge(canvas, *gauge, fonts);
    if (const TTransparentButton* flat = dynamic_cast<const TTransparentButton*>(&control))
        return PaintFlatButton(canvas, *flat, fonts);
    if (const TepEfTrBtn* effect = dynamic_cast<const TepEfTrBtn*>(&control))
        return PaintEffectButton(canvas, *effect, fonts);
    if (const TBitmap* own = control.OwnPicture())
        CopyPicture(canvas, *own, control.Left(), control.Top(), control.BoundsRect(), false);
}

}  // namespace widgets::win32
