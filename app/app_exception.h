// What the application error handler shows for an error that reached the
// message loop.
#pragma once

#include <exception>
#include <string>

namespace app {

struct ErrorMessage {
    std::string text;
    std::string caption;
};

// The message box for an error: fixed texts for running out of resources
// and for an invalid operation, otherwise the error's own message. title is
// the application title, the caption of the general case.
ErrorMessage AppExceptionMessage(const std::exception& error, const std::string& title);

// A message as the error box shows it: a full stop is added when the last
// character sorts after the full stop.
std::string WithFullStop(const std::string& message);

}  // namespace app
