// The program's start and end: the password gate, the platform check, the
// splash window with the main window's creation, the start-up breakpoint,
// and what is torn down at the end.
#pragma once

namespace app {

class THalvornQuellwerk;

// Runs the start sequence up to the message loop. Returns the main window,
// shown, or null when the program must end (no access, or Windows NT).
THalvornQuellwerk* StartProgram();

// Frees what the start made: the main window (which deletes the temp
// config), the product information form and the button template. Every
// step runs; the first error is raised after the last.
void EndProgram();

// StartProgram, the message loop, EndProgram. The exit code.
int RunProgram();

}  // namespace app
