// What the components need to know of the display. The native layer fills
// it in from the device at start; headless it is an 800 x 600 screen of
// 32-bit colour at 96 dpi, which tests may change.
#pragma once

#include "widgets/types.h"

namespace widgets {

class TScreen {
public:
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int width, int height) {
        width_ = width;
        height_ = height;
    }
    int BitsPerPixel() const { return bitsPerPixel_; }
    void SetBitsPerPixel(int bits) { bitsPerPixel_ = bits; }
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int ppi) { pixelsPerInch_ = ppi; }

    // How much wider and higher than its client area a window of the given
    // border style is (frame and caption).
    TSize FrameExtra(TFormBorderStyle style) const;
    void SetFrameExtra(TFormBorderStyle style, TSize extra);

    // Back to the headless screen.
    void Reset();

private:
    int width_ = 800;
    int height_ = 600;
    int bitsPerPixel_ = 32;
    int pixelsPerInch_ = 96;
    // Windows 95 metrics: a 3-pixel dialog frame, 4 pixels sizing frame,
    // a caption of 18 pixels plus its line, 15 for tool windows.
    TSize frames_[6] = {{0, 0}, {6, 25}, {8, 27}, {6, 25}, {6, 22}, {8, 24}};
};

TScreen& Screen();

}  // namespace widgets
