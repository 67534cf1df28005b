// The shell, recorded instead of carried out: every document, address or
// program that the program starts is kept for the tests to look at.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/fake/fake_files.h"
#include "platform/shell.h"

namespace platform::fake {

class FakeShell : public Shell {
public:
    explicit FakeShell(FakeFiles& files) : files_(files) {}

    // A document on a drive opens when it exists, as the real shell's
    // does; anything else (a web address, a program found on the path as
    // "rundll32.exe" is) opens. The same rule holds for every request.
    bool ShellOpen(const std::string& target) override;
    bool Execute(const ShellExecuteRequest& request) override;
    bool ExecuteEx(const ShellExecuteRequest& request) override;
    // Writes a small file at the link's place, as the shell does, when its
    // folder exists.
    bool CreateShellLink(const ShellLinkRequest& request) override;

    // ------------------------------------------------ settings for tests

    const std::vector<std::string>& Opens() const { return opens_; }
    // The requests of Execute (ShellExecuteA) and of ExecuteEx
    // (ShellExecuteExA), each in order.
    const std::vector<ShellExecuteRequest>& Executes() const { return executes_; }
    const std::vector<ShellExecuteRequest>& Launches() const { return launches_; }
    const std::vector<ShellLinkRequest>& Links() const { return links_; }
    // Runs after a link was saved, as the shell does something of its own
    // with it (Windows 9x makes a PIF file of a link to nothing).
    void OnLinkSaved(std::function<void(const ShellLinkRequest&)> action) { onLinkSaved_ = std::move(action); }

private:
    bool Starts(const std::string& target) const;

    FakeFiles& files_;
    std::vector<std::string> opens_;
    std::vector<ShellExecuteRequest> executes_;
    std::vector<ShellExecuteRequest> launches_;
    std::vector<ShellLinkRequest> links_;
    std::function<void(const ShellLinkRequest&)> onLinkSaved_;
};

}  // namespace platform::fake
