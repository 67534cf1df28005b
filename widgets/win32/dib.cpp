#include "widgets/win32/dib.h"

#include <algorithm>

namespace widgets::win32 {

namespace {

BITMAPINFO BottomUpInfo(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, which every Windows 95 driver takes
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

void DrawPicture(HDC dc, const TRect& dest, const TBitmap& picture) {
    if (picture.Empty() || dest.Width() <= 0 || dest.Height() <= 0) return;
    const int w = picture.Width(), h = picture.Height();
    std::vector<uint32_t> rows(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) std::copy_n(picture.Scanline(y), w, rows.data() + static_cast<size_t>(h - 1 - y) * w);
    BITMAPINFO info = BottomUpInfo(w, h);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, dest.left, dest.top, dest.Width(), dest.Height(), 0, 0, w, h, rows.data(), &info, DIB_RGB_COLORS,
                  SRCCOPY);
}

DibCanvas::DibCanvas(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1)), dc_(nullptr) {
    if (!dc_.Get()) return;
    BITMAPINFO info = BottomUpInfo(width_, height_);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) return;
    bitmap_.Reset(bitmap);
    bits_ = static_cast<uint32_t*>(bits);
    old_ = SelectObject(dc_.Get(), bitmap);
}

DibCanvas::~DibCanvas() {
    if (old_) SelectObject(dc_.Get(), old_);
}

TBitmap DibCanvas::ToBitmap() const {
    TBitmap picture(width_, height_);
    if (!bits_) return picture;
    GdiFlush();
    for (int y = 0; y < height_; ++y) {
        const uint32_t* row = TopRow() + Stride() * y;
        uint32_t* out = picture.Scanline(y);
        for (int x = 0; x < width_; ++x) out[x] = row[x] | 0xFF000000u;
    }
    return picture;
}

TBitmap CaptureWindow(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    DibCanvas canvas(client.right, client.bottom);
    if (!canvas.Valid()) return TBitmap();
    WindowDC dc(window);
    BitBlt(canvas.Dc(), 0, 0, client.right, client.bottom, dc.Get(), 0, 0, SRCCOPY);
    return canvas.ToBitmap();
}

void PaintBuffered(HWND window, const std::function<void(DibCanvas& canvas, const RECT& client)>& draw) {
    PAINTSTRUCT paint = {};
    HDC screen = BeginPaint(window, &paint);
    RECT client = {};
    GetClientRect(window, &client);
    DibCanvas canvas(client.right, client.bottom);
    if (canvas.Valid()) {
        draw(canvas, client);
        BitBlt(screen, 0, 0, client.right, client.bottom, canvas.Dc(), 0, 0, SRCCOPY);
    }
    EndPaint(window, &paint);
}

}  // namespace widgets::win32
