// The shell: documents and web addresses opened the way Explorer opens
// them.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The parameters of ShellExecuteA.
struct ShellExecuteRequest {
    uintptr_t parent = 0;  // hwnd: the window that owns what the shell shows; 0 for none
    std::string verb = "open";
    std::string file;  // a document, a program or a web address
    std::string parameters;
    std::string directory;
    int show = 1;  // nShowCmd, SW_SHOWNORMAL

    bool operator==(const ShellExecuteRequest& o) const {
        return parent == o.parent && verb == o.verb && file == o.file && parameters == o.parameters &&
               directory == o.directory && show == o.show;
    }
};

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecuteA with the verb "open", shown normally: a document or a
    // web address. False when the shell could not open it.
    virtual bool ShellOpen(const std::string& target) = 0;
    // ShellExecuteA with every parameter. False when it returns 32 or less.
    virtual bool Execute(const ShellExecuteRequest& request) = 0;
};

}  // namespace platform
