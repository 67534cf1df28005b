#include "widgets/timer_scheduler.h"

#include <algorithm>

#include "platform/platform.h"

namespace widgets {

TimerScheduler& TimerScheduler::Global() {
    static TimerScheduler scheduler;
    return scheduler;
}

void TimerScheduler::SetTickSource(TickSource source) { source_ = std::move(source); }

uint32_t TimerScheduler::Now() const { return source_ ? source_() : platform::Get().system().TickCount(); }

int TimerScheduler::Add(uint32_t interval, std::function<void()> fire) {
    const int id = nextId_++;
    if (nextId_ <= 0) nextId_ = 1;
    timers_.push_back(Entry{id, interval, Now(), std::move(fire), false});
    return id;
}

void TimerScheduler::Remove(int id) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [id](const Entry& e) { return e.id == id; }),
                  timers_.end());
}

bool TimerScheduler::Contains(int id) const {
    return std::any_of(timers_.begin(), timers_.end(), [id](const Entry& e) { return e.id == id; });
}

TimerScheduler::Entry* TimerScheduler::Find(int id) {
    for (Entry& e : timers_)
        if (e.id == id) return &e;
    return nullptr;
}

int TimerScheduler::RunDueTimers() {
    const uint32_t now = Now();
    // The due ones, most overdue first; handlers may add or remove timers.
    std::vector<std::pair<uint32_t, int>> due;
    for (const Entry& e : timers_) {
        const uint32_t elapsed = now - e.last;
        if (!e.running && elapsed >= e.interval) due.emplace_back(elapsed - e.interval, e.id);
    }
    std::stable_sort(due.begin(), due.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    int fired = 0;
    for (const auto& item : due) {
        Entry* entry = Find(item.second);
        if (!entry || entry->running) continue;
        entry->last = now;
        entry->running = true;
        const std::function<void()> fire = entry->fire;  // the entry may move meanwhile
        const int id = entry->id;
        try {
            fire();
        } catch (...) {
            if (Entry* again = Find(id)) again->running = false;
            throw;
        }
        if (Entry* again = Find(id)) again->running = false;
        ++fired;
    }
    return fired;
}

std::optional<uint32_t> TimerScheduler::NextDue() const {
    if (timers_.empty()) return std::nullopt;
    const uint32_t now = Now();
    uint32_t best = UINT32_MAX;
    for (const Entry& e : timers_) {
        const uint32_t elapsed = now - e.last;
        best = std::min(best, elapsed >= e.interval ? 0u : e.interval - elapsed);
    }
    return best;
}

void TimerScheduler::Clear() { timers_.clear(); }

}  // namespace widgets
