#include "widgets/radio_button.h"

namespace widgets {

namespace {
constexpr uint16_t kVkLeft = 0x25;
constexpr uint16_t kVkRight = 0x27;
}  // namespace

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

void TRadioButton::DoKeyDown(uint16_t& key) {
    TWinControl::DoKeyDown(key);
    const bool back = key == kVkUp || key == kVkLeft;
    if (!back && key != kVkDown && key != kVkRight) return;
    TWinControl* parent = Parent();
    if (!parent) return;
    std::vector<TRadioButton*> group;
    for (TControl* sibling : parent->Children())
        if (auto* radio = dynamic_cast<TRadioButton*>(sibling);
            radio && (radio == this || (radio->Enabled() && radio->Visible())))
            group.push_back(radio);
    if (group.size() < 2) return;
    size_t at = 0;
    while (group[at] != this) ++at;
    TRadioButton* next = group[(at + (back ? group.size() - 1 : 1)) % group.size()];
    key = 0;
    if (next->CanFocus()) next->SetFocus();
    next->SetChecked(true);
}

void TRadioButton::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    PeerChanged(PeerProperty::Alignment);
}

}  // namespace widgets
