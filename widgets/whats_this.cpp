#include "widgets/whats_this.h"

#include "widgets/application.h"
#include "widgets/control.h"
#include "widgets/dialog_host.h"
#include "widgets/form.h"
#include "widgets/help_system.h"

namespace widgets {

TWhatsThis::TWhatsThis(TComponent* owner) : TComponent(owner), form_(dynamic_cast<TForm*>(owner)) {
    if (form_) form_->AddInputFilter(this);
}

TWhatsThis::~TWhatsThis() {
    if (form_) form_->RemoveInputFilter(this);
}

void TWhatsThis::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == form_) form_ = nullptr;
}

int TWhatsThis::ContextOf(const TControl* control) {
    for (const TControl* c = control; c; c = c->Parent())
        if (c->HelpContext() != 0) return c->HelpContext();
    return 0;
}

std::string TWhatsThis::EffectiveHelpFile() const { return helpFile_.empty() ? Application().HelpFile : helpFile_; }

bool TWhatsThis::ShowTopicOf(const TControl* control) {
    const int context = ContextOf(control);
    if (context == 0) return false;
    Help().ShowHelp(EffectiveHelpFile(), kHelpContextPopup, static_cast<uint32_t>(context));
    return true;
}

bool TWhatsThis::ShowFocusedTopic() {
    if (!form_) return false;
    TControl* focused = form_->ActiveControl();
    return ShowTopicOf(focused ? focused : form_);
}

bool TWhatsThis::FilterInput(TControl& target, const InputEvent& event) {
    switch (event.kind) {
        case InputEvent::MouseDown:
            if (!mode_) return false;
            if (event.button != mbLeft) {
                mode_ = false;  // any other button leaves the mode
                return true;
            }
            mode_ = false;
            ShowTopicOf(&target);
            return true;  // the click shows help instead of acting
        case InputEvent::MouseUp:
            return false;
        case InputEvent::KeyDown:
            if (event.key == kVkEscape && mode_) {
                mode_ = false;
                return true;
            }
            if (event.key != kVkF1) return false;
            return ShowTopicOf(&target);
        case InputEvent::ContextMenu: {
            if (ContextOf(&target) == 0) return false;
            const TPoint at = target.ClientToScreen(TPoint{event.x, event.y});
            if (Dialogs().TrackPopupMenu({kMenuText}, at) == 0) ShowTopicOf(&target);
            return true;
        }
    }
    return false;
}

}  // namespace widgets
