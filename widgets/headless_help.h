// The help system without a screen: it records what was asked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "widgets/help_system.h"

namespace widgets {

struct HelpCall {
    std::string file;
    uint32_t command = 0;
    uint32_t data = 0;
    bool operator==(const HelpCall& o) const { return file == o.file && command == o.command && data == o.data; }
};

class HeadlessHelp : public HelpSystem {
public:
    bool ShowHelp(const std::string& file, uint32_t command, uint32_t data) override;
    const std::vector<HelpCall>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }

private:
    std::vector<HelpCall> calls_;
};

// The recorder that Help() uses when no other help system is installed.
HeadlessHelp& HeadlessHelpRecorder();

}  // namespace widgets
