#include "widgets/blend.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "widgets/blend_transition.h"
#include "widgets/errors.h"

namespace widgets_test {
namespace {

using namespace widgets;

TEST(BlendPlan, SixtyFourStepsExceptAtHighColour) {
    const std::pair<int, int> cases[] = {{8, 64}, {15, 16}, {16, 16}, {24, 64}, {32, 64}};
    for (const auto& c : cases) EXPECT_EQ(BlendStepCount(c.first), c.second) << c.first << " bits";
}

TEST(BlendPlan, TheStepDueFollowsTheClock) {
    struct Case {
        uint32_t elapsed, duration;
        int steps, step;
    };
    const Case cases[] = {
        {0, 810, 64, 0},    {12, 810, 64, 0},   {13, 810, 64, 1},    {405, 810, 64, 32},
        {809, 810, 64, 63}, {810, 810, 64, 64}, {5000, 810, 64, 64}, {24, 400, 16, 0},
        {25, 400, 16, 1},   {399, 400, 16, 15}, {0, 0, 64, 64},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BlendStepAt(c.elapsed, c.duration, c.steps), c.step) << c.elapsed << " of " << c.duration;
        if (c.step > 0 && c.duration > 0 && c.step < c.steps) {
            // The step is due at the first millisecond that gives it.
            const uint32_t due = BlendStepDue(c.step, c.duration, c.steps);
            EXPECT_EQ(BlendStepAt(due, c.duration, c.steps), c.step);
            EXPECT_EQ(BlendStepAt(due - 1, c.duration, c.steps), c.step - 1);
        }
    }
}

// A clock that moves only when waited on or when painting takes time.
class ScriptedClock : public BlendClock {
public:
    uint32_t Now() override { return now; }
    void Wait(uint32_t ms) override {
        now += ms;
        waited += ms;
    }
    uint32_t now = 4000000000u;  // close to the wrap of the tick counter
    uint32_t waited = 0;
};

struct Frame {
    int step;
    uint32_t at;
};

std::vector<Frame> Play(int steps, uint32_t duration, ScriptedClock& clock, uint32_t paintCost) {
    std::vector<Frame> frames;
    const uint32_t start = clock.now;
    PlayBlend(steps, duration, clock, [&](int step) {
        frames.push_back(Frame{step, clock.now - start});
        clock.now += paintCost;
    });
    return frames;
}

TEST(BlendPlan, FastPaintingWaitsForTheClockAndShowsEveryStep) {
    ScriptedClock clock;
    const std::vector<Frame> frames = Play(64, 810, clock, 1);
    ASSERT_EQ(frames.size(), 64u);
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(frames[i].step, i + 1);
        EXPECT_GE(frames[i].at, BlendStepDue(i + 1, 810, 64)) << "never ahead of the plan";
    }
    EXPECT_GT(clock.waited, 700u);
}

TEST(BlendPlan, SlowPaintingSkipsStepsAndStillEndsOnTheNewPicture) {
    ScriptedClock clock;
    const std::vector<Frame> frames = Play(64, 810, clock, 40);  // a frame takes about three steps
    ASSERT_GE(frames.size(), 2u);
    EXPECT_LT(frames.size(), 30u);
    EXPECT_EQ(frames.back().step, 64);
    for (size_t i = 1; i < frames.size(); ++i) {
        EXPECT_GT(frames[i].step, frames[i - 1].step);
        EXPECT_EQ(frames[i].step, BlendStepAt(frames[i].at, 810, 64)) << "shows the step that is due";
    }
    EXPECT_LE(frames.back().at, 810u + 40u);
}

TEST(BlendPlan, AStoppedClockCannotHangTheTransition) {
    struct Stopped : BlendClock {
        uint32_t Now() override { return 7; }
        void Wait(uint32_t) override {}
    } clock;
    std::vector<int> steps;
    PlayBlend(16, 400, clock, [&](int step) { steps.push_back(step); });
    EXPECT_EQ(steps, std::vector<int>({16}));
}

TEST(BlendMix, MixesRowsByTheStep) {
    const uint8_t from[] = {0, 255, 100, 10, 20, 30};
    const uint8_t to[] = {255, 0, 100, 30, 20, 10};
    uint8_t out[6];
    BlendRow(from, to, out, 6, 0, 64);
    EXPECT_EQ(std::vector<uint8_t>(out, out + 6), std::vector<uint8_t>(from, from + 6));
    BlendRow(from, to, out, 6, 64, 64);
    EXPECT_EQ(std::vector<uint8_t>(out, out + 6), std::vector<uint8_t>(to, to + 6));
    BlendRow(from, to, out, 6, 32, 64);
    EXPECT_EQ(std::vector<uint8_t>(out, out + 6), std::vector<uint8_t>({128, 128, 100, 20, 20, 20}));
    BlendRow(from, to, out, 6, 4, 16);  // a quarter of the way
    EXPECT_EQ(std::vector<uint8_t>(out, out + 6), std::vector<uint8_t>({64, 191, 100, 15, 20, 25}));
}

TEST(BlendMix, MixesWholePicturesOfOneSize) {
    const TBitmap from(3, 2, 0xFF000000u), to(3, 2, 0xFFFFFFFFu);
    const TBitmap half = BlendBitmaps(from, to, 8, 16);
    EXPECT_EQ(half.Pixel(2, 1), 0xFF808080u);
    EXPECT_THROW(BlendBitmaps(from, TBitmap(2, 2), 1, 16), EInvalidOperation);
}

TEST(BlendTransitionTest, FadesOnlyWhenPreparedEnabledAndOfOneSize) {
    ScriptedClock clock;
    TBlendTransition transition(nullptr);
    transition.SetDuration(400);
    int frames = 0;
    const auto count = [&](const TBitmap&) { ++frames; };
    const TBitmap picture(4, 4, 0xFF102030u);

    EXPECT_EQ(transition.Execute(picture, count, clock), 1) << "nothing prepared";
    transition.Prepare(TBitmap(4, 4));
    EXPECT_EQ(transition.Execute(picture, count, clock), 64);
    EXPECT_FALSE(transition.Prepared());
    transition.Prepare(TBitmap(5, 4));
    EXPECT_EQ(transition.Execute(picture, count, clock), 1) << "sizes differ";
    transition.SetEnabled(false);
    transition.Prepare(TBitmap(4, 4));
    EXPECT_EQ(transition.Execute(picture, count, clock), 1) << "disabled";
    EXPECT_EQ(frames, 67);
}

}  // namespace
}  // namespace widgets_test
