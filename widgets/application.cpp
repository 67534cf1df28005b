#include "widgets/application.h"

#include <algorithm>

#include "platform/platform.h"
#include "widgets/component.h"
#include "widgets/form.h"
#include "widgets/help_system.h"
#include "widgets/timer_scheduler.h"

namespace widgets {

TApplication& Application() {
    static TApplication application;
    return application;
}

void TApplication::Post(std::function<void()> call) {
    queue_.push_back(Pending{std::move(call), nullptr});
    if (OnPost) OnPost();
}

void TApplication::ScheduleRelease(TComponent* component) {
    if (!component || ReleasePending(component)) return;
    queue_.push_back(Pending{nullptr, component});
    if (OnPost) OnPost();
}

void TApplication::CancelRelease(TComponent* component) {
    queue_.erase(
        std::remove_if(queue_.begin(), queue_.end(), [component](const Pending& p) { return p.release == component; }),
        queue_.end());
}

bool TApplication::ReleasePending(const TComponent* component) const {
    return std::any_of(queue_.begin(), queue_.end(), [component](const Pending& p) { return p.release == component; });
}

bool TApplication::RunPendingWork() {
    bool did = TimerScheduler::Global().Count() != 0 && TimerScheduler::Global().RunDueTimers() > 0;
    // Only what waited at the start: work queued meanwhile waits for the
    // next round, as a message posted while handling one does.
    for (size_t n = queue_.size(); n > 0 && !queue_.empty(); --n) {
        Pending item = std::move(queue_.front());
        queue_.pop_front();
        did = true;
        if (item.release)
            TComponent::Free(item.release);
        else if (item.call)
            item.call();
    }
    return did;
}

void TApplication::RethrowDeferred() {
    if (!deferred_) return;
    std::exception_ptr error = deferred_;
    deferred_ = nullptr;
    std::rethrow_exception(error);
}

void TApplication::ProcessMessages() {
    platform::Get().system().ProcessMessages();
    RethrowDeferred();
    RunPendingWork();
}

void TApplication::HandleMessage() {
    platform::System& system = platform::Get().system();
    system.ProcessMessages();
    RethrowDeferred();
    if (RunPendingWork() || terminated_) return;
    uint32_t wait = 100;
    if (const auto due = TimerScheduler::Global().NextDue()) wait = std::min(wait, *due);
    if (wait) system.WaitForMessage(wait);
}

void TApplication::Run() {
    while (!terminated_) {
        try {
            HandleMessage();
        } catch (const std::exception& error) {
            if (!HandleException(nullptr, error)) throw;
        }
    }
}

bool TApplication::HandleException(TComponent* sender, const std::exception& error) {
    if (!OnException) return false;
    OnException(sender, error);
    return true;
}

bool TApplication::HelpContext(int context) {
    return Help().ShowHelp(HelpFile, kHelpContext, static_cast<uint32_t>(context));
}

bool TApplication::HelpCommand(uint32_t command, uint32_t data) { return Help().ShowHelp(HelpFile, command, data); }

void TApplication::Minimize() {
    if (mainForm_) mainForm_->SetWindowState(wsMinimized);
}

void TApplication::Reset() {
    Title.clear();
    HelpFile.clear();
    mainForm_ = nullptr;
    terminated_ = false;
    queue_.clear();
    deferred_ = nullptr;
    OnException = nullptr;
    OnPost = nullptr;
}

}  // namespace widgets
