#include "widgets/help_system.h"

#include "widgets/headless_help.h"

namespace widgets {

namespace {
HelpSystem* g_help = nullptr;
}

HelpSystem& Help() { return g_help ? *g_help : HeadlessHelpRecorder(); }

void InstallHelpSystem(HelpSystem* help) { g_help = help; }

}  // namespace widgets
