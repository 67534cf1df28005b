#include "widgets/alpha_mask.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace widgets_test {
namespace {

using widgets::AlphaMask;

TEST(AlphaMask, ReadsTheCoverageOfWhiteTextFromPixelsEitherWayUp) {
    const std::vector<uint32_t> pixels = {0x000000, 0xFFFFFF, 0x404040, 0x001000};  // 2 x 2
    const AlphaMask down = AlphaMask::FromPixels(pixels.data(), 2, 2, 2);
    EXPECT_EQ(down.At(1, 0), 255);
    EXPECT_EQ(down.At(0, 1), 0x40);
    EXPECT_EQ(down.At(1, 1), 0x10);
    // Bottom-up: the rows pointer is the last row in memory.
    const AlphaMask up = AlphaMask::FromPixels(pixels.data() + 2, -2, 2, 2);
    EXPECT_EQ(up.At(0, 0), 0x40);
    EXPECT_EQ(up.At(1, 1), 255);
}

TEST(AlphaMask, BlurSpreadsCoverageEvenlyAroundIt) {
    AlphaMask dot(1, 1);
    dot.Set(0, 0, 255);
    const AlphaMask soft = dot.Blurred(3);
    ASSERT_EQ(soft.Width(), 7);
    ASSERT_EQ(soft.Height(), 7);
    EXPECT_GT(soft.At(3, 3), soft.At(2, 3));
    EXPECT_GT(soft.At(2, 3), 0);
    EXPECT_EQ(soft.At(2, 3), soft.At(3, 2)) << "the same in both directions";
    EXPECT_EQ(soft.At(1, 3), soft.At(5, 3));
    AlphaMask full(9, 9);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) full.Set(x, y, 255);
    EXPECT_EQ(full.Blurred(2).At(6, 6), 255) << "the middle of a large area stays full";
    EXPECT_EQ(dot.Blurred(0).At(0, 0), 255);
}

TEST(AlphaMask, DrawsTheColourByCoverageAndOpacity) {
    std::vector<uint32_t> target(3, 0xFF808080u);
    AlphaMask mask(3, 1);
    mask.Set(0, 0, 255);
    mask.Set(1, 0, 128);
    mask.DrawOnto(target.data(), 3, 3, 1, 0, 0, 0x000000, 60);
    EXPECT_EQ(target[0], 0xFF333333u);  // 60 % black over grey
    EXPECT_EQ(target[1], 0xFF595959u);  // half coverage: 30 %
    EXPECT_EQ(target[2], 0xFF808080u);
    mask.DrawOnto(target.data(), 3, 3, 1, 2, 0, 0xFFFFFF, 100);  // clipped but for one pixel
    EXPECT_EQ(target[2], 0xFFFFFFFFu);
}

}  // namespace
}  // namespace widgets_test
