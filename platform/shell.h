// The shell: documents and web addresses opened the way Explorer opens
// them.
#pragma once

#include <string>

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecuteA with the verb "open", shown normally: a document or a
    // web address. False when the shell could not open it.
    virtual bool ShellOpen(const std::string& target) = 0;
};

}  // namespace platform
