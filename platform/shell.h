// The shell: documents, web addresses and programs started the way
// Explorer starts them.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

constexpr int kSwShowNormal = 1;  // SW_SHOWNORMAL

// What the shell is asked to start: the parameters of ShellExecuteA and
// the fields of SHELLEXECUTEINFOA that the program fills. An empty verb,
// parameter text or folder is passed as null.
struct ShellExecuteRequest {
    std::string verb;
    std::string file;  // a document, a program or a web address
    std::string parameters;
    std::string directory;
    int show = kSwShowNormal;
    uintptr_t ownerWindow = 0;  // HWND that owns what the shell shows, 0 for none
    // SEE_MASK_INVOKEIDLIST: the verb is one of the shell's own, such as
    // "properties" (ShellExecuteExA only).
    bool invokeIdList = false;

    bool operator==(const ShellExecuteRequest& o) const {
        return verb == o.verb && file == o.file && parameters == o.parameters && directory == o.directory &&
               show == o.show && ownerWindow == o.ownerWindow && invokeIdList == o.invokeIdList;
    }
};

constexpr int kSwShowMinNoActive = 7;  // SW_SHOWMINNOACTIVE
constexpr int kSwShowMaximized = 3;    // SW_SHOWMAXIMIZED

// A shell link as IShellLinkA takes it, set in this order; an empty text
// is set as it is, an empty icon file is not set.
struct ShellLinkRequest {
    std::string arguments;
    std::string description;
    uint16_t hotKey = 0;
    std::string iconFile;
    int iconIndex = 0;
    std::string target;
    int show = kSwShowNormal;
    std::string workingDirectory;
    std::string linkFile;  // where IPersistFile saves it
};

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecuteA with the verb "open", shown normally: a document or a
    // web address. False when the shell could not open it.
    virtual bool ShellOpen(const std::string& target) = 0;
    // ShellExecuteA with every parameter. False when it returns 32 or less.
    virtual bool Execute(const ShellExecuteRequest& request) = 0;
    // ShellExecuteExA, not waiting for the process it starts. False when
    // the shell could not start it.
    virtual bool ExecuteEx(const ShellExecuteRequest& request) = 0;
    // A shell link object (CLSID_ShellLink) through IShellLinkA, saved
    // through IPersistFile. False when any step fails.
    virtual bool CreateShellLink(const ShellLinkRequest& request) = 0;
};

}  // namespace platform
