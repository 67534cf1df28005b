// The scope's canvas against GDI: the same lines, rectangles and scrolls
// drawn through a device context under Wine and on the portable canvas
// give the same pixels.
#include <gtest/gtest.h>

#include "widgets/bitmap.h"
#include "widgets/canvas.h"

#ifdef _WIN32
#include "platform/win32/win32_api.h"
#endif

namespace sysinfo_test {
namespace {

using widgets::TColor;

struct Op {
    enum Kind { Line, Rect, NoPenRect, Scroll } kind;
    int a, b, c, d;
    TColor pen, brush;
};

// A scope of 190 x 96 in its colours: background, grid, base line, a
// stepped chart, the 2-pixel scroll and lines that leave the bitmap.
const Op kOps[] = {
    {Op::Rect, 0, 0, 190, 96, widgets::clBlack, widgets::clBlack},
    {Op::Line, 0, 8, 190, 8, widgets::clGreen, 0},
    {Op::Line, 16, 0, 16, 96, widgets::clGreen, 0},
    {Op::Line, 0, 48, 190, 48, widgets::clRed, 0},
    {Op::Line, 186, 48, 188, 10, widgets::clLime, 0},
    {Op::Line, 188, 10, 190, 90, widgets::clLime, 0},
    {Op::Line, 3, 5, 120, 60, widgets::clLime, 0},
    {Op::Line, 120, 60, 7, 93, widgets::clLime, 0},
    {Op::Line, 50, 97, 60, 40, widgets::clLime, 0},
    {Op::Scroll, 0, 0, 0, 0, 0, 0},
    {Op::Rect, 20, 20, 40, 30, widgets::clLime, widgets::clRed},
    {Op::NoPenRect, 60, 20, 80, 30, 0, widgets::clGreen},
    {Op::Scroll, 0, 0, 0, 0, 0, 0},
    {Op::Line, 188, 97, 190, 48, widgets::clLime, 0},
};
constexpr int kWidth = 190, kHeight = 96;

widgets::TBitmap DrawOnCanvas() {
    widgets::TBitmap bitmap(kWidth, kHeight);
    widgets::TCanvas canvas(bitmap);
    for (const Op& op : kOps) {
        switch (op.kind) {
            case Op::Line:
                canvas.Pen = widgets::TPen{op.pen, 1, widgets::psSolid};
                canvas.MoveTo(op.a, op.b);
                canvas.LineTo(op.c, op.d);
                break;
            case Op::Rect:
            case Op::NoPenRect:
                canvas.Pen = widgets::TPen{op.pen, 1, op.kind == Op::Rect ? widgets::psSolid : widgets::psClear};
                canvas.Brush = widgets::TBrush{op.brush};
                canvas.Rectangle(op.a, op.b, op.c, op.d);
                break;
            case Op::Scroll:
                canvas.CopyRect({0, 0, kWidth - 2, kHeight}, {2, 0, kWidth, kHeight});
                break;
        }
    }
    return bitmap;
}

TEST(ScopeGdiTest, TheCanvasDrawsAsGdiDoes) {
#ifdef _WIN32
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(section, nullptr);
    HGDIOBJ oldBitmap = SelectObject(dc, section);
    for (const Op& op : kOps) {
        switch (op.kind) {
            case Op::Line: {
                HPEN pen = CreatePen(PS_SOLID, 1, op.pen);
                HGDIOBJ old = SelectObject(dc, pen);
                MoveToEx(dc, op.a, op.b, nullptr);
                LineTo(dc, op.c, op.d);
                DeleteObject(SelectObject(dc, old));
                break;
            }
            case Op::Rect:
            case Op::NoPenRect: {
                HPEN pen = op.kind == Op::Rect ? CreatePen(PS_SOLID, 1, op.pen) : CreatePen(PS_NULL, 0, 0);
                HBRUSH brush = CreateSolidBrush(op.brush);
                HGDIOBJ oldPen = SelectObject(dc, pen);
                HGDIOBJ oldBrush = SelectObject(dc, brush);
                Rectangle(dc, op.a, op.b, op.c, op.d);
                DeleteObject(SelectObject(dc, oldPen));
                DeleteObject(SelectObject(dc, oldBrush));
                break;
            }
            case Op::Scroll:
                BitBlt(dc, 0, 0, kWidth - 2, kHeight, dc, 2, 0, SRCCOPY);
                break;
        }
    }
    GdiFlush();
    const widgets::TBitmap canvas = DrawOnCanvas();
    const auto* gdi = static_cast<const uint32_t*>(bits);
    int differ = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const uint32_t g = gdi[y * kWidth + x] & 0xFFFFFF;
            const uint32_t c = canvas.Pixel(x, y) & 0xFFFFFF;
            if (g != c && differ++ < 5) ADD_FAILURE() << "pixel " << x << "," << y << ": gdi " << g << ", canvas " << c;
        }
    }
    EXPECT_EQ(differ, 0);
    SelectObject(dc, oldBitmap);
    DeleteObject(section);
    DeleteDC(dc);
#else
    // Natively the canvas at least draws what it is given.
    const widgets::TBitmap canvas = DrawOnCanvas();
    EXPECT_EQ(canvas.Pixel(25, 20), widgets::ColorToPixel(widgets::clLime));
    GTEST_SKIP() << "GDI is compared under Wine";
#endif
}

}  // namespace
}  // namespace sysinfo_test
