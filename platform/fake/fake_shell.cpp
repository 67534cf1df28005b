#include "platform/fake/fake_shell.h"

namespace platform::fake {

bool FakeShell::Starts(const std::string& target) const {
    const bool onDrive = target.size() >= 3 && target[1] == ':' && target[2] == '\\';
    return !onDrive || files_.Exists(target);
}

bool FakeShell::ShellOpen(const std::string& target) {
    opens_.push_back(target);
    return Starts(target);
}

bool FakeShell::Execute(const ShellExecuteRequest& request) {
    executes_.push_back(request);
    return Starts(request.file);
}

bool FakeShell::ExecuteEx(const ShellExecuteRequest& request) {
    launches_.push_back(request);
    return Starts(request.file);
}

bool FakeShell::CreateShellLink(const ShellLinkRequest& request) {
    links_.push_back(request);
    if (!files_.WriteFile(request.linkFile, "L\0\0\0")) return false;
    if (onLinkSaved_) onLinkSaved_(request);
    return true;
}

}  // namespace platform::fake
