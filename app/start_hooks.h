// What the start sequence asks of the password protection and the
// start-up breakpoint. Until the password protection is part of the program,
// the gate answers "no password"; the breakpoint runs its own step unless a
// test puts one in its place.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace app {

class TFrmSplash;

struct TStartHooks {
    // True when password protection is set up.
    std::function<bool()> passUses;
    // Shows the password prompt; the text of its edit field, or nothing
    // when the user cancelled.
    std::function<std::optional<std::string>()> askPassword;
    // True when the text is the valid password.
    std::function<bool(const std::string&)> onlyReadWnd;
    // Takes the start-up breakpoint while the splash window stands.
    std::function<void(TFrmSplash&)> createProgStartBreakPoint;
};

TStartHooks& StartHooks();

}  // namespace app
