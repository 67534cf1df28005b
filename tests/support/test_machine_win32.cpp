// The test machine under Wine: the real platform, a scratch folder of a
// unique name in the temp folder and a scratch registry key, both removed
// at the end of the test.
#include "platform/win32/win32_api.h"

#include <cstdio>
#include <string>

#include "platform/win32/win32_platform.h"
#include "tests/support/test_machine.h"

namespace testing_support {

struct TestMachine::State {};

namespace {

int g_machines = 0;

// Removes a folder and everything below it, read-only files included.
void RemoveTree(platform::FileSystem& files, const std::string& folder) {
    for (const auto& found : files.Find(folder + "*")) {
        if (found.name == "." || found.name == "..") continue;
        const std::string path = folder + found.name;
        files.SetAttributes(path, platform::attr::Normal);
        if (found.attributes & platform::attr::Directory) {
            RemoveTree(files, path + "\\");
        } else {
            files.DeleteFile(path);
        }
    }
    files.RemoveDirectory(folder.substr(0, folder.size() - 1));
}

}  // namespace

TestMachine::TestMachine() : state_(std::make_unique<State>()) {
    platform::win32::InstallWin32Platform();
    platform::FileSystem& files = P().files();
    char name[32];
    // Eight characters at most, so that the folder is its own short name.
    std::snprintf(name, sizeof name, "Q%04lX%03X", GetCurrentProcessId() & 0xFFFF, (++g_machines) & 0xFFF);
    dir_ = files.TempDirectory() + name + "\\";
    regPath_ = std::string("Software\\QWTEST\\") + name;
    if (files.Exists(dir_)) RemoveTree(files, dir_);
    EXPECT_TRUE(files.CreateDirectory(dir_.substr(0, dir_.size() - 1))) << "cannot make " << dir_;
    P().registry().DeleteKey(platform::RootKey::CurrentUser, regPath_);
}

TestMachine::~TestMachine() {
    RemoveTree(P().files(), dir_);
    platform::Registry& registry = P().registry();
    registry.DeleteKey(platform::RootKey::CurrentUser, regPath_);
    if (auto parent = registry.OpenKey(platform::RootKey::CurrentUser, "Software\\QWTEST", false)) {
        const bool empty = parent->SubkeyNames().empty() && parent->ValueNames().empty();
        parent.reset();
        if (empty) registry.DeleteKey(platform::RootKey::CurrentUser, "Software\\QWTEST");
    }
}

bool TestMachine::IsFake() const { return false; }

platform::fake::FakePlatform* TestMachine::Fake() const { return nullptr; }

}  // namespace testing_support
