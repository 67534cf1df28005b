#include "widgets/win32/combo_peer.h"

#include "widgets/combo_box.h"

namespace widgets::win32 {

namespace {
const TComboBox& Combo(const TControl& control) { return dynamic_cast<const TComboBox&>(control); }
}  // namespace

ComboPeer::ComboPeer(TControl& control, FontCache& fonts) : ComboPeer(control, fonts, 0) {}

ComboPeer::ComboPeer(TControl& control, FontCache& fonts, DWORD extraStyle) : WindowPeer(control, fonts) {
    const DWORD kind = Combo(control).Style() == csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
    Create("COMBOBOX", WS_CHILD | WS_TABSTOP | WS_VSCROLL | kind | extraStyle, 0, ParentHandle(control),
           control.BoundsRect());
    ComboPeer::FillItems();
}

TRect ComboPeer::WindowBounds(const TRect& bounds) const {
    // The window's height includes the open list.
    const int listHeight = Combo(control_).DropDownCount() * (Combo(control_).ItemHeight() + 2) + 4;
    return TRect{bounds.left, bounds.top, bounds.right, bounds.bottom + listHeight};
}

void ComboPeer::SetBounds(const TRect& bounds) {
    const TRect r = WindowBounds(bounds);
    MoveWindow(window_, r.left, r.top, r.Width(), r.Height(), TRUE);
}

void ComboPeer::FillItems() {
    SendMessageA(window_, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : Combo(control_).Items())
        SendMessageA(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    ShowSelection();
}

void ComboPeer::ShowSelection() {
    SendMessageA(window_, CB_SETCURSEL, static_cast<WPARAM>(Combo(control_).ItemIndex()), 0);
}

void ComboPeer::Changed(PeerProperty property) {
    switch (property) {
        case PeerProperty::Items:
            FillItems();
            break;
        case PeerProperty::ItemIndex:
            ShowSelection();
            break;
        default:
            WindowPeer::Changed(property);
            break;
    }
}

void ComboPeer::OnCommand(WORD code) {
    if (code != CBN_SELCHANGE) return;
    const LRESULT index = SendMessageA(window_, CB_GETCURSEL, 0, 0);
    dynamic_cast<TComboBox&>(control_).SetItemIndex(index == CB_ERR ? -1 : static_cast<int>(index));
}

}  // namespace widgets::win32
