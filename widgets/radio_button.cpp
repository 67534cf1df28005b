#include "widgets/radio_button.h"

namespace widgets {

void TRadioButton::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (Peer()) Peer()->SetChecked(checked);
    Invalidate();
    if (!checked) return;
    if (TWinControl* parent = Parent()) {
        const std::vector<TControl*> siblings = parent->Children();
        for (TControl* sibling : siblings)
            if (TRadioButton* radio = dynamic_cast<TRadioButton*>(sibling); radio && radio != this)
                radio->SetChecked(false);
    }
    Click();
}

void TRadioButton::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    PeerChanged(PeerProperty::Alignment);
}

}  // namespace widgets
