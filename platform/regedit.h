// REGEDIT4 text, the format that regedit.exe of Windows 9x exports and
// imports: a "REGEDIT4" line, then "[HKEY_...\Path]" sections with value
// lines "name"="text" (backslash and quote escaped), @= for the default
// value, dword:0000001f, hex:01,00 for REG_BINARY and hex(n): for the
// other types (hex(2): REG_EXPAND_SZ, hex(7): REG_MULTI_SZ, with their
// NULs). Long hex data may go on in the next line after a backslash.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform {

// Adds the keys and values of the text to the registry ("[-key]" deletes a
// key, "name"=- a value). False when the text is not REGEDIT4 or a line
// cannot be read; what came before the faulty line stays applied.
bool ImportRegedit(Registry& registry, const std::string& text);

// The keys below the roots, each with its values, in the registry's order
// of enumeration; hex data on one line, lines ending CR LF. A root itself
// gets a section only when it holds values.
std::string ExportRegedit(Registry& registry, const std::vector<RootKey>& roots);

// "HKEY_LOCAL_MACHINE" and so on.
const char* RootKeyName(RootKey root);

}  // namespace platform
