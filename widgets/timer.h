// A window-message timer: OnTimer every Interval milliseconds while
// Enabled. With a peer factory it is a native timer; headless it runs on
// the pump's scheduler (TimerScheduler::Global()).
#pragma once

#include <cstdint>
#include <memory>

#include "widgets/component.h"
#include "widgets/timer_peer.h"

namespace widgets {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    const char* ClassName() const override { return "TTimer"; }

    bool Enabled() const { return enabled_; }
    // Switching on starts a full interval from now.
    void SetEnabled(bool enabled);
    uint32_t Interval() const { return interval_; }
    // A new interval starts counting from now; 0 stops the timer.
    void SetInterval(uint32_t interval);

    // The timer's step, as the message brings it; fires OnTimer.
    void Timer();

    TNotifyEvent OnTimer;

protected:
    void BeforeDestruction() override;

private:
    void Update();
    void Stop();

    bool enabled_ = true;
    uint32_t interval_ = 1000;
    int scheduled_ = 0;  // id in the scheduler, 0 when not scheduled
    std::unique_ptr<TimerPeer> peer_;
};

}  // namespace widgets
