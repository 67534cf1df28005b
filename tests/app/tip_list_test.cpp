#include "app/tip_list.h"

#include <gtest/gtest.h>

#include "tests/support/test_machine.h"

using testing_support::MachineTest;

namespace {

class TipListTest : public MachineTest {
protected:
    app::TTipList Load(const std::string& content) {
        machine.Put(machine.Path("qw32tt.tip"), content);
        app::TTipList tips;
        tips.LoadFromFile(machine.Path("qw32tt.tip"));
        return tips;
    }
};

TEST_F(TipListTest, ThreeTipsWrapBothWays) {
    auto tips = Load("eins\r\nzwei\r\ndrei\r\n");
    EXPECT_EQ(tips.Count(), 3u);
    EXPECT_EQ(tips.Current(), "eins");
    tips.Previous();
    EXPECT_EQ(tips.Current(), "drei");
    tips.Next();
    EXPECT_EQ(tips.Current(), "eins");
    tips.Next();
    tips.Next();
    EXPECT_EQ(tips.Current(), "drei");
    tips.Next();
    EXPECT_EQ(tips.Current(), "eins");
}

TEST_F(TipListTest, OneTipStaysWhateverTheButton) {
    auto tips = Load("nur einer");
    tips.Next();
    EXPECT_EQ(tips.Current(), "nur einer");
    tips.Previous();
    EXPECT_EQ(tips.Current(), "nur einer");
}

TEST_F(TipListTest, MissingOrEmptyFileGivesNoTipAndStepsDoNothing) {
    for (const bool exists : {false, true}) {
        if (exists) machine.Put(machine.Path("qw32tt.tip"), "");
        app::TTipList tips;
        tips.LoadFromFile(machine.Path("qw32tt.tip"));
        EXPECT_TRUE(tips.Empty());
        tips.Next();
        tips.Previous();
        EXPECT_EQ(tips.Current(), "");
    }
}

}  // namespace
