// The start-up breakpoint inside the start: the splash window shows the
// gauge in its frame and MakeCab2's progress moves it (on the fake, where
// the start's delays take no time).
#include <set>

#include "app/splash.h"
#include "config/big_ini_file.h"
#include "safety/prog_start_breakpoint.h"
#include "tests/app/shell_fixture.h"
#include "tests/support/cab_listing.h"

using namespace app_test;

namespace {

class SplashBreakpointTest : public ShellTest {};

TEST_F(SplashBreakpointTest, TheGaugeFollowsTheArchiveWhileTheBreakpointIsWritten) {
    testing_support::InstallSample98BreakpointFiles(machine);
    config::TBigIniFile(folder + "qw32break.cfg").WriteInteger("Option", "ProgStartCount", 1);
    std::set<int> progress;
    bool frameWithGauge = true;
    OnPump = [&] {
        app::TFrmSplash* splash = app::FrmSplash();
        if (!splash || !splash->Gauge1->Visible()) return;
        progress.insert(splash->Gauge1->Progress());
        frameWithGauge = frameWithGauge && splash->Image3->Visible();
    };
    ASSERT_NE(Start(), nullptr);
    EXPECT_TRUE(frameWithGauge);
    ASSERT_GT(progress.size(), 2u);  // it moved, not only jumped to its end
    EXPECT_EQ(*progress.rbegin(), 100);
    const auto names = testing_support::CabNames(machine.Get(folder + "brkpoint\\" + safety::BreakpointArchiveName(5)));
    EXPECT_EQ(names.size(), 13u);
}

}  // namespace
