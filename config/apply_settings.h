// Writing the temp config back to the system when the program closes, and
// the offer to restart Windows.
#pragma once

#include <functional>
#include <string>

namespace config {

enum class QuestionButtons { YesNo, YesNoCancel };
enum class Answer { Yes, No, Cancel };

// A question to the user. Both questions of closing carry the caption
// "Hinweis" and the exclamation icon.
struct Question {
    std::string text;
    std::string caption;
    QuestionButtons buttons;
};
using AskFunction = std::function<Answer(const Question&)>;

inline constexpr const char* kOptionsKey = "Software\\Halvorn\\Quellwerk";
inline constexpr const char* kApplyQuestion = "Sollen die veränderten Einstellungen übernommen werden?";
inline constexpr const char* kRebootQuestion =
    "Das System muß neu gestartet werden, um alle Änderungen zu übernehmen. \r\rSoll Quellwerk dies für Sie "
    "übernehmen?";

// The close query of the main window: asks about applying when a setting
// was changed, applies on Yes, and offers the restart. False when the user
// cancelled and the window stays open. Errors of applying and of reading
// the exit option are raised to the caller.
bool CloseQuery(bool settingsChanged, const std::string& programFolder, const AskFunction& ask);

// Writes every managed setting from the temp config back to its store,
// changed or not. An error ends applying and is raised; what was written
// before it stays written.
void SetChangedSettings(const std::string& programFolder);

// Offers to restart Windows according to the exit option and the restart
// flag that the suite's outside modules may set.
void CheckReboot(const AskFunction& ask);

}  // namespace config
