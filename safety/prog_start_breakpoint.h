// The start-up breakpoint: at every n-th start a cabinet of the system's
// configuration files in the folder "brkpoint" beside the program, in a set
// of numbered archives from the oldest (1) to the newest (TTLProgStart).
// The splash window runs it (TFrmSplash::CreateProgStartBreakPoint).
//
// A failed breakpoint never costs a good archive: the new cabinet is written
// under a temporary name first and is taken into the set only when it holds
// at least one file and was written to its end; only then does the set
// shift. The start counter is saved before anything else is touched; when
// it cannot be saved, no breakpoint is taken at this start.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "config/big_ini_file.h"
#include "safety/make_cab.h"

namespace safety {

// Windows ME, by the version and, for minor versions 10 to 89, by the
// version of kernel32.dll; only there does a breakpoint hold classes.dat.
bool IsWindowsMe();

// "Quellwerk Programmstart (k).cab"
std::string BreakpointArchiveName(int number);

// A file that belongs in a drive's root: the first fixed drive from A: to Z:
// that holds it; else the first of the current folder, the Windows folder,
// the system folder and the folders of PATH (when it fits into 260
// characters) that does. Empty when the file is nowhere.
std::string FindBootFile(const std::string& name);

// The short (8.3) path of an existing file; empty when it does not exist or
// has no short path.
std::string ToShortPath(const std::string& path);

// The files of one breakpoint, in order, each as its short path.
std::vector<std::string> BreakpointFiles(config::TBigIniFile& cfg);

// Runs the breakpoint step with the splash window's cabinet writer;
// showProgress makes the gauge and its frame visible.
void CreateProgStartBreakPoint(TMakeCab& makeCab, const std::function<void()>& showProgress);

}  // namespace safety
