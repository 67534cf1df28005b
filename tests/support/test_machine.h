// The machine a test runs on: the fake platform on Linux, the real one under
// Wine. Each test gets a fresh scratch folder; tests address every file by
// its Windows path, so the same test source runs on both.
#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/platform.h"

namespace platform::fake {
class FakePlatform;
}

namespace testing_support {

class TestMachine {
public:
    TestMachine();   // installs the platform and makes the scratch folder
    ~TestMachine();  // removes the scratch folder and what is in it

    TestMachine(const TestMachine&) = delete;
    TestMachine& operator=(const TestMachine&) = delete;

    bool IsFake() const;
    platform::Platform& P() const { return platform::Get(); }
    // The fake platform, to set versions and drive types or to inspect
    // recorded calls; null on the real platform (see QW_FAKE_ONLY).
    platform::fake::FakePlatform* Fake() const;

    // The scratch folder, a Windows path with a trailing backslash,
    // for example "C:\QWTEST\T0001\". Empty at the start of each test.
    const std::string& Dir() const { return dir_; }
    std::string Path(const std::string& name) const { return dir_ + name; }

    // A scratch registry key below HKEY_CURRENT_USER, for example
    // "Software\QWTEST\T0001". Missing at the start of each test, deleted
    // with its subkeys at the end.
    const std::string& RegPath() const { return regPath_; }

    // Shorthands over the platform's files, failing the test on error.
    void Put(const std::string& path, const std::string& bytes) const;
    std::string Get(const std::string& path) const;

private:
    struct State;
    std::unique_ptr<State> state_;
    std::string dir_;
    std::string regPath_;
};

// Skips a test that needs the fake platform when it runs under Wine.
#define QW_FAKE_ONLY(machine)  \
    if ((machine).IsFake()) { \
    } else                     \
        GTEST_SKIP() << "needs the fake platform"

// A fixture with one machine per test.
class MachineTest : public ::testing::Test {
protected:
    TestMachine machine;
};

}  // namespace testing_support
