// The cost of the system information page: one refresh of all its boxes
// (with and without the processor clock measurement, which busy-waits on
// purpose) and one process-enumeration tick. Natively on the fake platform,
// under Wine on the real one. Run natively under valgrind with a large
// count to see that memory stays flat (bench/sysinfo.sh does both).
//
// Usage: bench_sysinfo [REFRESHES]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/platform.h"
#include "sysinfo/collectors/cpu_clock.h"
#include "sysinfo/collectors/network.h"
#include "sysinfo/collectors/operating_system.h"
#include "sysinfo/collectors/sys_resources.h"
#include "sysinfo/collectors/workstation.h"
#include "sysinfo/wnd_sysinfo.h"
#include "widgets/form.h"

#ifdef _WIN32
#include "platform/win32/win32_platform.h"
#else
#include <stdlib.h>

#include <filesystem>

#include "platform/fake/fake_platform.h"
#endif

namespace {

double Millis(std::chrono::steady_clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

template <class Step>
double MeanMillis(int rounds, Step step) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) step();
    return Millis(std::chrono::steady_clock::now() - start) / rounds;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
#ifdef _WIN32
    platform::win32::InstallWin32Platform();
#else
    char pattern[] = "/tmp/qwbench-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    platform::fake::FakePlatform fake{std::filesystem::path(pattern)};
    platform::Install(&fake);
#endif
    {
        widgets::Owned<sysinfo::TFrm_SysInfos> page(widgets::CreateForm<sysinfo::TFrm_SysInfos>(nullptr));
        page->Show();
        page->RunningProcs1->Tick();
        page->Timer1Timer(nullptr);  // warm: the first refresh loads what Windows loads once

        const double refresh = MeanMillis(rounds, [&] {
            page->Timer1Timer(nullptr);
#ifndef _WIN32
            // The fake records every call; the page itself keeps nothing.
            fake.machine().ClearCalls();
            fake.net().ClearCalls();
            fake.registry().openLog.clear();
#endif
        });
        const double clock = MeanMillis(rounds, [&] {
            sysinfo::collectors::TCpuClock result;
            sysinfo::collectors::MeasureCpuClock(result);
#ifndef _WIN32
            fake.machine().ClearCalls();
#endif
        });
        const double tick = MeanMillis(rounds, [&] { page->RunningProcs1->Tick(); });
        std::printf("page refresh: %.3f ms with the clock measurement, %.3f ms without (clock %.3f ms)\n", refresh,
                    refresh > clock ? refresh - clock : 0.0, clock);
        std::printf("process tick: %.3f ms (%d processes)\n", tick, page->RunningProcs1->ProcessCount());
        // Where a refresh's time goes, source by source.
        platform::Platform& p = platform::Get();
        const int parts = rounds / 10 + 1;
        sysinfo::collectors::TNetwork network;
        sysinfo::collectors::TOperatingSystem os;
        sysinfo::collectors::TWorkstation station;
        std::printf("  threads counter %.3f ms, VMs counter %.3f ms, memory %.3f ms, screen %.3f ms\n",
                    MeanMillis(parts, [&] { page->SysMon1->Monitors.Items(1).GetValue(); }),
                    MeanMillis(parts, [&] { page->SysMon1->Monitors.Items(2).GetValue(); }),
                    MeanMillis(parts, [&] { p.machine().GlobalMemoryStatus(); }),
                    MeanMillis(parts, [&] { p.machine().Screen(); }));
        std::printf("  resources %.3f ms, system %.3f ms, machine %.3f ms, network %.3f ms (host %.3f ms)\n",
                    MeanMillis(parts, [] { sysinfo::collectors::GetSysResources(0); }),
                    MeanMillis(parts, [&] { os.Refresh(); }), MeanMillis(parts, [&] { station.Refresh(); }),
                    MeanMillis(parts, [&] { network.Refresh(); }),
                    MeanMillis(parts, [&] { p.net().HostAddresses(); }));
        std::printf("  separators %.3f ms, start text %.3f ms, label %.3f ms\n",
                    MeanMillis(parts, [&] { p.machine().Separators(); }),
                    MeanMillis(parts, [&] { sysinfo::TFrm_SysInfos::DateTimeText(station.LastBoot); }),
                    MeanMillis(parts, [&] { page->Label29->SetCaption("1,00 MB"); }));
        std::printf("over %d rounds; last: %s, %s, %s\n", rounds, page->Label29->Caption().c_str(),
                    page->Label14->Caption().c_str(), page->Label5->Caption().c_str());
    }
#ifndef _WIN32
    std::filesystem::remove_all(pattern);
#endif
    return 0;
}
