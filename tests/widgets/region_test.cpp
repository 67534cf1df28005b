#include "widgets/region.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/widgets/widgets_fixture.h"
#include "widgets/cool_form.h"
#include "widgets/errors.h"
#include "widgets/form.h"

namespace widgets_test {
namespace {

using namespace widgets;

std::string Le32(uint32_t v) {
    std::string b;
    for (int i = 0; i < 4; ++i) b += char((v >> (8 * i)) & 0xFF);
    return b;
}

// A block written out field by field, as the window stores it.
std::string Block(uint32_t length, uint32_t size, uint32_t type, uint32_t count, const std::vector<TRect>& rects) {
    std::string b = Le32(length) + Le32(size) + Le32(type) + Le32(count) + Le32(uint32_t(rects.size()) * 16);
    b += Le32(0) + Le32(0) + Le32(621) + Le32(440);
    for (const TRect& r : rects)
        b += Le32(uint32_t(r.left)) + Le32(uint32_t(r.top)) + Le32(uint32_t(r.right)) + Le32(uint32_t(r.bottom));
    return b;
}

const std::vector<TRect> kTwo = {{3, 0, 618, 1}, {0, 1, 621, 440}};

TEST(RegionBlock, ReadsTheRectanglesOfAGoodBlock) {
    const RegionData data = ParseRegionBlock(Block(32 + 32, 32, 1, 2, kTwo));
    EXPECT_EQ(data.rects, kTwo);
    EXPECT_EQ(data.bound, TRect({0, 0, 621, 440}));
    EXPECT_TRUE(RegionContains(data.rects, 620, 439));
    EXPECT_FALSE(RegionContains(data.rects, 1, 0));
}

TEST(RegionBlock, WritesWhatItReads) {
    const std::string block = BuildRegionBlock(kTwo);
    EXPECT_EQ(block, Block(64, 32, 1, 2, kTwo));
    EXPECT_EQ(ParseRegionBlock(block + "trailing bytes").rects, kTwo);
}

TEST(RegionBlock, RefusesDamagedBlocks) {
    const std::string good = Block(64, 32, 1, 2, kTwo);
    struct Case {
        const char* name;
        std::string block;
        const char* reason;
    };
    const Case cases[] = {
        {"empty", "", "Längenangabe fehlt"},
        {"no full count", good.substr(0, 3), "Längenangabe fehlt"},
        {"shorter than counted", good.substr(0, good.size() - 1), "kürzer als angegeben"},
        {"huge length", Le32(0xFFFFFFFFu) + good.substr(4), "kürzer als angegeben"},
        {"header cut", Le32(20) + good.substr(4, 20), "Kopf unvollständig"},
        {"header size", Block(64, 40, 1, 2, kTwo), "falsche Kopfgröße"},
        {"not rectangles", Block(64, 32, 2, 2, kTwo), "keine Rechteckliste"},
        {"count beyond the data", Block(64, 32, 1, 3, kTwo), "mehr Rechtecke"},
        {"count that overflows", Block(64, 32, 1, 0x10000002u, kTwo), "mehr Rechtecke"},
        {"inverted rectangle", Block(48, 32, 1, 1, {{10, 10, 5, 20}}), "verkehrtes Rechteck"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            ParseRegionBlock(c.block);
            ADD_FAILURE() << "accepted";
        } catch (const ERegionError& error) {
            EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
        }
    }
}

class CoolFormTest : public WidgetsTest {};

TEST_F(CoolFormTest, GivesTheOutlineToItsFormAndDragsIt) {
    Owned<TForm> form(CreateForm<TForm>(nullptr));
    TCoolForm* skin = new TCoolForm(form.get());
    skin->SetBounds(0, 0, 620, 440);
    skin->SetRegionData(BuildRegionBlock(kTwo));
    EXPECT_TRUE(form->Region().empty()) << "not before it lies on the form";
    skin->SetParent(form.get());
    EXPECT_EQ(form->Region(), kTwo);

    EXPECT_THROW(skin->SetRegionData("\x01"), ERegionError);
    EXPECT_EQ(form->Region(), kTwo);

    skin->PerformClick();
    EXPECT_EQ(form->WindowMoveRequests(), 1);
    skin->MouseDown(mbRight, 5, 5);
    EXPECT_EQ(form->WindowMoveRequests(), 1);
}

}  // namespace
}  // namespace widgets_test
