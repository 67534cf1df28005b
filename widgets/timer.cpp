#include "widgets/timer.h"

#include "widgets/peer_factory.h"
#include "widgets/timer_scheduler.h"

namespace widgets {

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    if (PeerFactory* factory = Peers()) peer_ = factory->CreateTimerPeer(*this);
    Update();
}

TTimer::~TTimer() { Stop(); }

void TTimer::BeforeDestruction() {
    Stop();
    TComponent::BeforeDestruction();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Update();
}

void TTimer::SetInterval(uint32_t interval) {
    if (interval == interval_) return;
    interval_ = interval;
    Update();
}

void TTimer::Timer() {
    if (!enabled_ || interval_ == 0 || !OnTimer) return;
    // A copy: the handler may free the timer with its form.
    const TNotifyEvent handler = OnTimer;
    handler(this);
}

void TTimer::Update() {
    const bool run = enabled_ && interval_ != 0 && !IsDestroying();
    if (peer_) {
        peer_->Restart(run, run ? interval_ : 0);
        return;
    }
    if (scheduled_) {
        TimerScheduler::Global().Remove(scheduled_);
        scheduled_ = 0;
    }
    if (run) scheduled_ = TimerScheduler::Global().Add(interval_, [this] { Timer(); });
}

void TTimer::Stop() {
    if (peer_) peer_->Restart(false, 0);
    peer_.reset();
    if (scheduled_) TimerScheduler::Global().Remove(scheduled_);
    scheduled_ = 0;
}

}  // namespace widgets
