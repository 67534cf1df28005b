#include "widgets/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace widgets {

void TCanvas::Plot(int x, int y, uint32_t pixel) {
    if (x < 0 || y < 0 || x >= bitmap_.Width() || y >= bitmap_.Height()) return;
    bitmap_.SetPixel(x, y, pixel);
}

// Bresenham's line from (x0, y0) towards (x1, y1), the end point left out.
void TCanvas::ThinLine(int x0, int y0, int x1, int y1, uint32_t pixel) {
    const int dx = std::abs(x1 - x0);
    const int dy = std::abs(y1 - y0);
    const int sx = x1 >= x0 ? 1 : -1;
    const int sy = y1 >= y0 ? 1 : -1;
    int x = x0;
    int y = y0;
    if (dx >= dy) {
        int err = 2 * dy - dx;
        for (int i = 0; i < dx; ++i) {
            Plot(x, y, pixel);
            if (err > 0) {
                y += sy;
                err -= 2 * dx;
            }
            err += 2 * dy;
            x += sx;
        }
    } else {
        int err = 2 * dx - dy;
        for (int i = 0; i < dy; ++i) {
            Plot(x, y, pixel);
            if (err > 0) {
                x += sx;
                err -= 2 * dy;
            }
            err += 2 * dx;
            y += sy;
        }
    }
}

void TCanvas::LineTo(int x, int y) {
    const TPoint from = pos_;
    pos_ = TPoint{x, y};
    if (Pen.Style == psClear) return;
    const uint32_t pixel = ColorToPixel(Pen.Color);
    const int width = std::max(1, Pen.Width);
    if (width == 1) {
        ThinLine(from.x, from.y, x, y, pixel);
        return;
    }
    // A wide pen: the thin line repeated across the pen's width, at right
    // angles to the line's main direction, with the ends widened the same
    // way (round ends reach half the width beyond them).
    const int lo = -(width / 2);
    const int hi = lo + width - 1;
    const bool steep = std::abs(y - from.y) > std::abs(x - from.x);
    for (int d = lo; d <= hi; ++d) {
        if (steep) {
            const int sy = y >= from.y ? 1 : -1;
            ThinLine(from.x + d, from.y + lo * sy, x + d, y + (hi + 1) * sy, pixel);
        } else {
            const int sx = x >= from.x ? 1 : -1;
            ThinLine(from.x + lo * sx, from.y + d, x + (hi + 1) * sx, y + d, pixel);
        }
    }
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    const bool pen = Pen.Style != psClear;
    const uint32_t fill = ColorToPixel(Brush.Color);
    if (!pen) {
        bitmap_.FillRect(TRect{std::max(left, 0), std::max(top, 0), std::min(right - 1, bitmap_.Width()),
                               std::min(bottom - 1, bitmap_.Height())},
                         fill);
        return;
    }
    if (right - left < 1 || bottom - top < 1) return;
    bitmap_.FillRect(TRect{std::max(left, 0), std::max(top, 0), std::min(right, bitmap_.Width()),
                           std::min(bottom, bitmap_.Height())},
                     ColorToPixel(Pen.Color));
    bitmap_.FillRect(TRect{std::max(left + 1, 0), std::max(top + 1, 0), std::min(right - 1, bitmap_.Width()),
                           std::min(bottom - 1, bitmap_.Height())},
                     fill);
}

void TCanvas::CopyRect(const TRect& dest, const TRect& source) {
    const int w = std::min(dest.Width(), source.Width());
    const int h = std::min(dest.Height(), source.Height());
    if (w <= 0 || h <= 0) return;
    // Row by row through a buffer, so that overlapping areas copy as BitBlt
    // copies them; rows are taken bottom-up when the copy moves down.
    std::vector<uint32_t> row(static_cast<size_t>(w));
    const bool down = dest.top > source.top;
    for (int i = 0; i < h; ++i) {
        const int r = down ? h - 1 - i : i;
        const int sy = source.top + r, dy = dest.top + r;
        if (sy < 0 || sy >= bitmap_.Height() || dy < 0 || dy >= bitmap_.Height()) continue;
        for (int c = 0; c < w; ++c) {
            const int sx = source.left + c;
            row[c] = (sx >= 0 && sx < bitmap_.Width()) ? bitmap_.Pixel(sx, sy) : 0;
        }
        for (int c = 0; c < w; ++c) {
            const int sx = source.left + c;
            if (sx >= 0 && sx < bitmap_.Width()) Plot(dest.left + c, dy, row[c]);
        }
    }
}

}  // namespace widgets
