// What's-this help for every control of a form and of the pages inside it.
//
// Right-clicking a control that has a help topic offers a one-item menu
// "Was ist das?" that shows the topic; F1 shows the topic of the focused
// control; in what's-this mode (switched on by a button) the next click on
// a control shows its topic instead of acting. A control without a help
// context of its own takes that of the nearest parent that has one; with
// none at all, nothing is offered or shown.
#pragma once

#include <string>

#include "widgets/component.h"
#include "widgets/input_filter.h"

namespace widgets {

class TControl;
class TForm;

class TWhatsThis : public TComponent, public InputFilter {
public:
    static constexpr const char* kMenuText = "Was ist das?";

    // Watches the input of the owner form.
    explicit TWhatsThis(TComponent* owner);
    ~TWhatsThis() override;

    const char* ClassName() const override { return "TWhatsThis"; }

    // The help file; empty means the application's.
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& file) { helpFile_ = file; }

    // The help context that stands for the control, 0 for none.
    static int ContextOf(const TControl* control);

    // Shows the control's topic as a what's-this pop-up; false when it has
    // no topic.
    bool ShowTopicOf(const TControl* control);
    // F1: the topic of the control that has the focus in the form.
    bool ShowFocusedTopic();

    void EnterMode() { mode_ = true; }
    void CancelMode() { mode_ = false; }
    bool InMode() const { return mode_; }

    bool FilterInput(TControl& target, const InputEvent& event) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::string EffectiveHelpFile() const;

    TForm* form_ = nullptr;
    std::string helpFile_;
    bool mode_ = false;
};

}  // namespace widgets
