// The suite's outside modules: a DLL beside the program, bound by name when
// the user asks for one of its dialogs and released when the dialog is over.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

enum class ModuleCall {
    Done,          // the entry point ran and returned
    MissingFile,   // the DLL could not be loaded
    MissingEntry,  // the DLL does not export the entry point
};

class Modules {
public:
    virtual ~Modules() = default;
    // LoadLibraryA(path), then the entry point by its undecorated name,
    // called with the Windows API's convention and the owner window as its
    // one argument; waits for its return and frees the library again.
    virtual ModuleCall CallWithWindow(const std::string& path, const std::string& entry, uintptr_t ownerWindow) = 0;
};

}  // namespace platform
