// The test machine on Linux: a fresh fake platform over a fresh host folder
// for every test.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/fake/fake_platform.h"
#include "tests/support/test_machine.h"

namespace testing_support {

struct TestMachine::State {
    std::filesystem::path hostRoot;
    std::unique_ptr<platform::fake::FakePlatform> fake;
};

namespace {

int g_machines = 0;

std::filesystem::path MakeHostRoot() {
    std::error_code ec;
    std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec) base = "/tmp";
    std::string pattern = (base / "qwfake-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return std::filesystem::path();
    return pattern;
}

}  // namespace

TestMachine::TestMachine() : state_(std::make_unique<State>()) {
    state_->hostRoot = MakeHostRoot();
    state_->fake = std::make_unique<platform::fake::FakePlatform>(state_->hostRoot);
    platform::Install(state_->fake.get());

    char name[16];
    std::snprintf(name, sizeof name, "T%04d", ++g_machines);
    dir_ = std::string("C:\\QWTEST\\") + name + "\\";
    regPath_ = std::string("Software\\QWTEST\\") + name;
    EXPECT_TRUE(state_->fake->files().MakeDirectories(dir_)) << "cannot make " << dir_;
}

TestMachine::~TestMachine() {
    platform::Install(nullptr);
    state_->fake.reset();
    std::error_code ec;
    if (!state_->hostRoot.empty()) std::filesystem::remove_all(state_->hostRoot, ec);
}

bool TestMachine::IsFake() const { return true; }

platform::fake::FakePlatform* TestMachine::Fake() const { return state_->fake.get(); }

}  // namespace testing_support
