#include "platform/win32/win32_modules.h"

#include <windows.h>

namespace platform::win32 {

namespace {
using OwnerEntry = void(WINAPI*)(HWND);
}

ModuleCall Win32Modules::CallWithWindow(const std::string& path, const std::string& entry, uintptr_t ownerWindow) {
    // A missing module is the program's own message, not a system box.
    const UINT mode = SetErrorMode(SEM_NOOPENFILEERRORBOX | SEM_FAILCRITICALERRORS);
    HMODULE module = LoadLibraryA(path.c_str());
    SetErrorMode(mode);
    if (!module) return ModuleCall::MissingFile;
    struct Free {
        HMODULE module;
        ~Free() { FreeLibrary(module); }
    } release{module};
    const auto call = reinterpret_cast<OwnerEntry>(reinterpret_cast<void*>(GetProcAddress(module, entry.c_str())));
    if (!call) return ModuleCall::MissingEntry;
    call(reinterpret_cast<HWND>(ownerWindow));
    return ModuleCall::Done;
}

}  // namespace platform::win32
