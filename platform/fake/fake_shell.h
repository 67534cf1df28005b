// The shell, recorded instead of carried out: every document or address
// that the program opens is kept for the tests to look at.
#pragma once

#include <string>
#include <vector>

#include "platform/fake/fake_files.h"
#include "platform/shell.h"

namespace platform::fake {

class FakeShell : public Shell {
public:
    explicit FakeShell(FakeFiles& files) : files_(files) {}

    // A document on a drive opens when it exists, as the real shell's
    // does; anything else (a web address) opens.
    bool ShellOpen(const std::string& target) override;
    // Every request is kept; it starts when its file is a bare program
    // name (found on the path, as "rundll32.exe" is) or exists.
    bool Execute(const ShellExecuteRequest& request) override;

    // ------------------------------------------------ settings for tests

    const std::vector<std::string>& Opens() const { return opens_; }
    const std::vector<ShellExecuteRequest>& Launches() const { return launches_; }

private:
    FakeFiles& files_;
    std::vector<std::string> opens_;
    std::vector<ShellExecuteRequest> launches_;
};

}  // namespace platform::fake
