#include "widgets/win32/edit_peer.h"

#include <vector>

#include "widgets/edit.h"

namespace widgets::win32 {

EditPeer::EditPeer(TControl& control, FontCache& fonts) : WindowPeer(control, fonts) {
    DWORD style = WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL;
    if (const TEdit* edit = dynamic_cast<const TEdit*>(&control); edit && edit->PasswordChar()) style |= ES_PASSWORD;
    Create("EDIT", style, WS_EX_CLIENTEDGE, ParentHandle(control), control.BoundsRect());
    ApplyOptions();
}

void EditPeer::ApplyOptions() {
    const TEdit* edit = dynamic_cast<const TEdit*>(&control_);
    if (!edit) return;
    SendMessageA(window_, EM_SETPASSWORDCHAR, static_cast<unsigned char>(edit->PasswordChar()), 0);
    SendMessageA(window_, EM_LIMITTEXT, static_cast<WPARAM>(edit->MaxLength()), 0);
    SendMessageA(window_, EM_SETREADONLY, edit->ReadOnly() ? TRUE : FALSE, 0);
}

void EditPeer::Changed(PeerProperty property) {
    switch (property) {
        case PeerProperty::PasswordChar:
        case PeerProperty::MaxLength:
        case PeerProperty::ReadOnly:
            ApplyOptions();
            Invalidate();
            break;
        default:
            WindowPeer::Changed(property);
            break;
    }
}

void EditPeer::OnCommand(WORD code) {
    if (code != EN_CHANGE || settingText_) return;
    const int length = GetWindowTextLengthA(window_);
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(window_, text.data(), length + 1);
    control_.SetText(text.data());
}

}  // namespace widgets::win32
