// Small helpers over the platform that several parts of the program share.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace platform {

// The folder of the program's executable, with a trailing backslash. All of
// the program's own files are addressed relative to it.
std::string ProgramFolder();

// The Windows release the program runs on. At most one is true at a time.
enum class WindowsRelease { None, Win95, Win95OSR2, Win98, Win98SE, WinME };

// Classifies a version record. kernel32 is the file version of
// "kernel32.dll", when it could be read: Windows ME reports the minor
// version of Windows 98 on some machines, and its kernel32 tells it apart.
WindowsRelease ClassifyRelease(const VersionRecord& version, const std::optional<FileVersion>& kernel32);

// The release of the running system, computed once.
WindowsRelease CurrentRelease();

// The first root "X:\" from A: to Z: whose drive is a fixed disk and holds
// the file, followed by the name; empty when no fixed drive holds it.
// Floppy, CD-ROM, network and RAM drives are never touched.
std::string FindOnFixedDrives(const std::string& name);

// Waits the given milliseconds while handling window messages, so that
// windows keep painting. Also ends when the tick counter wraps.
void Delay(uint32_t milliseconds);

}  // namespace platform
