#include "widgets/timer.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "platform/helpers.h"
#include "platform/platform.h"
#include "tests/widgets/widgets_fixture.h"
#include "widgets/application.h"
#include "widgets/form.h"
#include "widgets/timer_scheduler.h"

namespace widgets_test {
namespace {

using namespace widgets;

class TimerTest : public WidgetsTest {
protected:
    TTimer* NewTimer(uint32_t interval, int* fired) {
        TTimer* timer = new TTimer(form.get());
        timer->SetInterval(interval);
        timer->OnTimer = [fired](TComponent*) { ++*fired; };
        return timer;
    }
    Owned<TForm> form{CreateForm<TForm>(nullptr)};
};

TEST_F(TimerTest, FiresOncePerIntervalOfVirtualTime) {
    int fast = 0, slow = 0;
    NewTimer(500, &fast);
    NewTimer(1500, &slow);
    Advance(499);
    EXPECT_EQ(fast, 0);
    Advance(1);
    EXPECT_EQ(fast, 1);
    Advance(4500);
    EXPECT_EQ(fast, 10);
    EXPECT_EQ(slow, 3);
}

TEST_F(TimerTest, DisablingStopsAndEnablingStartsAFullInterval) {
    int fired = 0;
    TTimer* timer = NewTimer(500, &fired);
    Advance(400);
    timer->SetEnabled(false);
    Advance(2000);
    EXPECT_EQ(fired, 0);
    timer->SetEnabled(true);
    Advance(490);
    EXPECT_EQ(fired, 0);
    Advance(10);
    EXPECT_EQ(fired, 1);
    timer->SetInterval(0);
    Advance(2000);
    EXPECT_EQ(fired, 1);
}

TEST_F(TimerTest, ANewIntervalCountsFromNow) {
    int fired = 0;
    TTimer* timer = NewTimer(1000, &fired);
    Advance(900);
    timer->SetInterval(200);
    Advance(190);
    EXPECT_EQ(fired, 0);
    Advance(10);
    EXPECT_EQ(fired, 1);
}

TEST_F(TimerTest, AnOverdueTimerFiresOnceLikeWmTimer) {
    int fired = 0;
    NewTimer(100, &fired);
    now += 1000;  // the program was busy
    Pump();
    EXPECT_EQ(fired, 1);
    Advance(99);
    EXPECT_EQ(fired, 1);
    Advance(1);
    EXPECT_EQ(fired, 2);
}

TEST_F(TimerTest, ATimerGoesWithItsOwnerAndMayFreeItDuringItsStep) {
    int fired = 0;
    NewTimer(100, &fired);
    TTimer* suicidal = new TTimer(form.get());
    suicidal->SetInterval(100);
    suicidal->OnTimer = [&](TComponent*) { form.reset(); };
    Advance(100);
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(TimerScheduler::Global().Count(), 0u);
    Advance(1000);
    EXPECT_EQ(fired, 1) << "the older timer of the same moment ran first, then went with its owner";
}

TEST_F(TimerTest, AnErrorInTheStepLeavesTheTimerRunning) {
    TTimer* timer = new TTimer(form.get());
    timer->SetInterval(100);
    int calls = 0;
    timer->OnTimer = [&](TComponent*) {
        if (++calls == 1) throw std::runtime_error("Fehler");
    };
    now += 100;
    EXPECT_THROW(Pump(), std::runtime_error);
    Advance(100);
    EXPECT_EQ(calls, 2);
}

// A platform with only a system: a virtual clock and a message hook, as the
// program's delays drive them.
class StubSystem : public platform::System {
public:
    platform::VersionRecord GetVersion() override { return {}; }
    std::optional<platform::FileVersion> GetFileVersion(const std::string&) override { return std::nullopt; }
    uint32_t TickCount() override { return ticks; }
    void ProcessMessages() override { hook(); }
    void WaitForMessage(uint32_t ms) override { ticks += ms < 10 ? ms : 10; }
    std::optional<bool> GetSystemParameterFlag(uint32_t) override { return std::nullopt; }
    bool SetSystemParameter(uint32_t, uint32_t, uint32_t) override { return false; }
    bool ExitWindows(uint32_t) override { return false; }
    void MessageBeep(uint32_t) override {}
    std::optional<std::string> Resource(const std::string&) override { return std::nullopt; }

    uint32_t ticks = 0xFFFFF000u;
    std::function<void()> hook;
};

class StubPlatform : public platform::Platform {
public:
    platform::Registry& registry() override { throw std::logic_error("no registry"); }
    platform::Profile& profile() override { throw std::logic_error("no profile"); }
    platform::FileSystem& files() override { throw std::logic_error("no files"); }
    platform::System& system() override { return system_; }
    platform::Shell& shell() override { throw std::logic_error("no shell"); }
    platform::FileAccess& fileAccess() override { throw std::logic_error("no file access"); }
    platform::CodePage& codePage() override { throw std::logic_error("no code page"); }
    platform::RecycleBin& recycleBin() override { throw std::logic_error("no recycle bin"); }
    platform::Cabinet& cabinet() override { throw std::logic_error("no cabinet"); }
    platform::ActiveX& activex() override { throw std::logic_error("no ActiveX"); }
    platform::Modules& modules() override { throw std::logic_error("no modules"); }
    platform::VersionInfo& versionInfo() override { throw std::logic_error("no version information"); }
    platform::Machine& machine() override { throw std::logic_error("no machine"); }
    platform::Net& net() override { throw std::logic_error("no network"); }
    StubSystem system_;
};

TEST_F(TimerTest, TimersRunDuringDelaysThroughTheMessageHook) {
    platform::Platform* previous = nullptr;
    try {
        previous = &platform::Get();
    } catch (const std::logic_error&) {
    }
    StubPlatform stub;
    platform::Install(&stub);
    TimerScheduler::Global().SetTickSource(nullptr);  // the platform's clock
    stub.system_.hook = [] { Application().RunPendingWork(); };

    int fired = 0;
    NewTimer(500, &fired);
    platform::Delay(1200);
    EXPECT_EQ(fired, 2);
    platform::Delay(1300);
    EXPECT_EQ(fired, 5);

    form.reset();
    platform::Install(previous);
}

}  // namespace
}  // namespace widgets_test
