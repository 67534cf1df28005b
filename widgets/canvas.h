// Drawing on a TBitmap with the rules of a Windows device context, so that
// a chart drawn here looks pixel for pixel as it does through GDI:
//
// - LineTo draws from the current position up to, but not including, the
//   end point, and moves the current position there.
// - Rectangle(l, t, r, b) covers columns l to r - 1 and rows t to b - 1;
//   its border is drawn with the pen and the inside filled with the brush.
//   Without a pen only the inside is filled: columns l to r - 2, rows t to
//   b - 2.
// - A pen wider than 1 pixel spreads around the line, the odd pixel going
//   to the left or the top.
// Everything is clipped to the bitmap.
#pragma once

#include "widgets/bitmap.h"
#include "widgets/types.h"

namespace widgets {

enum TPenStyle { psSolid, psClear };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
};

struct TBrush {
    TColor Color = clWhite;
};

class TCanvas {
public:
    explicit TCanvas(TBitmap& bitmap) : bitmap_(bitmap) {}

    TPen Pen;
    TBrush Brush;

    TPoint PenPos() const { return pos_; }
    void MoveTo(int x, int y) { pos_ = TPoint{x, y}; }
    void LineTo(int x, int y);
    void Rectangle(int left, int top, int right, int bottom);
    // Copies the source area of the same bitmap onto the destination area
    // of the same size (BitBlt with SRCCOPY); overlapping areas are fine.
    void CopyRect(const TRect& dest, const TRect& source);

private:
    void Plot(int x, int y, uint32_t pixel);
    void ThinLine(int x0, int y0, int x1, int y1, uint32_t pixel);

    TBitmap& bitmap_;
    TPoint pos_;
};

}  // namespace widgets
