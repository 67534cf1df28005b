#include "widgets/win32/win32_timer_peer.h"

#include <map>

namespace widgets::win32 {

namespace {

std::map<UINT_PTR, TTimer*>& Timers() {
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}

UINT_PTR g_nextId = 1;

}  // namespace

Win32TimerPeer::Win32TimerPeer(TTimer& timer, HWND window) : timer_(timer), window_(window), id_(g_nextId++) {
    Timers()[id_] = &timer_;
}

Win32TimerPeer::~Win32TimerPeer() {
    KillTimer(window_, id_);
    Timers().erase(id_);
}

void Win32TimerPeer::Restart(bool enabled, uint32_t interval) {
    KillTimer(window_, id_);
    if (enabled && interval) SetTimer(window_, id_, interval, nullptr);
}

void Win32TimerPeer::Fire(UINT_PTR id) {
    const auto it = Timers().find(id);
    if (it != Timers().end()) it->second->Timer();
}

}  // namespace widgets::win32
