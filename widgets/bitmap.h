// A picture in memory: width x height pixels of 32 bits, top row first.
//
// A pixel is 0xAARRGGBB as a number, which in memory is the B, G, R, A byte
// order of a 32-bit Windows DIB, so rows can go to the screen unconverted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "widgets/types.h"

namespace widgets {

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height, uint32_t fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    // Resizes; new pixels are black, kept pixels stay where they were.
    void SetSize(int width, int height);
    void Clear();

    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t pixel);
    void Fill(uint32_t pixel);
    void FillRect(const TRect& rect, uint32_t pixel);
    // Copies the source onto this picture with its top left corner at x, y,
    // clipped to this picture.
    void Draw(int x, int y, const TBitmap& source);

    uint32_t* Scanline(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint32_t* Scanline(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const std::vector<uint32_t>& Pixels() const { return pixels_; }

    // The colour depth of the file the picture was read from (0 when it was
    // made in memory).
    int SourceBitsPerPixel() const { return sourceBits_; }

    // Reads a Windows bitmap file (BITMAPFILEHEADER and an info header of
    // 40 bytes or more, or the 12-byte core header): 1, 4, 8, 16, 24 and
    // 32 bits per pixel, uncompressed or with bit fields, bottom-up or
    // top-down, and the run-length formats of 4 and 8 bits. Raises EBitmapError for anything else or damaged data.
    static TBitmap FromBmp(const std::string& bytes);
    // Reads the file through the platform; EBitmapError when it cannot.
    static TBitmap FromFile(const std::string& path);
    // The picture as a 24-bit bottom-up Windows bitmap file.
    std::string ToBmp24() const;

    bool operator==(const TBitmap& other) const {
        return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
    }
    bool operator!=(const TBitmap& other) const { return !(*this == other); }

private:
    static TBitmap DecodeRle(const std::string& bytes, uint64_t at, int width, int height, uint32_t bits,
                             const std::vector<uint32_t>& palette);

    int width_ = 0;
    int height_ = 0;
    int sourceBits_ = 0;
    std::vector<uint32_t> pixels_;
};

// 0x00BBGGRR colour to 0xFFRRGGBB pixel; system colours map to their
// Windows 9x standard values.
uint32_t ColorToPixel(TColor color);

}  // namespace widgets
