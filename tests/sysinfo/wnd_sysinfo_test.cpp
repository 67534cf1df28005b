// The system information page: its boxes, the refresh in its order with the
// values of the fake machine, what a failure leaves, and the real values
// under Wine.
#include "sysinfo/wnd_sysinfo.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/fake/fake_platform.h"
#include "sysinfo/collectors/workstation.h"
#include "sysinfo/scope.h"
#include "tests/app/shell_fixture.h"
#include "tests/pages/pages_fixture.h"
#include "tests/support/sample_machine.h"

namespace sysinfo_test {
namespace {

using sysinfo::TFrm_SysInfos;

class SysInfoPageTest : public pages_test::PageTest {
protected:
    SysInfoPageTest() { testing_support::InstallSample98(machine); }

    // Made in the host's container, not yet shown.
    TFrm_SysInfos* Create() { return page = host->Container->CreateForm<TFrm_SysInfos>(); }
    TFrm_SysInfos* Show() {
        if (!page) Create();
        host->Container->ShowForm(page, true, nullptr);
        return page;
    }
    platform::fake::FakeMachine& FakeMachine() { return machine.Fake()->machine(); }

    TFrm_SysInfos* page = nullptr;
};

TEST_F(SysInfoPageTest, SevenBoxesWithTheirRowsAllUnbekanntUntilShown) {
    TFrm_SysInfos& p = *Create();
    EXPECT_EQ(p.ClientWidth(), 451);
    EXPECT_EQ(p.ClientHeight(), 400);
    struct BoxCase {
        const char* caption;
        int left, top, width, height;
    } boxes[] = {
        {"Systemkernel", 8, 6, 209, 130},     {"Netzwerk", 8, 141, 209, 55}, {"Grafik", 8, 200, 209, 55},
        {"Prozessor", 10, 260, 207, 133},     {"Arbeitsspeicher", 226, 6, 216, 130},
        {"System", 226, 141, 216, 114},       {"Laufwerk", 226, 260, 215, 133},
    };
    for (size_t i = 0; i < 7; ++i) {
        const widgets::TGroupBox& box = *p.GroupBoxes[i];
        EXPECT_EQ(box.Caption(), boxes[i].caption);
        EXPECT_EQ(std::vector<int>({box.Left(), box.Top(), box.Width(), box.Height()}),
                  std::vector<int>({boxes[i].left, boxes[i].top, boxes[i].width, boxes[i].height}))
            << boxes[i].caption;
    }
    struct RowCase {
        widgets::TLabel* value;
        int box;
        const char* caption;
    } rows[] = {
        {p.Label42, 0, "Virtuelle Maschienen:"}, {p.Label32, 0, "Threads:"},
        {p.Label22, 0, "Prozesse:"},             {p.Label224, 0, "Grafik-Resource:"},
        {p.Label26, 0, "System-Resource:"},      {p.Label33, 0, "User-Resource:"},
        {p.Label55, 1, "IP-Adresse:"},           {p.Label2, 1, "Mac-Adresse:"},
        {p.Label5, 2, "Auflösung:"},             {p.Label6, 2, "Farben:"},
        {p.Label29, 4, "Arbeitsspeicher:"},      {p.Label30, 4, "Verfügbar:"},
        {p.Label31, 4, "Auslagerungsdatei:"},    {p.Label35, 4, "Verfügbar:"},
        {p.Label44, 4, "Virtueller Speicher:"},  {p.Label48, 4, "Verfügbar:"},
        {p.Label9, 5, "Betriebssystem:"},        {p.Label10, 5, "Version:"},
        {p.Label13, 5, "Letzter Start:"},        {p.Label14, 5, "CPU-Frequenz:"},
        {p.Label20, 5, "BIOS-Hersteller:"},      {p.Label36, 6, "Insgesamt:"},
        {p.Label37, 6, "Freier Speicher:"},
    };
    for (const RowCase& r : rows) {
        ASSERT_NE(r.value, nullptr) << r.caption;
        EXPECT_EQ(r.value->Caption(), "unbekannt") << r.caption;
        EXPECT_EQ(r.value->Alignment(), widgets::taRightJustify) << r.caption;
        EXPECT_EQ(r.value->Parent(), p.GroupBoxes[static_cast<size_t>(r.box)]) << r.caption;
        // The caption is the label on the same row to the left.
        bool found = false;
        const widgets::TGroupBox& box = *p.GroupBoxes[static_cast<size_t>(r.box)];
        for (int i = 0; i < box.ControlCount(); ++i) {
            auto* label = dynamic_cast<widgets::TLabel*>(box.Controls(i));
            if (label && label != r.value && label->Top() == r.value->Top() && label->Caption() == r.caption) {
                found = label->Left() <= r.value->Left() && label->Left() + label->Width() < r.value->Left() + r.value->Width();
            }
        }
        EXPECT_TRUE(found) << r.caption;
    }
    EXPECT_EQ(p.Label20->Width(), 99);
    EXPECT_EQ(p.Label1->Caption(), "Auslastung: 0 %");
    EXPECT_EQ(p.Panel1->Color(), widgets::clBlack);
    EXPECT_EQ(std::vector<int>({p.Panel1->Left(), p.Panel1->Top(), p.Panel1->Width(), p.Panel1->Height()}),
              std::vector<int>({9, 16, 189, 97}));
    EXPECT_EQ(p.Image2->Width(), 187);
    EXPECT_EQ(p.Image2->Height(), 95);
    EXPECT_TRUE(p.Timer1->Enabled());
    EXPECT_EQ(p.Timer1->Interval(), 1500u);
    ASSERT_EQ(p.SysMon1->Monitors.Count(), 3);
    const char* counters[] = {"CPUUsage", "Threads", "VMs"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(p.SysMon1->Monitors.Items(i).SysObject, "KERNEL");
        EXPECT_EQ(p.SysMon1->Monitors.Items(i).Counter, counters[i]);
    }
    EXPECT_TRUE(p.Creating());
    EXPECT_FALSE(p.RunningProcs1->Running());
}

TEST_F(SysInfoPageTest, ShowingRefreshesEveryBoxWithTheMachinesValues) {
    QW_FAKE_ONLY(machine);
    TFrm_SysInfos& p = *Show();
    EXPECT_FALSE(p.Creating());
    EXPECT_TRUE(p.RunningProcs1->Running());
    struct Case {
        widgets::TLabel* label;
        const char* text;
    } cases[] = {
        {p.Label22, "0"},  // the processes are counted on the counter's own tick
        {p.Label32, "-1"}, {p.Label42, "-1"},  // the fake has no kernel statistics
        {p.Label5, "800 x 600"}, {p.Label6, "4,2 Mrd Farben (32-bit)"},
        {p.Label26, "85%"}, {p.Label224, "85%"}, {p.Label33, "85%"},
        {p.Label29, "64,00 MB"}, {p.Label30, "20,00 MB"}, {p.Label31, "128,00 MB"},
        {p.Label35, "100,00 MB"}, {p.Label44, "2,00 GB"}, {p.Label48, "1,95 GB"},
        {p.Label9, "Windows 98"}, {p.Label10, "4.10.2222"},
        // 09:41:36 less the fake's 1000 seconds since the start
        {p.Label13, "12.03.2001 09:24:56"}, {p.Label14, "450 MHz"},
        {p.Label20, "Award Modular BIOS v4.51PG"},
        {p.Label55, "192.168.0.5"}, {p.Label2, "00:50:56:c0:00:08"},
        {p.Label36, "2,00 GB"}, {p.Label37, "1,50 GB"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.label->Caption(), c.text) << c.label->Name();
    const auto& resources = FakeMachine().ResourceCalls();
    ASSERT_EQ(resources.size(), 3u);
    EXPECT_EQ(std::vector<int>({resources[0].kind, resources[1].kind, resources[2].kind}),
              std::vector<int>({0, 1, 2}));

    FakeMachine().SetProcessCount(37);
    p.RunningProcs1->Tick();
    p.Timer1Timer(nullptr);
    EXPECT_EQ(p.Label22->Caption(), "37");
}

TEST_F(SysInfoPageTest, AFailedResourceReadingSaysUnbekanntAndTheRefreshGoesOn) {
    QW_FAKE_ONLY(machine);
    FakeMachine().SetResources({platform::ResourceStatus::NoEntry, 0});
    TFrm_SysInfos& p = *Show();
    for (widgets::TLabel* label : {p.Label26, p.Label224, p.Label33}) EXPECT_EQ(label->Caption(), "unbekannt");
    EXPECT_EQ(p.Label29->Caption(), "64,00 MB");
    EXPECT_EQ(p.Label14->Caption(), "450 MHz");
    EXPECT_EQ(p.Label2->Caption(), "00:50:56:c0:00:08");
}

TEST_F(SysInfoPageTest, WhatCannotBeReadLeavesTheLabelsAsTheyWere) {
    QW_FAKE_ONLY(machine);
    FakeMachine().SetScreen({1024, 768, 15});
    machine.Fake()->net().SetHostAddresses({});
    machine.Fake()->net().SetEnum(0x38, {});
    FakeMachine().SetFrequency(std::nullopt);
    TFrm_SysInfos& p = *Show();
    EXPECT_EQ(p.Label5->Caption(), "1024 x 768");
    EXPECT_EQ(p.Label6->Caption(), "unbekannt");  // 15 bits are not in the table
    EXPECT_EQ(p.Label55->Caption(), "unbekannt");
    EXPECT_EQ(p.Label2->Caption(), "unbekannt");
    EXPECT_EQ(p.Label14->Caption(), "0 MHz");
}

TEST_F(SysInfoPageTest, TheDriveIsReadWhenShownAndWhenPickedNotWhileCreated) {
    QW_FAKE_ONLY(machine);
    TFrm_SysInfos& p = *Create();
    p.DriveComboBox1Change(nullptr);
    EXPECT_TRUE(FakeMachine().ErrorModes().empty());
    EXPECT_EQ(p.Label36->Caption(), "unbekannt");
    Show();
    EXPECT_EQ(p.DriveComboBox1->Drive(), 'C');
    EXPECT_EQ(p.Label36->Caption(), "2,00 GB");
    // English separators, read anew; then a drive without a medium.
    FakeMachine().SetSeparators({',', '.'});
    FakeMachine().SetDisk("C:\\", platform::DiskGeometry{64, 512, 100, 262144});
    p.DriveComboBox1Change(nullptr);
    EXPECT_EQ(p.Label36->Caption(), "8.00 GB");
    EXPECT_EQ(p.Label37->Caption(), "3.13 MB");
    FakeMachine().SetDisk("C:\\", std::nullopt);
    p.DriveComboBox1Change(nullptr);
    EXPECT_EQ(p.Label36->Caption(), "0.00 MB");
    EXPECT_EQ(p.Label37->Caption(), "0.00 MB");
}

TEST_F(SysInfoPageTest, TheStartTimeLeavesOutMidnight) {
    QW_FAKE_ONLY(machine);
    using sysinfo::collectors::DateTimeOf;
    EXPECT_EQ(TFrm_SysInfos::DateTimeText(DateTimeOf({2001, 3, 12, 0, 0, 0, 0})), "12.03.2001");
    EXPECT_EQ(TFrm_SysInfos::DateTimeText(DateTimeOf({2001, 3, 12, 0, 0, 1, 0})), "12.03.2001 00:00:01");
}

// Under Wine the page shows the machine it runs on.
TEST_F(SysInfoPageTest, ShowsTheRealMachine) {
    if (machine.IsFake()) GTEST_SKIP() << "the real values come from Wine";
    TFrm_SysInfos& p = *Show();
    const platform::ScreenMode screen = machine.P().machine().Screen();
    EXPECT_EQ(p.Label5->Caption(), std::to_string(screen.width) + " x " + std::to_string(screen.height));
    EXPECT_NE(p.Label6->Caption(), "unbekannt");
    for (widgets::TLabel* label : {p.Label29, p.Label30, p.Label31, p.Label35, p.Label44, p.Label48, p.Label36,
                                   p.Label37}) {
        const std::string text = label->Caption();
        EXPECT_TRUE(text.size() > 3 && (text.substr(text.size() - 3) == " MB" || text.substr(text.size() - 3) == " GB" ||
                                        text.substr(text.size() - 3) == " KB"))
            << label->Name() << ": " << text;
    }
    EXPECT_EQ(p.Label9->Caption(), "Windows 98");
    EXPECT_EQ(p.Label10->Caption(), "4.10.2222");
    EXPECT_NE(p.Label14->Caption(), "0 MHz");
    EXPECT_NE(p.Label13->Caption(), "unbekannt");
    EXPECT_NE(p.Label55->Caption(), "unbekannt");
    EXPECT_NE(p.Label32->Caption(), "-1");
    EXPECT_EQ(p.Label42->Caption(), "1");
    // Where the call gate loses the 16-bit result (32-bit Wine) the
    // resources are unknown, never a made-up 0 %.
    const bool readable = machine.P().machine().FreeSystemResources("user.exe", "GetFreeSystemResources", 0).status !=
                          platform::ResourceStatus::NoResult;
    for (widgets::TLabel* label : {p.Label26, p.Label224, p.Label33}) {
        const std::string text = label->Caption();
        ASSERT_FALSE(text.empty());
        if (readable) {
            EXPECT_EQ(text.back(), '%') << label->Name();
        } else {
            EXPECT_EQ(text, "unbekannt") << label->Name();
        }
    }
}

// The main window's third button shows the page, and its scope feeds it.
class SysInfoFeedTest : public app_test::ShellTest {};

TEST_F(SysInfoFeedTest, TheScopeWritesThePicturesAndTheLoadOfThePage) {
    app::THalvornQuellwerk* main = Start();
    ASSERT_NE(main, nullptr);
    main->PageButtons.at(2)->PerformClick();
    Pump();
    ASSERT_NE(main->Frm_SysInfos, nullptr);
    for (const char* path : {"PerfStats\\StartStat", "PerfStats\\StatData"}) {
        auto key = machine.P().registry().OpenKey(platform::RootKey::DynData, path, true);
        key->SetValue("KERNEL\\CPUUsage", platform::ValueType::Binary, platform::DwordData(42));
    }
    main->Scope1->ScrollStep();
    EXPECT_EQ(main->Frm_SysInfos->Label1->Caption(), "Auslastung 42 %");
    EXPECT_EQ(main->Frm_SysInfos->Image2->Picture().Width(), main->Scope1->BitMap().Width());
    EXPECT_FALSE(main->Frm_SysInfos->Creating());
    EXPECT_NE(main->Frm_SysInfos->Label29->Caption(), "unbekannt");
}

}  // namespace
}  // namespace sysinfo_test
