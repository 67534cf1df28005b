#include "widgets/win32/button_peer.h"

#include "widgets/button.h"
#include "widgets/check_box.h"
#include "widgets/radio_button.h"

namespace widgets::win32 {

ButtonPeer::ButtonPeer(TControl& control, FontCache& fonts) : WindowPeer(control, fonts) {
    Create("BUTTON", Style(), 0, ParentHandle(control), control.BoundsRect());
    ShowState();
}

DWORD ButtonPeer::Style() const {
    DWORD style = WS_CHILD | WS_TABSTOP;
    if (const TCheckBox* box = dynamic_cast<const TCheckBox*>(&control_)) {
        style |= box->AllowGrayed() ? BS_3STATE : BS_CHECKBOX;
        if (box->WordWrap()) style |= BS_MULTILINE;
        if (box->Alignment() == taLeftJustify) style |= BS_LEFTTEXT;
    } else if (const TRadioButton* radio = dynamic_cast<const TRadioButton*>(&control_)) {
        style |= BS_RADIOBUTTON;
        if (radio->Alignment() == taLeftJustify) style |= BS_LEFTTEXT;
    } else if (const TButton* button = dynamic_cast<const TButton*>(&control_)) {
        style |= button->Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    }
    return style;
}

void ButtonPeer::ShowState() {
    WPARAM state = BST_UNCHECKED;
    if (const TCheckBox* box = dynamic_cast<const TCheckBox*>(&control_))
        state = box->State() == cbChecked ? BST_CHECKED : box->State() == cbGrayed ? BST_INDETERMINATE : BST_UNCHECKED;
    else if (const TRadioButton* radio = dynamic_cast<const TRadioButton*>(&control_))
        state = radio->Checked() ? BST_CHECKED : BST_UNCHECKED;
    else
        return;
    SendMessageA(window_, BM_SETCHECK, state, 0);
}

void ButtonPeer::SetChecked(bool) { ShowState(); }

void ButtonPeer::Changed(PeerProperty property) {
    switch (property) {
        case PeerProperty::Style:
        case PeerProperty::Alignment:
        case PeerProperty::WordWrap: {
            const DWORD visible = GetWindowLongA(window_, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED);
            SendMessageA(window_, BM_SETSTYLE, Style() | visible, TRUE);
            break;
        }
        default:
            WindowPeer::Changed(property);
            break;
    }
}

void ButtonPeer::OnCommand(WORD code) {
    if (code != BN_CLICKED) return;
    control_.UserClick();
    // A read-only box or a refused change leaves the window as the
    // component says.
    ShowState();
}

}  // namespace widgets::win32
