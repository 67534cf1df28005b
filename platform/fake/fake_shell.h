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
    // The same rule for the file of a request.
    bool Execute(const ShellExecuteRequest& request) override;

    // ------------------------------------------------ settings for tests

    const std::vector<std::string>& Opens() const { return opens_; }
    const std::vector<ShellExecuteRequest>& Executes() const { return executes_; }

private:
    FakeFiles& files_;
    std::vector<std::string> opens_;
    std::vector<ShellExecuteRequest> executes_;
};

}  // namespace platform::fake
