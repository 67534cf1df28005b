#include "platform/fake/fake_shell.h"

namespace platform::fake {

namespace {

bool OnDrive(const std::string& target) { return target.size() >= 3 && target[1] == ':' && target[2] == '\\'; }

}  // namespace

bool FakeShell::ShellOpen(const std::string& target) {
    opens_.push_back(target);
    return !OnDrive(target) || files_.Exists(target);
}

bool FakeShell::Execute(const ShellExecuteRequest& request) {
    executes_.push_back(request);
    return !OnDrive(request.file) || files_.Exists(request.file);
}

}  // namespace platform::fake
