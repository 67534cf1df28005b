// The shell: documents and web addresses opened the way Explorer opens
// them.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

constexpr int kSwShowNormal = 1;  // SW_SHOWNORMAL

// The fields of SHELLEXECUTEINFOA that the program fills. An empty verb,
// parameter text or folder is passed as null.
struct ShellExecuteRequest {
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int show = kSwShowNormal;
    uintptr_t ownerWindow = 0;  // HWND, 0 for none
};

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecuteA with the verb "open", shown normally: a document or a
    // web address. False when the shell could not open it.
    virtual bool ShellOpen(const std::string& target) = 0;
    // ShellExecuteExA without waiting for the process it starts. False
    // when the shell could not start it.
    virtual bool Execute(const ShellExecuteRequest& request) = 0;
};

}  // namespace platform
