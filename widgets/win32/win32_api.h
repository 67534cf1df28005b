// <windows.h> for the Win32 peers, without the macros that would rename
// the components' own names (ShowMessageBox's host method MessageBox, the
// platform's GetDriveType and so on).
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// Included explicitly: WIN32_LEAN_AND_MEAN leaves them out.
#include <commctrl.h>
#include <commdlg.h>

#undef MessageBox
#undef CopyFile
#undef MoveFile
#undef DeleteFile
#undef CreateDirectory
#undef RemoveDirectory
#undef GetDriveType
#undef ExitWindows
