// Version resources read from the files of the fake drives by the portable
// PE reader. A test may make a file's resource unreadable.
#pragma once

#include <set>
#include <string>

#include "platform/fake/fake_files.h"
#include "platform/version_info.h"

namespace platform::fake {

class FakeVersionInfo : public VersionInfo {
public:
    explicit FakeVersionInfo(FakeFiles& files) : files_(files) {}

    uint32_t FileVersionInfoSize(const std::string& path) override;
    std::optional<std::string> FileVersionInfo(const std::string& path, uint32_t size) override;
    std::optional<std::string> QueryValue(const std::string& block, const std::string& subBlock) override;

    // ------------------------------------------------ settings for tests

    // GetFileVersionInfoA fails for this file (compared without regard to
    // case) after its size was given.
    void FailInfo(const std::string& path);
    // Reading this file's resource raises, as a broken resource can make
    // version.dll fault.
    void RaiseOn(const std::string& path);

private:
    FakeFiles& files_;
    std::set<std::string> failing_;  // upper case
    std::set<std::string> raising_;  // upper case
};

}  // namespace platform::fake
