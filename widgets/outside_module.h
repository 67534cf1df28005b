// Calling a dialog of one of the suite's outside modules, the DLLs beside
// the program.
#pragma once

#include <string>

namespace widgets {

// The text shown when a module or its entry point is missing.
std::string MissingModuleText(const std::string& file);

// Binds file in the program folder, calls entry with the main window as its
// owner and waits for it. Meanwhile the main window is disabled, so nothing
// of the program can be clicked while the handler that called is still
// running (a page button would free the page it belongs to). A missing
// module or entry point gives a note and the program goes on. True when the
// entry point ran.
bool RunOutsideModule(const std::string& file, const std::string& entry);

}  // namespace widgets
