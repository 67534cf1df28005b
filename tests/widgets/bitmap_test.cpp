#include "widgets/bitmap.h"

#include <gtest/gtest.h>

#include <string>

#include "widgets/errors.h"

namespace widgets_test {
namespace {

using namespace widgets;

std::string Le(uint32_t v, int bytes) {
    std::string b;
    for (int i = 0; i < bytes; ++i) b += char((v >> (8 * i)) & 0xFF);
    return b;
}

// A file with a 40-byte info header; the palette or masks and the rows
// follow as given.
std::string Bmp(int32_t width, int32_t height, int bits, uint32_t compression, const std::string& extra,
                const std::string& rows, uint32_t colorsUsed = 0) {
    const uint32_t offset = 14 + 40 + uint32_t(extra.size());
    std::string b = "BM" + Le(offset + uint32_t(rows.size()), 4) + Le(0, 4) + Le(offset, 4);
    b += Le(40, 4) + Le(uint32_t(width), 4) + Le(uint32_t(height), 4) + Le(1, 2) + Le(uint32_t(bits), 2);
    b += Le(compression, 4) + Le(uint32_t(rows.size()), 4) + Le(2835, 4) + Le(2835, 4) + Le(colorsUsed, 4) + Le(0, 4);
    return b + extra + rows;
}

TEST(Bitmap, WritesAndReadsTrueColourBottomUp) {
    TBitmap picture(3, 2, 0xFF000000u);
    picture.SetPixel(0, 0, 0xFF112233u);
    picture.SetPixel(2, 1, 0xFFA0B0C0u);
    const std::string file = picture.ToBmp24();
    EXPECT_EQ(file.size(), 54u + 2 * 12);
    const TBitmap back = TBitmap::FromBmp(file);
    EXPECT_EQ(back, picture);
    EXPECT_EQ(back.SourceBitsPerPixel(), 24);
}

TEST(Bitmap, ReadsPaletteAndBitFieldPictures) {
    // 8 bits, two colours, top-down (negative height), rows padded to 4.
    const std::string palette = Le(0x000000FF, 4) + Le(0x0000FF00, 4);  // blue, green (B, G, R, 0)
    const TBitmap eight =
        TBitmap::FromBmp(Bmp(2, -2, 8, 0, palette, std::string("\x00\x01\x00\x00\x01\x00\x00\x00", 8), 2));
    EXPECT_EQ(eight.Pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(eight.Pixel(1, 0), 0xFF00FF00u);
    EXPECT_EQ(eight.Pixel(0, 1), 0xFF00FF00u);

    // 16 bits 5-6-5 with bit fields: pure red and white.
    const std::string masks = Le(0xF800, 4) + Le(0x07E0, 4) + Le(0x001F, 4);
    const TBitmap sixteen = TBitmap::FromBmp(Bmp(2, 1, 16, 3, masks, Le(0xF800, 2) + Le(0xFFFF, 2)));
    EXPECT_EQ(sixteen.Pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(sixteen.Pixel(1, 0), 0xFFFFFFFFu);

    // 1 bit: a black and a white pixel.
    const std::string mono = Le(0, 4) + Le(0x00FFFFFF, 4);
    const TBitmap one = TBitmap::FromBmp(Bmp(2, 1, 1, 0, mono, std::string("\x40\x00\x00\x00", 4)));
    EXPECT_EQ(one.Pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(one.Pixel(1, 0), 0xFFFFFFFFu);
}

TEST(Bitmap, RefusesDamagedFilesWithoutReadingPastThem) {
    const std::string row = std::string("\x01\x02\x03\x00", 4);
    const std::string good = Bmp(1, 1, 24, 0, "", row);
    ASSERT_NO_THROW(TBitmap::FromBmp(good));
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"not BM", "XY" + good.substr(2)},
        {"rows cut", good.substr(0, good.size() - 1)},
        {"header cut", good.substr(0, 30)},
        {"bits", Bmp(1, 1, 7, 0, "", row)},
        {"run-length", Bmp(1, 1, 8, 1, Le(0, 4), row, 1)},
        {"zero width", Bmp(0, 1, 24, 0, "", row)},
        {"huge", Bmp(30000, 30000, 24, 0, "", row)},
        {"palette too big", Bmp(1, 1, 8, 0, "", row, 100000)},
        {"offset beyond the end", good.substr(0, 10) + Le(0xFFFFFFF0u, 4) + good.substr(14)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_THROW(TBitmap::FromBmp(c.second), EBitmapError);
    }
}

TEST(Bitmap, ColoursBecomePixels) {
    EXPECT_EQ(ColorToPixel(clRed), 0xFFFF0000u);
    EXPECT_EQ(ColorToPixel(clNavy), 0xFF000080u);
    EXPECT_EQ(ColorToPixel(clBtnFace), 0xFFC0C0C0u);
}

}  // namespace
}  // namespace widgets_test
