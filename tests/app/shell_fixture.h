// The application shell on the fake platform: the sample Windows 98 machine,
// the program's pictures and tips, headless components, and the platform's
// virtual clock driving the timers and the delays of the start.
#pragma once

#include <gtest/gtest.h>

#include "app/main.h"
#include "app/start_hooks.h"
#include "app/startup.h"
#include "platform/fake/fake_platform.h"
#include "platform/helpers.h"
#include "tests/support/sample_machine.h"
#include "tests/widgets/widgets_fixture.h"
#include "widgets/application.h"
#include "widgets/headless_dialogs.h"
#include "widgets/headless_help.h"

namespace app_test {

// The shell on whichever machine the suite runs: under Wine the start's
// delays take their real time.
class ShellOnAnyMachine : public testing_support::MachineTest {
protected:
    void SetUp() override {
        ResetWorld();
        if (machine.IsFake()) {
            auto& system = machine.Fake()->system();
            system.SetResourceFolder(std::string(QW_SOURCE_DIR) + "/res/pictures");
            system.SetMessageHook([this] {
                widgets::Application().RunPendingWork();
                if (OnPump) OnPump();
            });
        }
        testing_support::InstallSample98(machine);
        folder = platform::ProgramFolder();
        machine.Put(folder + "qw32tt.tip", testing_support::SourceFile("res/qw32tt.tip"));
    }

    void TearDown() override {
        app::EndProgram();
        if (machine.IsFake()) machine.Fake()->system().SetMessageHook(nullptr);
        ResetWorld();
    }

    static void ResetWorld() {
        widgets_test::ResetWidgets();
        app::StartHooks() = app::TStartHooks();
    }

    uint32_t Now() const { return machine.P().system().TickCount(); }
    // Handles what waits, as the message loop would between two messages.
    void Pump() { widgets::Application().ProcessMessages(); }

    app::THalvornQuellwerk* Start() {
        app::THalvornQuellwerk* main = app::StartProgram();
        Pump();
        return main;
    }

    std::string folder;
    std::function<void()> OnPump;
};

// The shell on the fake: the start waits 4.5 seconds, which only the
// fake's clock can skip.
class ShellTest : public ShellOnAnyMachine {
protected:
    void SetUp() override {
        QW_FAKE_ONLY(machine);
        ShellOnAnyMachine::SetUp();
    }
    void TearDown() override {
        if (machine.IsFake()) ShellOnAnyMachine::TearDown();
    }
};

}  // namespace app_test
