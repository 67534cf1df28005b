// <windows.h> for the code that calls Windows, without the macros that
// would rename the platform's own methods (CopyFile to CopyFileA and so on).
// Include this instead of <windows.h> wherever platform.h is in reach.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef CopyFile
#undef MoveFile
#undef DeleteFile
#undef CreateDirectory
#undef RemoveDirectory
#undef GetDriveType
#undef ExitWindows
#undef CharToOem
