#include "sysinfo/running_procs.h"

#include <algorithm>

#include "platform/platform.h"

namespace sysinfo {

using widgets::TComponent;

TRunningProcs::TRunningProcs(TComponent* owner) : TComponent(owner) {
    timer_ = new widgets::TTimer(this);
    timer_->SetEnabled(false);
    timer_->SetInterval(100);
    timer_->OnTimer = [this](TComponent*) { Tick(); };
    processes_.reserve(kMaxProcesses);
}

void TRunningProcs::SetRunning(bool running) {
    running_ = running;
    timer_->SetEnabled(running);
}

void TRunningProcs::Tick() {
    // A snapshot that cannot be taken counts no processes.
    auto entries = platform::Get().machine().Processes(kMaxProcesses);
    processes_.clear();
    if (entries) processes_.assign(entries->begin(), entries->begin() + std::min(entries->size(), kMaxProcesses));
    const int count = static_cast<int>(processes_.size());
    const int before = processCount_;
    processCount_ = count;
    if (count > before && OnCreatedProcess) OnCreatedProcess(this);
    if (count < before && OnTerminatedProcess) OnTerminatedProcess(this);
}

}  // namespace sysinfo
