// The system information page: the kernel's counts and free resources, the
// network address, the display mode, the processor load chart, memory, the
// operating system, the processor clock, the BIOS maker and one drive's size.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "sysinfo/collectors/disk.h"
#include "sysinfo/collectors/network.h"
#include "sysinfo/collectors/operating_system.h"
#include "sysinfo/collectors/workstation.h"
#include "sysinfo/running_procs.h"
#include "sysinfo/sys_mon.h"
#include "widgets/drive_combo_box.h"
#include "widgets/group_box.h"
#include "widgets/image.h"
#include "widgets/label.h"
#include "widgets/page_form.h"
#include "widgets/panel.h"
#include "widgets/timer.h"

namespace sysinfo {

class TFrm_SysInfos : public widgets::TPageForm {
public:
    explicit TFrm_SysInfos(widgets::TComponent* owner);
    const char* ClassName() const override { return "TFrm_SysInfos"; }

    // The boxes in the form's order: "Systemkernel", "Netzwerk", "Grafik",
    // "Prozessor", "Arbeitsspeicher", "System", "Laufwerk" (FusedGroupBox1
    // to FusedGroupBox7).
    std::array<widgets::TGroupBox*, 7> GroupBoxes{};
    // "Systemkernel"
    widgets::TLabel* Label42 = nullptr;   // virtual machines
    widgets::TLabel* Label32 = nullptr;   // threads
    widgets::TLabel* Label22 = nullptr;   // processes
    widgets::TLabel* Label224 = nullptr;  // GDI resources
    widgets::TLabel* Label26 = nullptr;   // system resources
    widgets::TLabel* Label33 = nullptr;   // USER resources
    // "Netzwerk"
    widgets::TLabel* Label55 = nullptr;  // IP address
    widgets::TLabel* Label2 = nullptr;   // adapter address
    // "Grafik"
    widgets::TLabel* Label5 = nullptr;  // resolution
    widgets::TLabel* Label6 = nullptr;  // colours
    // "Prozessor": the black panel with the load picture, and the load
    // label, both written by the main window's load feed.
    widgets::TPanel* Panel1 = nullptr;
    widgets::TImage* Image2 = nullptr;
    widgets::TLabel* Label1 = nullptr;
    // "Arbeitsspeicher"
    widgets::TLabel* Label29 = nullptr;  // physical memory
    widgets::TLabel* Label30 = nullptr;  // available
    widgets::TLabel* Label31 = nullptr;  // paging file
    widgets::TLabel* Label35 = nullptr;  // available
    widgets::TLabel* Label44 = nullptr;  // virtual memory
    widgets::TLabel* Label48 = nullptr;  // available
    // "System"
    widgets::TLabel* Label9 = nullptr;   // operating system
    widgets::TLabel* Label10 = nullptr;  // version numbers
    widgets::TLabel* Label13 = nullptr;  // last start
    widgets::TLabel* Label14 = nullptr;  // processor clock
    widgets::TLabel* Label20 = nullptr;  // BIOS maker
    // "Laufwerk"
    widgets::TDriveComboBox* DriveComboBox1 = nullptr;
    widgets::TLabel* Label36 = nullptr;  // capacity
    widgets::TLabel* Label37 = nullptr;  // free space

    widgets::TTimer* Timer1 = nullptr;
    // KERNEL\CPUUsage, KERNEL\Threads, KERNEL\VMs; the page reads only the
    // last two, so its load counter is never started.
    TSysMon* SysMon1 = nullptr;
    TRunningProcs* RunningProcs1 = nullptr;

    void FormCreate(widgets::TComponent* Sender);
    void FormShow(widgets::TComponent* Sender);
    void FormDestroy(widgets::TComponent* Sender);
    void Timer1Timer(widgets::TComponent* Sender);
    void DriveComboBox1Change(widgets::TComponent* Sender);

    bool Creating() const { return creating_; }

    // The "Letzter Start:" text: the user's short date, then the long time
    // unless the moment is exactly midnight.
    static std::string DateTimeText(collectors::TDateTime value);

private:
    bool creating_ = false;
    std::unique_ptr<collectors::TOperatingSystem> operatingSystem_;
    std::unique_ptr<collectors::TWorkstation> workstation_;
    std::unique_ptr<collectors::TNetwork> network_;
    std::unique_ptr<collectors::TDisk> disk_;
};

}  // namespace sysinfo
