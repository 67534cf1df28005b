#include "sysinfo/wnd_sysinfo.h"

#include <cmath>
#include <stdexcept>

#include "platform/platform.h"
#include "sysinfo/collectors/cpu_clock.h"
#include "sysinfo/collectors/sys_resources.h"
#include "sysinfo/size_texts.h"
#include "widgets/make_control.h"

namespace sysinfo {

using namespace widgets;

namespace {

constexpr char kUnknown[] = "unbekannt";

struct Box {
    const char* caption;
    int left, top, width, height;
};

const Box kBoxes[7] = {
    {"Systemkernel", 8, 6, 209, 130},     {"Netzwerk", 8, 141, 209, 55},  {"Grafik", 8, 200, 209, 55},
    {"Prozessor", 10, 260, 207, 133},     {"Arbeitsspeicher", 226, 6, 216, 130},
    {"System", 226, 141, 216, 114},       {"Laufwerk", 226, 260, 215, 133},
};

struct Row {
    int box;
    int top;
    const char* caption;
    const char* name;
    TLabel* TFrm_SysInfos::*field;
    int width;  // of the value label; 0: up to the caption
};

constexpr int kRowTop = 18, kRowStep = 17, kCaptionLeft = 10, kValueLeft = 100;

const Row kRows[] = {
    {0, kRowTop + 0 * kRowStep, "Virtuelle Maschienen:", "Label42", &TFrm_SysInfos::Label42, 0},
    {0, kRowTop + 1 * kRowStep, "Threads:", "Label32", &TFrm_SysInfos::Label32, 0},
    {0, kRowTop + 2 * kRowStep, "Prozesse:", "Label22", &TFrm_SysInfos::Label22, 0},
    {0, kRowTop + 3 * kRowStep, "Grafik-Resource:", "Label224", &TFrm_SysInfos::Label224, 0},
    {0, kRowTop + 4 * kRowStep, "System-Resource:", "Label26", &TFrm_SysInfos::Label26, 0},
    {0, kRowTop + 5 * kRowStep, "User-Resource:", "Label33", &TFrm_SysInfos::Label33, 0},
    {1, kRowTop + 0 * kRowStep, "IP-Adresse:", "Label55", &TFrm_SysInfos::Label55, 0},
    {1, kRowTop + 1 * kRowStep, "Mac-Adresse:", "Label2", &TFrm_SysInfos::Label2, 0},
    {2, kRowTop + 0 * kRowStep, "Auflösung:", "Label5", &TFrm_SysInfos::Label5, 0},
    {2, kRowTop + 1 * kRowStep, "Farben:", "Label6", &TFrm_SysInfos::Label6, 0},
    {4, kRowTop + 0 * kRowStep, "Arbeitsspeicher:", "Label29", &TFrm_SysInfos::Label29, 0},
    {4, kRowTop + 1 * kRowStep, "Verfügbar:", "Label30", &TFrm_SysInfos::Label30, 0},
    {4, kRowTop + 2 * kRowStep, "Auslagerungsdatei:", "Label31", &TFrm_SysInfos::Label31, 0},
    {4, kRowTop + 3 * kRowStep, "Verfügbar:", "Label35", &TFrm_SysInfos::Label35, 0},
    {4, kRowTop + 4 * kRowStep, "Virtueller Speicher:", "Label44", &TFrm_SysInfos::Label44, 0},
    {4, kRowTop + 5 * kRowStep, "Verfügbar:", "Label48", &TFrm_SysInfos::Label48, 0},
    {5, kRowTop + 0 * kRowStep, "Betriebssystem:", "Label9", &TFrm_SysInfos::Label9, 0},
    {5, kRowTop + 1 * kRowStep, "Version:", "Label10", &TFrm_SysInfos::Label10, 0},
    {5, kRowTop + 2 * kRowStep, "Letzter Start:", "Label13", &TFrm_SysInfos::Label13, 0},
    {5, kRowTop + 3 * kRowStep, "CPU-Frequenz:", "Label14", &TFrm_SysInfos::Label14, 0},
    {5, kRowTop + 4 * kRowStep, "BIOS-Hersteller:", "Label20", &TFrm_SysInfos::Label20, 99},
    {6, 52, "Insgesamt:", "Label36", &TFrm_SysInfos::Label36, 0},
    {6, 52 + kRowStep, "Freier Speicher:", "Label37", &TFrm_SysInfos::Label37, 0},
};

const char* const kCounters[3] = {"CPUUsage", "Threads", "VMs"};

std::string SizeFor(uint64_t bytes, const platform::NumberSeparators& s) {
    return SizeText(bytes, s.thousands, s.decimal);
}

std::string Percent(const collectors::TSysResources& r) {
    // The low byte, as the 16-bit result is shown; a failed reading says so
    // instead of ending the program.
    return r.percent ? std::to_string(*r.percent & 0xFF) + "%" : std::string(kUnknown);
}

}  // namespace

TFrm_SysInfos::TFrm_SysInfos(TComponent* owner) : TPageForm(owner, 451, 400) {
    for (size_t i = 0; i < GroupBoxes.size(); ++i) {
        const Box& b = kBoxes[i];
        GroupBoxes[i] = MakeControl<TGroupBox>(this, this, "FusedGroupBox" + std::to_string(i + 1), b.left, b.top,
                                               b.width, b.height);
        GroupBoxes[i]->SetCaption(b.caption);
    }
    int rowNumber = 0;
    for (const Row& r : kRows) {
        TGroupBox* box = GroupBoxes[static_cast<size_t>(r.box)];
        auto* caption = MakeControl<TLabel>(this, box, "RowCaption" + std::to_string(++rowNumber), kCaptionLeft,
                                            r.top, kValueLeft - kCaptionLeft, 13);
        caption->SetCaption(r.caption);
        // The value spans the row, so that a long value (an address, a size
        // in KB) reaches to the left over the caption's free room instead of
        // being cut; transparent, so that the caption stays readable.
        const int right = box->Width() - 8;
        const int left = r.width ? right - r.width : kCaptionLeft;
        auto* value = MakeControl<TLabel>(this, box, r.name, left, r.top, right - left, 13);
        value->SetAutoSize(false);
        value->SetBounds(left, r.top, right - left, 13);
        value->SetTransparent(true);
        value->SetAlignment(taRightJustify);
        value->SetCaption(kUnknown);
        this->*r.field = value;
    }

    TGroupBox* processor = GroupBoxes[3];
    Panel1 = MakeControl<TPanel>(this, processor, "Panel1", 9, 16, 189, 97);
    Panel1->SetColor(clBlack);
    Panel1->SetBevelOuter(bvLowered);
    Image2 = MakeControl<TImage>(this, Panel1, "Image2", 1, 1, 187, 95);
    Label1 = MakeControl<TLabel>(this, processor, "Label1", 9, 115, 189, 13);
    Label1->SetAutoSize(false);
    Label1->SetBounds(9, 115, 189, 13);
    Label1->SetAlignment(taCenter);
    Label1->SetCaption("Auslastung: 0 %");

    DriveComboBox1 = MakeControl<TDriveComboBox>(this, GroupBoxes[6], "DriveComboBox1", 16, 24, 184, 19);
    DriveComboBox1->OnChange = [this](TComponent* s) { DriveComboBox1Change(s); };

    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(1500);
    Timer1->OnTimer = [this](TComponent* s) { Timer1Timer(s); };
    SysMon1 = CreateComponent<TSysMon>(this);
    SysMon1->SetName("SysMon1");
    for (const char* counter : kCounters) {
        TMonObject& monitor = SysMon1->Monitors.Add();
        monitor.SysObject = "KERNEL";
        monitor.Counter = counter;
    }
    RunningProcs1 = CreateComponent<TRunningProcs>(this);
    RunningProcs1->SetName("RunningProcs1");

    OnCreate = [this](TComponent* s) { FormCreate(s); };
    OnShow = [this](TComponent* s) { FormShow(s); };
    OnDestroy = [this](TComponent* s) { FormDestroy(s); };
}

void TFrm_SysInfos::FormCreate(TComponent*) {
    creating_ = true;
    operatingSystem_ = std::make_unique<collectors::TOperatingSystem>();
    workstation_ = std::make_unique<collectors::TWorkstation>();
    network_ = std::make_unique<collectors::TNetwork>();
    disk_ = std::make_unique<collectors::TDisk>();
    DriveComboBox1->SetDrive('C');
}

void TFrm_SysInfos::FormShow(TComponent* sender) {
    creating_ = false;
    DriveComboBox1->SetDrive('C');
    DriveComboBox1Change(sender);
    Timer1Timer(sender);
}

void TFrm_SysInfos::FormDestroy(TComponent*) {
    disk_.reset();
    network_.reset();
    workstation_.reset();
    operatingSystem_.reset();
}

void TFrm_SysInfos::Timer1Timer(TComponent*) {
    platform::Machine& machine = platform::Get().machine();

    RunningProcs1->SetRunning(true);
    Label22->SetCaption(std::to_string(RunningProcs1->ProcessCount()));
    Label32->SetCaption(std::to_string(SysMon1->Monitors.Items(1).GetValue()));
    Label42->SetCaption(std::to_string(SysMon1->Monitors.Items(2).GetValue()));

    const platform::MemoryStatus memory = machine.GlobalMemoryStatus();
    const platform::ScreenMode screen = machine.Screen();
    Label5->SetCaption(std::to_string(screen.width) + " x " + std::to_string(screen.height));
    if (const auto colours = ColorDepthText(screen.bitsPerPixel)) Label6->SetCaption(*colours);

    Label26->SetCaption(Percent(collectors::GetSysResources(collectors::kSystemResources)));
    Label224->SetCaption(Percent(collectors::GetSysResources(collectors::kGdiResources)));
    Label33->SetCaption(Percent(collectors::GetSysResources(collectors::kUserResources)));

    const platform::NumberSeparators separators = machine.Separators();
    Label29->SetCaption(SizeFor(memory.totalPhys, separators));
    Label30->SetCaption(SizeFor(memory.availPhys, separators));
    Label44->SetCaption(SizeFor(memory.totalVirtual, separators));
    Label48->SetCaption(SizeFor(memory.availVirtual, separators));
    Label31->SetCaption(SizeFor(memory.totalPageFile, separators));
    Label35->SetCaption(SizeFor(memory.availPageFile, separators));

    operatingSystem_->Refresh();
    workstation_->Refresh();
    network_->Refresh();

    const std::string version = operatingSystem_->Version;
    Label9->SetCaption(version.empty() ? kUnknown : version);
    Label10->SetCaption(std::to_string(operatingSystem_->MajorVersion) + "." +
                        std::to_string(operatingSystem_->MinorVersion) + "." +
                        std::to_string(operatingSystem_->BuildNumber));

    collectors::TCpuClock clock;
    collectors::MeasureCpuClock(clock);
    Label14->SetCaption(std::to_string(clock.NormalizedMHz) + " MHz");

    Label20->SetCaption(workstation_->BIOSName);
    Label13->SetCaption(DateTimeText(workstation_->LastBoot));

    if (!network_->IPAddress.empty()) Label55->SetCaption(network_->IPAddress.front());
    if (!network_->MACAddress.empty()) Label2->SetCaption(network_->MACAddress.front());
}

void TFrm_SysInfos::DriveComboBox1Change(TComponent*) {
    if (creating_ || !disk_) return;
    try {
        disk_->SetDrive(std::string(1, DriveComboBox1->Drive()) + ":");
        const platform::NumberSeparators separators = platform::Get().machine().Separators();
        Label36->SetCaption(SizeFor(disk_->Capacity, separators));
        Label37->SetCaption(SizeFor(disk_->FreeSpace, separators));
    } catch (const std::exception&) {
        // A drive that cannot be read keeps the values the labels had.
    }
}

std::string TFrm_SysInfos::DateTimeText(collectors::TDateTime value) {
    platform::Machine& machine = platform::Get().machine();
    const platform::LocalTime t = collectors::LocalTimeOf(value);
    std::string text = machine.ShortDateText(t);
    if (value != std::floor(value)) text += " " + machine.LongTimeText(t);
    return text;
}

}  // namespace sysinfo
