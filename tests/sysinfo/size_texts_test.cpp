#include "sysinfo/size_texts.h"

#include <gtest/gtest.h>

namespace sysinfo_test {
namespace {

TEST(SizeTextTest, GermanSizesInTheirUnits) {
    struct Case {
        uint64_t bytes;
        const char* text;
    } cases[] = {
        {64ull << 20, "64,00 MB"},
        {3ull << 29, "1,50 GB"},
        {1073741823ull, "1.024,00 MB"},
        {1024ull << 30, "1.073.741.824,00 KB"},
        {0, "0,00 MB"},
        {3276800, "3,13 MB"},  // 3.125: the half rounds up
    };
    for (const Case& c : cases) EXPECT_EQ(sysinfo::SizeText(c.bytes, '.', ','), c.text) << c.bytes;
    EXPECT_EQ(sysinfo::SizeText(64ull << 20, ',', '.'), "64.00 MB");
}

TEST(ColorDepthTextTest, TheTableAndNothingOutsideIt) {
    EXPECT_EQ(sysinfo::ColorDepthText(8), "256 Farben (8-bit)");
    EXPECT_EQ(sysinfo::ColorDepthText(16), "65.536 Farben (16-bit)");
    EXPECT_EQ(sysinfo::ColorDepthText(24), "16,7 Mio. Farben (24-bit)");
    EXPECT_EQ(sysinfo::ColorDepthText(32), "4,2 Mrd Farben (32-bit)");
    EXPECT_EQ(sysinfo::ColorDepthText(4), "16 Farben (4-bit)");
    EXPECT_FALSE(sysinfo::ColorDepthText(15));
    EXPECT_FALSE(sysinfo::ColorDepthText(1));
}

}  // namespace
}  // namespace sysinfo_test
