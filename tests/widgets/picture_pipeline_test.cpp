// The picture pipeline: run-length bitmaps, PNG, resampling, the palette
// and the 8-bit bitmap writer.
#include "widgets/picture_pipeline.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/support/sample_machine.h"
#include "tests/support/test_machine.h"
#include "tests/widgets/picture_samples.h"
#include "widgets/errors.h"

namespace widgets_test {
namespace {

using namespace widgets;
using picture_samples::Put16;
using picture_samples::Put32;
using picture_samples::RleBmp;

uint32_t U32(const std::string& b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
           uint32_t(uint8_t(b[at + 3])) << 24;
}

TEST(PicturePipelineTest, ReadsRunLengthBitmapsOfEightAndFourBits) {
    // 8 bits: a run of 3, a literal run of 3 (padded), end of row; then a
    // jump to the last pixel of the second row, which is left as colour 0.
    std::string runs8 = std::string("\x03\x01\x00\x03\x02\x00\x01\x00\x00\x00", 10);
    runs8 += std::string("\x00\x02\x05\x00\x00\x01", 6);
    const TBitmap rle8 = TBitmap::FromBmp(RleBmp(6, 2, 8, {0x000000, 0xFF0000, 0x00FF00}, runs8));
    const uint32_t black = 0xFF000000u, red = 0xFFFF0000u, green = 0xFF00FF00u;
    EXPECT_EQ(rle8.Pixel(0, 1), red);  // the bottom row is the first of the file
    EXPECT_EQ(rle8.Pixel(2, 1), red);
    EXPECT_EQ(rle8.Pixel(3, 1), green);
    EXPECT_EQ(rle8.Pixel(4, 1), black);
    EXPECT_EQ(rle8.Pixel(5, 1), red);
    EXPECT_EQ(rle8.Pixel(0, 0), black);
    EXPECT_EQ(rle8.SourceBitsPerPixel(), 8);

    // 4 bits: a run of 5 alternating 1 and 2, end of picture.
    const TBitmap rle4 =
        TBitmap::FromBmp(RleBmp(5, 1, 4, {0x000000, 0xFF0000, 0x00FF00}, std::string("\x05\x12\x00\x01", 4)));
    EXPECT_EQ(rle4.Pixel(0, 0), red);
    EXPECT_EQ(rle4.Pixel(1, 0), green);
    EXPECT_EQ(rle4.Pixel(4, 0), red);
}

TEST(PicturePipelineTest, RefusesRunsThatLeaveThePictureOrTheFile) {
    const std::vector<uint32_t> palette = {0x000000, 0xFFFFFF};
    const std::string cases[] = {
        std::string("\x07\x01", 2),          // longer than the row
        std::string("\x02\x01", 2),          // no end marker: the file ends
        std::string("\x00\x04\x01", 3),      // a literal run cut short
        std::string("\x00\x02\x09\x09", 4),  // a jump out of the picture
    };
    for (const std::string& runs : cases) {
        EXPECT_THROW(TBitmap::FromBmp(RleBmp(4, 2, 8, palette, runs)), EBitmapError) << runs.size();
    }
}

TEST(PicturePipelineTest, AFlatColourStaysFlatThroughBothFilters) {
    const TBitmap flat(37, 23, 0xFF336699u);
    for (TResampleFilter filter : {TResampleFilter::Triangle, TResampleFilter::Mitchell}) {
        for (auto [w, h] : {std::pair{320, 400}, std::pair{107, 74}, std::pair{5, 3}}) {
            const TBitmap out = Resample(flat, w, h, filter);
            ASSERT_EQ(out.Width(), w);
            ASSERT_EQ(out.Height(), h);
            for (uint32_t p : out.Pixels()) ASSERT_EQ(p, 0xFF336699u);
        }
    }
}

TEST(PicturePipelineTest, MitchellAndTriangleDifferOnAnEdge) {
    TBitmap edge(8, 1, 0xFF000000u);
    for (int x = 4; x < 8; ++x) edge.SetPixel(x, 0, 0xFFFFFFFFu);
    EXPECT_NE(Resample(edge, 29, 1, TResampleFilter::Triangle), Resample(edge, 29, 1, TResampleFilter::Mitchell));
}

TEST(PicturePipelineTest, FewColoursAreKeptExactlyAndManyAreReducedTo256) {
    TBitmap few(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) few.SetPixel(x, y, 0xFF000000u | uint32_t(y * 16 + x) * 0x010203u);
    const TPalettePicture exact = ReduceTo256(few);
    ASSERT_EQ(exact.palette.size(), 256u);
    for (int k = 0; k < 256; ++k) EXPECT_EQ(exact.palette[exact.indices[k]], few.Pixels()[k]) << k;

    const TBitmap many = picture_samples::Gradient(200, 150);
    const TPalettePicture reduced = ReduceTo256(many);
    ASSERT_EQ(reduced.palette.size(), 256u);
    std::set<uint32_t> used(reduced.indices.begin(), reduced.indices.end());
    EXPECT_GT(used.size(), 200u);
    // Every pixel lands near its colour.
    for (size_t k = 0; k < many.Pixels().size(); k += 97) {
        const uint32_t a = many.Pixels()[k], b = reduced.palette[reduced.indices[k]];
        for (int shift : {0, 8, 16}) EXPECT_NEAR(int((a >> shift) & 0xFF), int((b >> shift) & 0xFF), 40) << k;
    }
}

TEST(PicturePipelineTest, WritesAnUncompressedEightBitBitmapThatReadsBack) {
    TBitmap picture(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) picture.SetPixel(x, y, 0xFF000000u | uint32_t(x * 40) << 16 | uint32_t(y * 90));
    const std::string bmp = ToBmp8(ReduceTo256(picture));
    ASSERT_EQ(bmp.size(), 14u + 40u + 1024u + 8u * 3u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(U32(bmp, 2), bmp.size());
    EXPECT_EQ(U32(bmp, 10), 14u + 40u + 1024u);
    EXPECT_EQ(U32(bmp, 14), 40u);
    EXPECT_EQ(U32(bmp, 18), 5u);
    EXPECT_EQ(U32(bmp, 22), 3u);
    EXPECT_EQ(uint8_t(bmp[28]), 8);
    EXPECT_EQ(U32(bmp, 30), 0u);
    EXPECT_EQ(U32(bmp, 46), 256u);
    EXPECT_EQ(TBitmap::FromBmp(bmp), picture);
}

class PictureFileTest : public testing_support::MachineTest {};

TEST_F(PictureFileTest, LoadsByExtensionAndScalesJpegDownOnDecoding) {
    machine.Put(machine.Path("photo.png"), testing_support::SourceFile("tests/pages/data/photo.png"));
    machine.Put(machine.Path("photo.jpg"), testing_support::SourceFile("tests/pages/data/photo.jpg"));
    machine.Put(machine.Path("photo.bmp"), picture_samples::Gradient(64, 48).ToBmp24());
    const TBitmap png = LoadPictureFile(machine.Path("photo.png"));
    EXPECT_EQ(png.Width(), 640);
    EXPECT_EQ(png.Pixel(639, 0), 0xFFFF0000u | uint32_t(639 % 256));
    EXPECT_EQ(LoadPictureFile(machine.Path("photo.jpg")).Width(), 640);
    const TBitmap small = LoadPictureFile(machine.Path("photo.jpg"), 110, 77);
    EXPECT_EQ(small.Width(), 160);  // 1/4: still at least 110 x 77
    EXPECT_EQ(small.Height(), 120);
    EXPECT_EQ(LoadPictureFile(machine.Path("photo.bmp")), picture_samples::Gradient(64, 48));
}

TEST_F(PictureFileTest, RefusesGarbageAndPicturesCutShort) {
    const std::string png = testing_support::SourceFile("tests/pages/data/photo.png");
    const std::string jpg = testing_support::SourceFile("tests/pages/data/photo.jpg");
    machine.Put(machine.Path("cut.png"), png.substr(0, png.size() / 2));
    machine.Put(machine.Path("cut.jpg"), jpg.substr(0, jpg.size() / 2));
    machine.Put(machine.Path("junk.bmp"), "BM not a picture at all");
    machine.Put(machine.Path("junk.png"), std::string(100, 'x'));
    for (const char* name : {"cut.png", "cut.jpg", "junk.bmp", "junk.png", "missing.bmp"}) {
        EXPECT_THROW(LoadPictureFile(machine.Path(name)), EBitmapError) << name;
    }
}

}  // namespace
}  // namespace widgets_test
