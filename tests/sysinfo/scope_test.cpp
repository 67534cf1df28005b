#include "sysinfo/scope.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tests/widgets/widgets_fixture.h"
#include "widgets/canvas.h"

namespace sysinfo_test {
namespace {

using namespace widgets;
using sysinfo::TScope;

const uint32_t kBlack = ColorToPixel(clBlack);
const uint32_t kGreen = ColorToPixel(clGreen);
const uint32_t kLime = ColorToPixel(clLime);
const uint32_t kRed = ColorToPixel(clRed);

class ScopeTest : public widgets_test::WidgetsTest {
protected:
    // Set up the way the main window sets up its scope: size first, then
    // the grid, then the rest.
    TScope& Make(int width, int height, int gridsize = 8) {
        scope->SetBounds(-208, 104, width, height);
        scope->SetBaseline(50);
        scope->SetGridsize(gridsize);
        return *scope;
    }
    bool ColumnHas(int x, uint32_t pixel) const {
        for (int y = 0; y < scope->Height(); ++y)
            if (scope->BitMap().Pixel(x, y) == pixel) return true;
        return false;
    }
    Owned<TScope> scope = MakeOwned<TScope>();
};

TEST_F(ScopeTest, ConstructionValues) {
    EXPECT_EQ(scope->Baseline(), 50);
    EXPECT_EQ(scope->Gridsize(), 16);
    EXPECT_FALSE(scope->Active());
    EXPECT_EQ(scope->Position(), 50);
    EXPECT_EQ(scope->Interval(), 50);
    EXPECT_EQ(scope->Color(), clBlack);
    EXPECT_EQ(scope->Gridcolor(), clGreen);
    EXPECT_EQ(scope->Linecolor(), clLime);
    EXPECT_EQ(scope->Basecolor(), clRed);
    EXPECT_EQ(scope->Width(), 208);
    EXPECT_EQ(scope->Height(), 120);
    EXPECT_EQ(scope->GridPhase(), 1);
    EXPECT_TRUE(scope->Ready());
    EXPECT_FALSE(scope->Timer().Enabled());
    EXPECT_EQ(scope->Timer().Interval(), 500u);
    EXPECT_EQ(scope->BitMap().Width(), 208);
}

TEST_F(ScopeTest, BaseRowRoundsHalvesToEven) {
    struct Case {
        int height, baseline, baseY;
    } cases[] = {{96, 50, 48}, {120, 50, 60}, {10, 25, 8}, {10, 35, 6}, {10, 45, 6}, {96, 0, 96}, {96, 100, 0}};
    for (const Case& c : cases) {
        scope->SetBounds(0, 0, 50, c.height);
        scope->SetBaseline(c.baseline);
        EXPECT_EQ(scope->BaseY(), c.baseY) << c.height << " " << c.baseline;
    }
    EXPECT_EQ(sysinfo::RoundEven(2.5), 2);
    EXPECT_EQ(sysinfo::RoundEven(3.5), 4);
    EXPECT_EQ(sysinfo::RoundEven(-0.5), 0);
}

TEST_F(ScopeTest, GridsizeIsMadeEvenAndSmallValuesAreRefused) {
    struct Case {
        int set, stored;
    } cases[] = {{8, 8}, {17, 16}, {3, 2}, {2, 2}, {1, 2}, {0, 2}, {-3, 2}, {16, 16}};
    for (const Case& c : cases) {
        scope->SetGridsize(c.set);
        EXPECT_EQ(scope->Gridsize(), c.stored) << c.set;
    }
}

// The whole bitmap after DrawGrid, against the grid worked out by hand:
// vertical lines at W - 1, W - 1 - g, ...; horizontal lines every g rows
// above and below the base line; the base line red over the grid.
TEST_F(ScopeTest, DrawGridIsPixelExact) {
    struct Case {
        int width, height, gridsize, stored;
    } cases[] = {{190, 96, 8, 8}, {190, 96, 17, 16}, {208, 120, 17, 16}};
    for (const Case& c : cases) {
        Make(c.width, c.height, c.gridsize);
        ASSERT_EQ(scope->Gridsize(), c.stored);
        const int base = scope->BaseY();
        std::set<int> cols, rows;
        for (int x = c.width - 1; x >= 0; x -= c.stored) cols.insert(x);
        for (int y = base + c.stored; y < c.height; y += c.stored) rows.insert(y);
        for (int y = base - c.stored; y >= 0; y -= c.stored) rows.insert(y);
        const TBitmap& bmp = scope->BitMap();
        ASSERT_EQ(bmp.Width(), c.width);
        ASSERT_EQ(bmp.Height(), c.height);
        int wrong = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                const uint32_t want = y == base ? kRed : (rows.count(y) || cols.count(x)) ? kGreen : kBlack;
                if (bmp.Pixel(x, y) != want) ++wrong;
            }
        EXPECT_EQ(wrong, 0) << c.width << "x" << c.height << " grid " << c.gridsize;
        EXPECT_EQ(scope->PrevY(), base);
        EXPECT_EQ(scope->LastY(), base);
        EXPECT_EQ(scope->GridPhase(), 1);
    }
    // 190 x 96 with grid 8: the first vertical line at column 189, the
    // last at 5; rows 0 and 88 are the outermost horizontal lines.
    Make(190, 96, 8);
    EXPECT_EQ(scope->BitMap().Pixel(189, 10), kGreen);
    EXPECT_EQ(scope->BitMap().Pixel(5, 10), kGreen);
    EXPECT_EQ(scope->BitMap().Pixel(4, 10), kBlack);
    EXPECT_EQ(scope->BitMap().Pixel(50, 0), kGreen);
    EXPECT_EQ(scope->BitMap().Pixel(50, 88), kGreen);
    EXPECT_EQ(scope->BitMap().Pixel(50, 95), kBlack);
    EXPECT_EQ(scope->BitMap().Pixel(50, 48), kRed);
}

TEST_F(ScopeTest, AVerticalGridLineEntersEveryGridsizeDiv2Steps) {
    Make(190, 96, 8);
    for (int step = 1; step <= 12; ++step) {
        scope->ScrollStep();
        EXPECT_EQ(scope->BitMap().Pixel(189, 1), step % 4 == 0 ? kGreen : kBlack) << step;
        EXPECT_EQ(scope->BitMap().Pixel(188, 1), kBlack) << step;
    }
    // The lines so entered lie Gridsize pixels apart.
    EXPECT_EQ(scope->BitMap().Pixel(181, 1), kGreen);
    EXPECT_EQ(scope->BitMap().Pixel(173, 1), kGreen);
}

TEST_F(ScopeTest, EachStepMovesTheChartTwoPixelsLeft) {
    Make(190, 96, 8);
    const int positions[] = {100, 20, 70, 0, 50, 90};
    for (int p : positions) {
        scope->SetPosition(p);
        scope->ScrollStep();
    }
    const TBitmap before = scope->BitMap();
    scope->SetPosition(30);
    scope->ScrollStep();
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 190 - 4; ++x)
            ASSERT_EQ(scope->BitMap().Pixel(x, y), before.Pixel(x + 2, y)) << x << "," << y;
}

