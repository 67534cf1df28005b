// The breakpoint manager's work, behind the window of "qw32brkpnt.dll": the
// archives of the breakpoint set, where each file in one of them belongs
// today, and the restore, which first saves what it replaces.
//
// The registry files (system.dat, user.dat, classes.dat) are in use while
// Windows runs and are written back by Windows at shutdown, so a copy over
// them would be lost: they are staged beside their targets and swapped in at
// the next start through the [rename] section of WININIT.INI.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace safety {

// "Quellwerk vor Wiederherstellung.cab": what a restore replaced.
extern const char kUndoArchiveName[];
// The target text of a file that has no place today.
extern const char kNotAssigned[];

struct BreakpointArchive {
    std::string path;
    std::string name;
    int number = 0;  // 0 for the undo archive
    uint64_t size = 0;
    uint16_t date = 0, time = 0;  // DOS, local; 0 when unknown
    int fileCount = -1;           // -1 when the archive cannot be read
};

// The archives in the folder brkpoint beside the program: the numbered
// ones from the oldest to the newest, then the undo archive.
std::vector<BreakpointArchive> ListBreakpointArchives();

struct RestoreItem {
    std::string stored;  // the name in the archive
    uint32_t size = 0;
    uint16_t date = 0, time = 0;
    std::string target;        // empty: not assigned, not restored
    bool atNextStart = false;  // a registry file, swapped in by WININIT.INI
};

// Where each file of an archive goes: the breakpoint's own files to where
// the breakpoint finds them now, the others to the entry of the Files
// section of today's qw32break.cfg with the same file name. Throws
// ECabReader for an archive that cannot be read.
std::vector<RestoreItem> PlanRestore(const std::string& archivePath);

struct RestoreFailure {
    std::string target;
    std::string reason;
};

struct RestoreResult {
    std::string refused;                 // why nothing at all was restored; empty otherwise
    std::vector<std::string> written;    // replaced now
    std::vector<std::string> staged;     // replaced at the next start
    std::vector<RestoreFailure> failed;  // not written, with the reason
    bool RestartNeeded() const { return !staged.empty(); }
};

// Unpacks the files of a cabinet, in the order of its entries. The
// manager's window sets the cabinet library's FDI here where it is
// present; every archive is also read by our own reader, which checks each
// block, and a restore goes ahead only when both give the same files.
using CabUnpacker = std::function<std::vector<std::string>(const std::string& cabinet)>;
void SetCabUnpacker(CabUnpacker unpacker);

// Restores every assigned file of the archive. The current files of all
// targets are first saved into the undo archive; when that cannot be
// written, nothing is restored. Each file is written beside its target and
// then swapped in, its attributes cleared for that and restored.
RestoreResult RestoreBreakpoint(const std::string& archivePath);

// The report of a restore in German, for the message box.
std::string RestoreReportText(const RestoreResult& result);

}  // namespace safety
