// Pictures between the components' 32-bit bitmaps and GDI.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "widgets/bitmap.h"
#include "widgets/win32/gdi_object.h"
#include "widgets/win32/win32_api.h"

namespace widgets::win32 {

// Draws the picture into the rectangle, stretched to it.
void DrawPicture(HDC dc, const TRect& dest, const TBitmap& picture);

// A 32-bit bottom-up DIB section with its memory device context, for
// drawing off screen and reading the pixels back.
class DibCanvas {
public:
    DibCanvas(int width, int height);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    bool Valid() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The top row; rows lie -Width() pixels apart (bottom-up).
    uint32_t* TopRow() const { return bits_ + static_cast<size_t>(height_ - 1) * width_; }
    ptrdiff_t Stride() const { return -static_cast<ptrdiff_t>(width_); }
    TBitmap ToBitmap() const;

private:
    int width_;
    int height_;
    uint32_t* bits_ = nullptr;
    MemoryDC dc_;
    GdiObject<HBITMAP> bitmap_;
    HGDIOBJ old_ = nullptr;
};

// What the window shows now, as a picture of its client area.
TBitmap CaptureWindow(HWND window);

// Answers WM_PAINT of a window: draw paints the whole client area into an
// off-screen canvas, which then goes to the screen in one piece, so that
// nothing flickers.
void PaintBuffered(HWND window, const std::function<void(DibCanvas& canvas, const RECT& client)>& draw);

}  // namespace widgets::win32
