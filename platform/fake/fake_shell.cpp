#include "platform/fake/fake_shell.h"

namespace platform::fake {

bool FakeShell::ShellOpen(const std::string& target) {
    opens_.push_back(target);
    const bool onDrive = target.size() >= 3 && target[1] == ':' && target[2] == '\\';
    return !onDrive || files_.Exists(target);
}

}  // namespace platform::fake
