// A coverage map (0 = none, 255 = full) such as text drawn white on black
// gives, with the blur and the blending that the title label's soft shadow
// and anti-aliased face need.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace widgets {

class AlphaMask {
public:
    AlphaMask() = default;
    AlphaMask(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    uint8_t At(int x, int y) const;
    void Set(int x, int y, uint8_t coverage);

    // The coverage of 32-bit pixels (B, G, R, x) of white text on black:
    // the brightest channel of each pixel. The rows are stride pixels apart
    // (negative for a bottom-up picture, with rows pointing at the top row).
    static AlphaMask FromPixels(const uint32_t* rows, ptrdiff_t stride, int width, int height);

    // A copy grown by radius on every side and blurred with a box of
    // 2 * radius + 1 pixels, run twice in each direction (close to a
    // Gaussian blur). Radius 0 copies.
    AlphaMask Blurred(int radius) const;

    // Blends the colour (0x00RRGGBB) onto 32-bit pixels with the coverage
    // times opacity (0..100 percent); the mask's top left corner lies at
    // x, y of the target, clipped to it.
    void DrawOnto(uint32_t* rows, ptrdiff_t stride, int width, int height, int x, int y, uint32_t color,
                  int opacityPercent) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> coverage_;
};

}  // namespace widgets
