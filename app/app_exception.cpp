#include "app/app_exception.h"

#include "widgets/errors.h"

namespace app {

std::string WithFullStop(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.')) {
        return message + ".";
    }
    return message;
}

ErrorMessage AppExceptionMessage(const std::exception& error, const std::string& title) {
    if (dynamic_cast<const widgets::EOutOfResources*>(&error)) {
        return {
            "Fehler 532: Bitte schließen Sie alle laufenden Anwendungen, um mehr Resourcen zu erhalten, und\r"
            "versuchen Sie die Operation nochmal.",
            "Fehler"};
    }
    if (dynamic_cast<const widgets::EInvalidOperation*>(&error)) {
        return {"Fehler 441: Bitte schließen Sie alle laufenden Anwendungen und versuchen Sie die\rOperation nochmal.",
                "Fehler beim Öffnen"};
    }
    return {WithFullStop(error.what()), title};
}

}  // namespace app
