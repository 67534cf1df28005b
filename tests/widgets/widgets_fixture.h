// A clean component world for each test: no peers, the headless dialogs
// and help with empty queues, a fresh application, and the timer
// scheduler on a virtual clock that the test moves.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "widgets/application.h"
#include "widgets/headless_dialogs.h"
#include "widgets/headless_help.h"
#include "widgets/peer_factory.h"
#include "widgets/screen.h"
#include "widgets/timer_scheduler.h"

namespace widgets_test {

// No peers, the headless dialogs and help with empty queues, a fresh
// application, screen and timer scheduler.
inline void ResetWidgets() {
    widgets::InstallPeerFactory(nullptr);
    widgets::InstallDialogHost(nullptr);
    widgets::InstallHelpSystem(nullptr);
    widgets::Headless().Reset();
    widgets::HeadlessHelpRecorder().Clear();
    widgets::Application().Reset();
    widgets::Screen().Reset();
    widgets::TimerScheduler::Global().Clear();
}

class WidgetsTest : public ::testing::Test {
protected:
    WidgetsTest() { ResetWorld(); }

    ~WidgetsTest() override {
        EXPECT_EQ(widgets::Headless().UnusedAnswers(), 0u) << "scripted answers were left unused";
        ResetWorld();
        widgets::TimerScheduler::Global().SetTickSource(nullptr);
    }

    // Moves the virtual clock on in small steps, running the pump after
    // each, as the message loop would.
    void Advance(uint32_t milliseconds, uint32_t step = 10) {
        while (milliseconds > 0) {
            const uint32_t d = milliseconds < step ? milliseconds : step;
            now += d;
            milliseconds -= d;
            widgets::Application().RunPendingWork();
        }
    }

    void Pump() { widgets::Application().RunPendingWork(); }

    uint32_t now = 50000;

private:
    void ResetWorld() {
        ResetWidgets();
        widgets::TimerScheduler::Global().SetTickSource([this] { return now; });
    }
};

}  // namespace widgets_test
