// TRunningProcs: the number of running processes, counted by a ToolHelp
// snapshot every 100 ms while Running.
#pragma once

#include <vector>

#include "platform/machine.h"
#include "widgets/component.h"
#include "widgets/timer.h"

namespace sysinfo {

class TRunningProcs : public widgets::TComponent {
public:
    // The slots of one enumeration; the rest of a longer list is not read.
    static constexpr size_t kMaxProcesses = 100;

    explicit TRunningProcs(widgets::TComponent* owner);

    const char* ClassName() const override { return "TRunningProcs"; }

    bool Running() const { return running_; }
    void SetRunning(bool running);
    // 0 until the first tick after Running was set.
    int ProcessCount() const { return processCount_; }
    const std::vector<platform::ProcessEntry>& Processes() const { return processes_; }

    widgets::TNotifyEvent OnCreatedProcess;
    widgets::TNotifyEvent OnTerminatedProcess;

    // The timer's step: one enumeration.
    void Tick();
    const widgets::TTimer& Timer() const { return *timer_; }

private:
    bool running_ = false;
    int processCount_ = 0;
    std::vector<platform::ProcessEntry> processes_;
    widgets::TTimer* timer_ = nullptr;  // owned by the component
};

}  // namespace sysinfo
