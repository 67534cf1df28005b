#include "widgets/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// jpeglib.h needs <cstdio> (FILE, size_t) before it.
// clang-format off
#include <jpeglib.h>
// clang-format on

#include "tests/support/sample_machine.h"
#include "widgets/errors.h"

namespace widgets_test {
namespace {

using namespace widgets;

struct JpegSpec {
    int width = 16;
    int height = 16;
    int components = 3;  // 1 grey, 3 RGB, 4 CMYK
    bool progressive = false;
};

// Compresses samples (components bytes per pixel, top row first) with
// libjpeg's compressor.
std::string EncodeJpeg(const JpegSpec& spec, const std::vector<unsigned char>& samples) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(spec.width);
    info.image_height = JDIMENSION(spec.height);
    info.input_components = spec.components;
    info.in_color_space = spec.components == 1 ? JCS_GRAYSCALE : spec.components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (spec.progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(samples.data()) +
                       size_t(info.next_scanline) * size_t(spec.width) * size_t(spec.components);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

// A picture of four flat quadrants with the given colours (0xRRGGBB;
// grey pictures take the blue byte).
std::vector<unsigned char> Quadrants(const JpegSpec& spec, const uint32_t (&colours)[4]) {
    std::vector<unsigned char> samples;
    for (int y = 0; y < spec.height; ++y) {
        for (int x = 0; x < spec.width; ++x) {
            const uint32_t c = colours[(y < spec.height / 2 ? 0 : 2) + (x < spec.width / 2 ? 0 : 1)];
            if (spec.components == 1) {
                samples.push_back(static_cast<unsigned char>(c & 0xFF));
            } else {
                for (int k = 0; k < spec.components; ++k) {
                    samples.push_back(static_cast<unsigned char>(c >> (16 - 8 * (k % 3)) & 0xFF));
                }
            }
        }
    }
    return samples;
}

// Each channel within the tolerance, and opaque.
::testing::AssertionResult Near(uint32_t pixel, uint32_t rgb, int tolerance) {
    if ((pixel >> 24) != 0xFF) return ::testing::AssertionFailure() << std::hex << pixel << " is not opaque";
    for (int shift : {16, 8, 0}) {
        const int got = int(pixel >> shift & 0xFF), want = int(rgb >> shift & 0xFF);
        if (std::abs(got - want) > tolerance) {
            return ::testing::AssertionFailure() << std::hex << pixel << " is not near " << rgb;
        }
    }
    return ::testing::AssertionSuccess();
}

std::string Background() { return testing_support::SourceFile("res/pictures/main_background.jpg"); }

// Expects EBitmapError with the message.
::testing::AssertionResult RefusedWith(const std::string& bytes, const char* message) {
    try {
        const TBitmap picture = DecodeJpeg(bytes);
        return ::testing::AssertionFailure() << "decoded " << picture.Width() << " x " << picture.Height();
    } catch (const EBitmapError& e) {
        if (std::string(e.what()) != message) return ::testing::AssertionFailure() << "message: " << e.what();
    }
    return ::testing::AssertionSuccess();
}

TEST(JpegDecoder, DecodesTheMainWindowBackground) {
    const TBitmap picture = DecodeJpeg(Background());
    ASSERT_EQ(picture.Width(), 620);
    ASSERT_EQ(picture.Height(), 440);
    // The light grey page area, the dark recess below the emblem and the
    // dark frame line above the page area.
    EXPECT_TRUE(Near(picture.Pixel(200, 200), 0xC0C0C0, 12));
    for (const auto& [x, y] : {std::pair{530, 230}, std::pair{200, 15}}) {
        const uint32_t p = picture.Pixel(x, y);
        EXPECT_LT(int(p >> 16 & 0xFF) + int(p >> 8 & 0xFF) + int(p & 0xFF), 3 * 0x50) << x << ", " << y;
    }
    for (uint32_t p : picture.Pixels()) ASSERT_EQ(p >> 24, 0xFFu);
}

TEST(JpegDecoder, DecodesGreyAndColourBaselineAndProgressive) {
    const uint32_t colours[4] = {0xD02020, 0x20D020, 0x2020D0, 0xF0F0F0};
    const uint32_t greys[4] = {0x20, 0x60, 0xA0, 0xE0};
    for (int components : {1, 3}) {
        for (bool progressive : {false, true}) {
            SCOPED_TRACE(::testing::Message() << components << " components, progressive " << progressive);
            JpegSpec spec;
            spec.width = 24;
            spec.height = 16;
            spec.components = components;
            spec.progressive = progressive;
            const uint32_t(&want)[4] = components == 1 ? greys : colours;
            const TBitmap picture = DecodeJpeg(EncodeJpeg(spec, Quadrants(spec, want)));
            ASSERT_EQ(picture.Width(), 24);
            ASSERT_EQ(picture.Height(), 16);
            const std::pair<int, int> centres[4] = {{6, 4}, {18, 4}, {6, 12}, {18, 12}};
            for (int q = 0; q < 4; ++q) {
                const uint32_t rgb = components == 1 ? want[q] * 0x010101u : want[q];
                EXPECT_TRUE(Near(picture.Pixel(centres[q].first, centres[q].second), rgb, 10)) << "quadrant " << q;
            }
            if (components == 1) {
                for (uint32_t p : picture.Pixels()) {
                    ASSERT_TRUE((p & 0xFF) == (p >> 8 & 0xFF) && (p & 0xFF) == (p >> 16 & 0xFF)) << std::hex << p;
                }
            }
        }
    }
}

TEST(JpegDecoder, RefusesPicturesCutShort) {
    // A picture that ends early is damaged; libjpeg would show the rest
    // grey, and a logo made from it would be written to the system.
    const std::string baseline = Background();
    JpegSpec spec;
    spec.width = 64;
    spec.height = 64;
    spec.progressive = true;
    const std::string progressive = EncodeJpeg(spec, Quadrants(spec, {0x102030, 0x405060, 0x708090, 0xA0B0C0}));
    ASSERT_NO_THROW(DecodeJpeg(progressive));
    const std::pair<const char*, std::string> cases[] = {
        {"first 1000 bytes", baseline.substr(0, 1000)},
        {"half", baseline.substr(0, baseline.size() / 2)},
        {"end marker missing", baseline.substr(0, baseline.size() - 2)},
        {"inside the header", baseline.substr(0, 300)},
        {"progressive, half", progressive.substr(0, progressive.size() / 2)},
        {"progressive, end marker missing", progressive.substr(0, progressive.size() - 2)},
    };
    for (const auto& [name, bytes] : cases) EXPECT_TRUE(RefusedWith(bytes, kJpegUnreadable)) << name;
}

TEST(JpegDecoder, RefusesGarbageHugeAndCmykPictures) {
    uint32_t seed = 12345;
    std::string garbage;
    for (int i = 0; i < 4000; ++i) {
        seed = seed * 1103515245u + 12345u;
        garbage += char(seed >> 16);
    }
    JpegSpec cmyk;
    cmyk.components = 4;
    JpegSpec wide;
    wide.width = kMaxJpegSide + 1;
    wide.height = 8;
    wide.components = 1;
    JpegSpec high = wide;
    high.width = 8;
    high.height = kMaxJpegSide + 1;
    const std::pair<std::string, const char*> cases[] = {
        {"", kJpegUnreadable},
        {garbage, kJpegUnreadable},
        {"\xFF\xD8\xFF" + garbage, kJpegUnreadable},
        {"\xFF\xD8", kJpegUnreadable},
        {"BM" + garbage, kJpegUnreadable},
        {EncodeJpeg(cmyk, Quadrants(cmyk, {0, 0x40, 0x80, 0xC0})), kJpegColourSpace},
        {EncodeJpeg(wide, std::vector<unsigned char>(size_t(wide.width) * 8, 0x80)), kJpegTooLarge},
        {EncodeJpeg(high, std::vector<unsigned char>(size_t(high.height) * 8, 0x80)), kJpegTooLarge},
    };
    for (const auto& [bytes, message] : cases) {
        EXPECT_TRUE(RefusedWith(bytes, message)) << bytes.size() << " bytes";
    }
}

TEST(JpegDecoder, DamagedBytesGiveAnErrorOrAPictureNeverACrash) {
    const std::string good = Background();
    uint32_t seed = 777;
    int refused = 0;
    for (int round = 0; round < 120; ++round) {
        std::string bytes = good;
        for (int k = 0; k < 4; ++k) {
            seed = seed * 1103515245u + 12345u;
            // Half the hits go into the header, where they do most harm.
            const size_t at = (round % 2 ? 2 + (seed >> 8) % 620 : (seed >> 8) % bytes.size());
            bytes[at] = char(seed >> 24);
        }
        try {
            const TBitmap picture = DecodeJpeg(bytes);
            EXPECT_TRUE(picture.Width() >= 1 && picture.Width() <= kMaxJpegSide) << round;
            EXPECT_TRUE(picture.Height() >= 1 && picture.Height() <= kMaxJpegSide) << round;
        } catch (const EBitmapError&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 0);
}

TEST(JpegDecoder, LoadPictureBytesTellsBitmapsFromJpegs) {
    TBitmap small(3, 2, 0xFF336699u);
    small.SetPixel(1, 1, 0xFFFFFFFFu);
    EXPECT_EQ(LoadPictureBytes(small.ToBmp24()), small);

    const std::string jpeg = Background();
    EXPECT_EQ(LoadPictureBytes(jpeg), DecodeJpeg(jpeg));

    for (const std::string& bytes :
         {std::string(), std::string("G"), std::string("GIF89a\x01\x00", 8), std::string("\x89PNG\r\n\x1a\n", 8)}) {
        try {
            LoadPictureBytes(bytes);
            ADD_FAILURE() << "accepted " << bytes.size() << " bytes";
        } catch (const EBitmapError& e) {
            EXPECT_STREQ(e.what(), kPictureUnknown);
        }
    }
}

}  // namespace
}  // namespace widgets_test
