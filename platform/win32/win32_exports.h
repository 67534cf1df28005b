// Exports of a loaded module, found by walking its export directory.
//
// Windows 9x refuses GetProcAddress by ordinal for kernel32, and NT's
// kernel32 lacks the 16-bit services: reaching them through the import
// table would make the loader refuse the program before it could say
// anything. Forwarded exports ("module.name", "module.#ordinal") are
// followed.
#pragma once

#include <cstdint>

#include "platform/win32/win32_api.h"

namespace platform::win32 {

// The address of the export, or null when the module has none by that name.
void* FindExport(HMODULE module, const char* name);
// The address of the export with that ordinal, or null.
void* FindExportOrdinal(HMODULE module, uint32_t ordinal);

}  // namespace platform::win32
