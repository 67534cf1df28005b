// <windows.h> for the Win32 peers, without the macros that would rename
// the components' own names (the dialog host's MessageBox, and the
// platform's names that platform/win32/win32_api.h takes care of).
#pragma once

#include "platform/win32/win32_api.h"
// Included explicitly: WIN32_LEAN_AND_MEAN leaves them out.
#include <commctrl.h>
#include <commdlg.h>

#undef MessageBox
