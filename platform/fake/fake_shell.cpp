#include "platform/fake/fake_shell.h"

namespace platform::fake {

bool FakeShell::ShellOpen(const std::string& target) {
    opens_.push_back(target);
    const bool onDrive = target.size() >= 3 && target[1] == ':' && target[2] == '\\';
    return !onDrive || files_.Exists(target);
}

bool FakeShell::Execute(const ShellExecuteRequest& request) {
    launches_.push_back(request);
    const bool bare = request.file.find_first_of(":\\") == std::string::npos;
    return bare || files_.Exists(request.file);
}

}  // namespace platform::fake
