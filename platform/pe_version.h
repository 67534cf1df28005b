// A portable reader of the version resource of a PE file (an exe, dll or
// ocx): finds RT_VERSION in the resource section and walks the
// VS_VERSIONINFO tree as VerQueryValueA does. The fake platform reads
// files with it, and tests check built binaries with it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The raw VS_VERSIONINFO block of the first version resource (first name,
// first language); nothing for a file that is no PE or has none.
std::optional<std::string> ReadPeVersionResource(const std::string& file);

// The value at subBlock ("\", "\VarFileInfo\Translation",
// "\StringFileInfo\040704E4\FileVersion"), keys compared without regard to
// case. A text value comes as Windows-1252 with its terminating zero,
// binary values as they stand; nothing when the path leads nowhere.
std::optional<std::string> QueryPeVersionValue(const std::string& block, const std::string& subBlock);

}  // namespace platform
