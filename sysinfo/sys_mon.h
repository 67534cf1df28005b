// TSysMon: counters of the Windows 9x kernel's performance statistics,
// which the system publishes as values under HKEY_DYN_DATA "PerfStats".
//
// Reading a counter's value under StartStat starts its collection, the
// value under StatData is its current reading (4 bytes), reading it under
// StopStat stops it. Where a system has no such statistics the platform's
// registry publishes the counters the program uses itself.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "widgets/component.h"

namespace sysinfo {

class TSysMon;

class TMonObject {
public:
    explicit TMonObject(TSysMon* monitor) : monitor_(monitor) {}
    ~TMonObject();  // stops a started counter
    TMonObject(const TMonObject&) = delete;
    TMonObject& operator=(const TMonObject&) = delete;

    std::string SysObject;
    std::string Counter;
    bool Differentiate = false;
    bool Started = false;
    int32_t LastData = 0;
    uint32_t LastTick = 0;

    void Start();
    void Stop();
    // The reading, or its change per second when Differentiate; -1 when the
    // counter cannot be read.
    int GetValue();
    bool ReadDifferentiate();

private:
    std::string ValueName() const { return SysObject + "\\" + Counter; }
    bool Named() const { return !SysObject.empty() && !Counter.empty(); }
    // Opens a key of the monitor's machine, or of this one when there is no
    // machine or it cannot be reached.
    std::unique_ptr<platform::RegKey> Open(platform::RootKey root, const std::string& path) const;
    // Size query, then the read (whose result does not matter).
    bool Touch(const std::string& path);

    TSysMon* monitor_;
};

class TMonCollection {
public:
    explicit TMonCollection(TSysMon* owner) : owner_(owner) {}
    TSysMon* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TMonObject& Add();
    // Raises EInvalidOperation outside 0 .. Count - 1.
    TMonObject& Items(int index);
    void Clear() { items_.clear(); }

private:
    TSysMon* owner_;
    std::vector<std::unique_ptr<TMonObject>> items_;
};

class TSysMon : public widgets::TComponent {
public:
    explicit TSysMon(widgets::TComponent* owner) : widgets::TComponent(owner) {}
    ~TSysMon() override { Monitors.Clear(); }

    const char* ClassName() const override { return "TSysMon"; }

    TMonCollection Monitors{this};
    std::string Machine;
};

}  // namespace sysinfo
