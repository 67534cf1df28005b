// Registry entries that point at files that are gone: autostart entries of
// the Run keys whose program is missing, and "SharedDLLs" entries whose file
// is missing. The repair module lists them, and before it removes chosen
// ones it writes them as REGEDIT4 text, which brings them back.
#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"
#include "sysinfo/collectors/run_entry.h"

namespace sysinfo::collectors {

struct TOrphan {
    platform::RootKey root;
    std::string key;
    std::string name;
    platform::RegValue value;
    std::string file;    // what is missing, as far as it could be made out
    RunVerdict verdict;  // Missing, or Unjudged: never offered for removal
};

// The values of root\key whose command is not judged Present
// (JudgeRunCommand); a value that is no text cannot be judged.
std::vector<TOrphan> FindRunOrphans(platform::RootKey root, const std::string& key);

// The values of root\key (named by a file's full path) whose file is gone.
// Only a fixed disk is trusted to say so; any other name cannot be judged.
std::vector<TOrphan> FindSharedDllOrphans(platform::RootKey root, const std::string& key);

// REGEDIT4 text that puts the entries back as they were, one section per
// key, lines ending CR LF.
std::string RegeditBackup(const std::vector<const TOrphan*>& entries);

}  // namespace sysinfo::collectors