// The row of a value shows once a second step at the same value draws the
// flat segment (W - 2, N) to (W, N).
TEST_F(ScopeTest, ValuesLandOnTheirRowsOrOutsideTheBitmap) {
    struct Case {
        int height, position, row;
    } cases[] = {{96, 100, 0}, {96, 50, 48}, {96, 0, 96}, {96, -1, 97}, {10, 25, 8}, {96, 101, -1}};
    for (const Case& c : cases) {
        Make(190, c.height, 8);
        scope->SetLinecolor(clBlue);  // apart from grid and base line
        scope->SetPosition(c.position);
        scope->ScrollStep();
        scope->ScrollStep();
        EXPECT_EQ(scope->LastY(), c.row) << c.position;
        const uint32_t blue = ColorToPixel(clBlue);
        for (int y = 0; y < c.height; ++y) {
            EXPECT_EQ(scope->BitMap().Pixel(189, y) == blue, y == c.row) << c.position << " row " << y;
        }
    }
    // Position 0 is seen only as the clipped slope that leads to it.
    Make(190, 96, 8);
    scope->SetLinecolor(clLime);
    scope->SetPosition(0);
    scope->ScrollStep();
    EXPECT_TRUE(ColumnHas(188, kLime));
    EXPECT_TRUE(ColumnHas(189, kLime));
    EXPECT_NE(scope->BitMap().Pixel(189, 95), kLime);
}

