// The shell through shell32.
#pragma once

#include "platform/shell.h"

namespace platform::win32 {

class Win32Shell : public Shell {
public:
    bool ShellOpen(const std::string& target) override;
    bool Execute(const ShellExecuteRequest& request) override;
    bool ExecuteEx(const ShellExecuteRequest& request) override;
    bool CreateShellLink(const ShellLinkRequest& request) override;
};

}  // namespace platform::win32
