// Judging the command line of an autostart entry (the Run and RunServices
// keys): does the program it starts still exist? The repair module offers
// only entries judged Missing for removal.
#pragma once

#include <string>

namespace sysinfo::collectors {

enum class RunVerdict {
    Present,   // the file the command needs was found
    Missing,   // a full path on a fixed disk that holds no such file
    Unjudged,  // cannot be told safely: no path and not found on the search
               // path, a drive that is not a fixed disk, an unknown
               // environment variable, an unclosed quote, an empty line
};

struct RunJudgement {
    RunVerdict verdict = RunVerdict::Unjudged;
    // The file the verdict is about: the program, or the DLL of a rundll32
    // line; as far as it could be made out.
    std::string file;
};

// Reads the command as Windows starts it: environment variables expanded,
// a quoted program name, an unquoted one with blanks tried from the
// shortest prefix on, 8.3 names, ".exe" (".com", ".bat", ".pif") added to a
// name without extension, rundll32 and rundll lines judged by their DLL, and
// a name without path looked up in the Windows and system folders, the PATH
// and the "App Paths" of the registry.
RunJudgement JudgeRunCommand(const std::string& command);

}  // namespace sysinfo::collectors
