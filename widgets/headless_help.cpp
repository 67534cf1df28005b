#include "widgets/headless_help.h"

namespace widgets {

bool HeadlessHelp::ShowHelp(const std::string& file, uint32_t command, uint32_t data) {
    calls_.push_back(HelpCall{file, command, data});
    return true;
}

HeadlessHelp& HeadlessHelpRecorder() {
    static HeadlessHelp recorder;
    return recorder;
}

}  // namespace widgets
