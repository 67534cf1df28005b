#include "sysinfo/sys_mon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/fake/fake_platform.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "tests/support/test_machine.h"
#include "widgets/component.h"
#include "widgets/errors.h"

namespace sysinfo_test {
namespace {

using platform::RootKey;
using sysinfo::TMonObject;
using sysinfo::TSysMon;
using testing_support::MachineTest;

const char kObject[] = "QWTEST";
const char kEnum[] = "System\\CurrentControlSet\\Control\\PerfStats\\Enum\\QWTEST";

// Counters of a test object under HKEY_DYN_DATA and their Enum entries;
// removed again, with the keys that the test had to create, at the end.
class SysMonTest : public MachineTest {
protected:
    SysMonTest() {
        // The published counters make the three keys open even where the
        // system lacks them, so their presence is read from PerfStats.
        std::vector<std::string> present;
        if (auto perf = machine.P().registry().OpenKey(RootKey::DynData, "PerfStats", false))
            present = perf->SubkeyNames();
        for (const char* name : {"StartStat", "StatData", "StopStat"}) {
            bool there = false;
            for (const std::string& p : present) there = there || platform::UpperCase(p) == platform::UpperCase(name);
            if (!there) created_.push_back(std::string("PerfStats\\") + name);
        }
    }
    ~SysMonTest() override {
        auto& reg = machine.P().registry();
        for (const char* path : {"PerfStats\\StartStat", "PerfStats\\StatData", "PerfStats\\StopStat"}) {
            if (auto key = reg.OpenKey(RootKey::DynData, path, false)) {
                for (const std::string& name : key->ValueNames())
                    if (name.rfind("QWTEST\\", 0) == 0) key->DeleteValue(name);
            }
        }
        for (const std::string& path : created_) reg.DeleteKey(RootKey::DynData, path);
        reg.DeleteKey(RootKey::LocalMachine, kEnum);
    }
    void Publish(const std::string& counter, int32_t value) {
        auto& reg = machine.P().registry();
        const std::string name = std::string(kObject) + "\\" + counter;
        const std::string data = platform::DwordData(static_cast<uint32_t>(value));
        for (const char* path : {"PerfStats\\StartStat", "PerfStats\\StatData", "PerfStats\\StopStat"}) {
            auto key = reg.OpenKey(RootKey::DynData, path, true);
            ASSERT_TRUE(key) << path;
            ASSERT_TRUE(key->SetValue(name, platform::ValueType::Binary, data));
        }
    }
    void SetDifferentiate(const std::string& counter, const std::string& text) {
        auto key = machine.P().registry().OpenKey(RootKey::LocalMachine, std::string(kEnum) + "\\" + counter, true);
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->SetValue("Differentiate", platform::ValueType::Sz, platform::SzData(text)));
    }
    TMonObject& Add(const std::string& counter) {
        TMonObject& item = monitor->Monitors.Add();
        item.SysObject = kObject;
        item.Counter = counter;
        return item;
    }
    bool Opened(const std::string& what) const {
        const auto& log = machine.Fake()->registry().openLog;
        return std::any_of(log.begin(), log.end(),
                           [&](const std::string& e) { return e.find(what) != std::string::npos; });
    }
    widgets::Owned<TSysMon> monitor = widgets::MakeOwned<TSysMon>();
    std::vector<std::string> created_;
};

TEST_F(SysMonTest, APlainCounterReadsItsValueAndLowerCaseTrueIsNoRate) {
    Publish("Plain", 37);
    SetDifferentiate("Plain", "true");
    TMonObject& item = Add("Plain");
    EXPECT_EQ(item.GetValue(), 37);
    EXPECT_TRUE(item.Started);
    EXPECT_FALSE(item.Differentiate);
    EXPECT_EQ(item.LastData, 37);
}

TEST_F(SysMonTest, WithoutANameOrStatisticsTheReadingIsMinusOne) {
    TMonObject& unnamed = Add("");
    EXPECT_EQ(unnamed.GetValue(), -1);
    EXPECT_FALSE(unnamed.ReadDifferentiate());
    TMonObject& missing = Add("Missing");
    EXPECT_EQ(missing.GetValue(), -1);
    EXPECT_FALSE(missing.Started);  // tried again at the next reading
    QW_FAKE_ONLY(machine);
    machine.Fake()->registry().openLog.clear();
    monitor.reset();
    EXPECT_FALSE(Opened("StopStat"));
}

TEST_F(SysMonTest, AnEmptyCounterTouchesNothing) {
    QW_FAKE_ONLY(machine);
    machine.Fake()->registry().openLog.clear();
    TMonObject& item = Add("");
    EXPECT_EQ(item.GetValue(), -1);
    item.Start();
    item.Stop();
    EXPECT_TRUE(machine.Fake()->registry().openLog.empty());
}

TEST_F(SysMonTest, OnlyAStartedCounterIsStoppedWhenDestroyed) {
    QW_FAKE_ONLY(machine);
    Publish("Plain", 5);
    machine.Fake()->registry().openLog.clear();
    Add("Plain");
    monitor.reset();
    EXPECT_FALSE(Opened("StopStat"));
    monitor = widgets::MakeOwned<TSysMon>();
    Add("Plain").GetValue();
    monitor.reset();
    EXPECT_TRUE(Opened("StopStat"));
}

TEST_F(SysMonTest, RatesPerSecond) {
    QW_FAKE_ONLY(machine);
    auto& system = machine.Fake()->system();
    SetDifferentiate("Rate", "TRUE");
    struct Case {
        int32_t lastData;
        uint32_t lastTick, now;
        int32_t data;
        int rate;
    } cases[] = {
        {0, 0, 1000000, 5000, 5},                           // the first reading: all since Windows started
        {1000, 0xFFFFFF00u, 0x100u, 1512, 1000},            // across the tick count's wrap
        {-2000000000, 1000, 5000, 2000000000, 1000000000},  // a change too big for 32 bits
        {100, 0x7FFFFF00u, 0x80000100u, 612, 1000},         // across the sign of the tick
    };
    for (const Case& c : cases) {
        Publish("Rate", c.data);
        TMonObject& item = Add("Rate");
        item.Start();
        ASSERT_TRUE(item.Differentiate);
        item.LastData = c.lastData;
        item.LastTick = c.lastTick;
        system.SetTickCount(c.now);
        EXPECT_EQ(item.GetValue(), c.rate) << c.data;
        EXPECT_EQ(item.LastTick, c.now);
    }
}

TEST_F(SysMonTest, AnIndexOutsideTheCollectionIsAnError) {
    Add("One");
    EXPECT_NO_THROW(monitor->Monitors.Items(0));
    EXPECT_THROW(monitor->Monitors.Items(1), widgets::EInvalidOperation);
    EXPECT_THROW(monitor->Monitors.Items(-1), widgets::EInvalidOperation);
}

TEST_F(SysMonTest, AnUnreachableMachineFallsBackToThisOne) {
    Publish("Plain", 12);
    monitor->Machine = "QWNOSUCHHOST";
    EXPECT_EQ(Add("Plain").GetValue(), 12);
}

// Where StartStat does not hold a counter the platform publishes it: the
// processor load, the threads and the virtual machines.
TEST_F(SysMonTest, TheKernelCountersAreAlwaysThere) {
    if (machine.IsFake()) GTEST_SKIP() << "the published counters come from the real system";
    TMonObject& cpu = monitor->Monitors.Add();
    cpu.SysObject = "KERNEL";
    cpu.Counter = "CPUUsage";
    TMonObject& threads = monitor->Monitors.Add();
    threads.SysObject = "KERNEL";
    threads.Counter = "Threads";
    TMonObject& vms = monitor->Monitors.Add();
    vms.SysObject = "KERNEL";
    vms.Counter = "VMs";
    for (int i = 0; i < 3; ++i) {
        const int load = cpu.GetValue();
        EXPECT_GE(load, 0);
        EXPECT_LE(load, 100);
    }
    EXPECT_TRUE(cpu.Started);
    EXPECT_GT(threads.GetValue(), 0);
    EXPECT_EQ(vms.GetValue(), 1);
}

}  // namespace
}  // namespace sysinfo_test
