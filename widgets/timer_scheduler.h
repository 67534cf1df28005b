// The timers of components that have no native timer: a list of intervals
// on a tick clock, fired by the message pump.
//
// Like WM_TIMER, a timer that is overdue by several intervals fires once,
// and counts its next interval from then.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace widgets {

class TimerScheduler {
public:
    using TickSource = std::function<uint32_t()>;

    // The scheduler the pump runs.
    static TimerScheduler& Global();

    // The clock: the platform's tick count unless a source is set (tests
    // set a virtual one). An empty source returns to the platform.
    void SetTickSource(TickSource source);
    uint32_t Now() const;

    // Starts a timer now; returns its id (never 0).
    int Add(uint32_t interval, std::function<void()> fire);
    void Remove(int id);
    bool Contains(int id) const;
    size_t Count() const { return timers_.size(); }

    // Fires every timer whose interval has passed, the earliest due first;
    // returns how many fired. A timer does not fire again while its own
    // handler runs.
    int RunDueTimers();
    // Milliseconds until the next timer is due (0 when one is overdue), or
    // nothing without timers.
    std::optional<uint32_t> NextDue() const;

    // Forgets all timers (between tests).
    void Clear();

private:
    struct Entry {
        int id;
        uint32_t interval;
        uint32_t last;
        std::function<void()> fire;
        bool running;
    };
    Entry* Find(int id);

    TickSource source_;
    std::vector<Entry> timers_;
    int nextId_ = 1;
};

}  // namespace widgets