TEST_F(ScopeTest, IntervalSetsTheTimerPeriodAndKeepsItsState) {
    scope->SetInterval(20);
    EXPECT_EQ(scope->Timer().Interval(), 200u);
    EXPECT_FALSE(scope->Timer().Enabled());
    scope->SetActive(true);
    EXPECT_TRUE(scope->Timer().Enabled());
    scope->SetInterval(30);
    EXPECT_EQ(scope->Timer().Interval(), 300u);
    EXPECT_TRUE(scope->Timer().Enabled());
    for (int refused : {0, -5}) {
        scope->SetInterval(refused);
        EXPECT_EQ(scope->Interval(), 30);
        EXPECT_EQ(scope->Timer().Interval(), 300u);
    }
    scope->SetActive(false);
    EXPECT_FALSE(scope->Timer().Enabled());
}

TEST_F(ScopeTest, TheTimerStepsEveryIntervalAndRaisesOnUpdateAfterDrawing) {
    Make(190, 96, 8);
    int updates = 0;
    int lastYSeen = 0;
    scope->OnUpdate = [&](TComponent* sender) {
        EXPECT_EQ(sender, scope.get());
        ++updates;
        lastYSeen = scope->LastY();
    };
    scope->SetPosition(100);
    scope->SetActive(true);
    scope->SetInterval(20);
    Advance(190);
    EXPECT_EQ(updates, 0);
    Advance(10);
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(lastYSeen, 0);
    Advance(1000);
    EXPECT_EQ(updates, 6);
    scope->SetActive(false);
    Advance(1000);
    EXPECT_EQ(updates, 6);
}

TEST_F(ScopeTest, GridIsDrawnOnlyOnceReadyAndAResizeKeepsTheBitmap) {
    Make(190, 96, 8);
    scope->SetBounds(-208, 104, 100, 50);
    EXPECT_EQ(scope->BitMap().Width(), 100);
    EXPECT_EQ(scope->BitMap().Height(), 50);
    // Not redrawn: the base line stays at the old row 48, cut to the new size.
    EXPECT_EQ(scope->BitMap().Pixel(50, 48), kRed);
    EXPECT_EQ(scope->BitMap().Pixel(50, 25), kBlack);
}

TEST(CanvasTest, LinesLeaveOutTheirEndPointAndRectanglesFollowGdi) {
    TBitmap bmp(10, 10, 0);
    TCanvas canvas(bmp);
    canvas.Pen.Color = clWhite;
    canvas.MoveTo(1, 1);
    canvas.LineTo(5, 1);
    const uint32_t white = ColorToPixel(clWhite);
    EXPECT_EQ(bmp.Pixel(4, 1), white);
    EXPECT_NE(bmp.Pixel(5, 1), white);
    EXPECT_EQ(canvas.PenPos(), (TPoint{5, 1}));
    canvas.LineTo(5, 5);  // from (5, 1): the corner is drawn now
    EXPECT_EQ(bmp.Pixel(5, 1), white);
    EXPECT_NE(bmp.Pixel(5, 5), white);

    TBitmap fill(10, 10, 0);
    TCanvas c2(fill);
    c2.Brush.Color = clRed;
    c2.Pen.Style = psClear;
    c2.Rectangle(2, 2, 6, 6);  // without a pen: columns 2..4
    EXPECT_EQ(fill.Pixel(4, 4), kRed);
    EXPECT_EQ(fill.Pixel(5, 4), 0u);
    c2.Pen.Style = psSolid;
    c2.Pen.Color = clLime;
    c2.Rectangle(2, 2, 6, 6);  // with a pen: border on columns 2 and 5
    EXPECT_EQ(fill.Pixel(5, 4), kLime);
    EXPECT_EQ(fill.Pixel(6, 4), 0u);
    EXPECT_EQ(fill.Pixel(3, 3), kRed);

    // A 2-pixel pen on column 8 covers columns 7 and 8.
    TBitmap wide(10, 10, 0);
    TCanvas c3(wide);
    c3.Pen.Color = clWhite;
    c3.Pen.Width = 2;
    c3.MoveTo(8, 0);
    c3.LineTo(8, 10);
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(wide.Pixel(7, y), white);
        EXPECT_EQ(wide.Pixel(8, y), white);
        EXPECT_EQ(wide.Pixel(6, y), 0u);
        EXPECT_EQ(wide.Pixel(9, y), 0u);
    }
}

}  // namespace
}  // namespace sysinfo_test
