// The program as a whole: its title and help file, the main form, the
// message pump and the error handler.
//
// Work that must wait until the current message is handled (releasing a
// form, posted calls) waits in a queue that the pump drains. Headless, the
// pump also runs the scheduler's timers; with native peers the timers are
// window messages and the peer layer drains the queue when OnPost wakes it.
#pragma once

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <string>

#include "widgets/types.h"

namespace widgets {

class TComponent;
class TForm;

class TApplication {
public:
    std::string Title;
    std::string HelpFile;
    // Decimal and thousands separators of the user's regional settings.
    char DecimalSeparator = ',';
    char ThousandSeparator = '.';

    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }

    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }

    // Runs the call after the current message has been handled.
    void Post(std::function<void()> call);
    // Frees the component after the current message has been handled;
    // asking twice frees it once.
    void ScheduleRelease(TComponent* component);
    // A component that goes by other means leaves the queue.
    void CancelRelease(TComponent* component);
    bool ReleasePending(const TComponent* component) const;
    size_t PendingCount() const { return queue_.size(); }

    // Runs due scheduler timers, then the posted calls and releases that
    // were waiting when it started. Returns true when it did anything.
    bool RunPendingWork();
    // Handles the waiting window messages, then the pending work.
    void ProcessMessages();
    // One round of the message loop: messages and work, or a wait for the
    // next message or timer.
    void HandleMessage();
    // The message loop, until Terminate. Errors that reach it go to
    // HandleException.
    void Run();

    // An error raised where it cannot travel up (inside a window
    // procedure) waits here; the pump raises it again after the messages,
    // so that it reaches the message loop like any other.
    void DeferError(std::exception_ptr error) {
        if (!deferred_) deferred_ = error;
    }
    void RethrowDeferred();

    // The application-wide error handler.
    std::function<void(TComponent* sender, const std::exception& error)> OnException;
    // Passes the error to OnException; false when none is installed.
    bool HandleException(TComponent* sender, const std::exception& error);

    // Shows a topic of the help file.
    bool HelpContext(int context);
    bool HelpCommand(uint32_t command, uint32_t data);

    void Minimize();

    // Called after something was queued; the native layer wakes its pump.
    std::function<void()> OnPost;

    // Back to the state at start (tests).
    void Reset();

private:
    struct Pending {
        std::function<void()> call;
        TComponent* release = nullptr;
    };

    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::deque<Pending> queue_;
    std::exception_ptr deferred_;
};

TApplication& Application();

}  // namespace widgets
