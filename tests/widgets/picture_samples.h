// Small pictures made in memory for the picture tests: a true-colour
// bitmap and run-length bitmaps of 8 and 4 bits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "widgets/bitmap.h"

namespace picture_samples {

// A picture with many colours: a gradient over the whole picture.
inline widgets::TBitmap Gradient(int width, int height) {
    widgets::TBitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y,
                             0xFF000000u | uint32_t(x * 255 / (width - 1)) << 16 |
                                 uint32_t(y * 255 / (height - 1)) << 8 | uint32_t((x + y) & 0xFF));
    return picture;
}

inline void Put16(std::string& b, uint32_t v) {
    b.push_back(char(v & 0xFF));
    b.push_back(char((v >> 8) & 0xFF));
}
inline void Put32(std::string& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A run-length bitmap (compression 1 for 8 bits, 2 for 4 bits) of the
// given palette and run data, bottom row first.
inline std::string RleBmp(int width, int height, int bits, const std::vector<uint32_t>& palette,
                          const std::string& runs) {
    std::string b = "BM";
    const uint32_t dataAt = 14 + 40 + uint32_t(palette.size()) * 4;
    Put32(b, dataAt + uint32_t(runs.size()));
    Put32(b, 0);
    Put32(b, dataAt);
    Put32(b, 40);
    Put32(b, uint32_t(width));
    Put32(b, uint32_t(height));
    Put16(b, 1);
    Put16(b, uint32_t(bits));
    Put32(b, bits == 8 ? 1 : 2);
    Put32(b, uint32_t(runs.size()));
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, uint32_t(palette.size()));
    Put32(b, 0);
    for (uint32_t c : palette) Put32(b, c & 0xFFFFFF);
    return b + runs;
}

// A 640 x 480 RLE8 picture: every row a run of each of four colours.
inline std::string Rle8Sample() {
    std::string runs;
    for (int y = 0; y < 480; ++y) {
        for (int k = 0; k < 4; ++k) {
            runs.push_back(char(160));
            runs.push_back(char((y / 120 + k) % 4));
        }
        runs += std::string("\0\0", 2);
    }
    runs += std::string("\0\1", 2);
    return RleBmp(640, 480, 8, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, runs);
}

}  // namespace picture_samples
