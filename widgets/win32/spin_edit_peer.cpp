#include "widgets/win32/spin_edit_peer.h"

#include "widgets/spin_edit.h"

namespace widgets::win32 {

namespace {
// The up-down sits in the middle of a range that it never leaves, so that
// both arrows always report a press.
constexpr int kRangeEnd = 100;
constexpr int kMiddle = 50;
constexpr int kArrowsWidth = 15;
}  // namespace

SpinEditPeer::SpinEditPeer(TControl& control, FontCache& fonts) : EditPeer(control, fonts) {
    // The field must not paint over its arrows.
    SetWindowLongA(window_, GWL_STYLE, GetWindowLongA(window_, GWL_STYLE) | WS_CLIPCHILDREN);
    arrows_ = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, kArrowsWidth, 10, window_, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (!arrows_) return;  // the field still works with the keys
    SendMessageA(arrows_, UDM_SETRANGE, 0, MAKELPARAM(kRangeEnd, 0));
    SendMessageA(arrows_, UDM_SETPOS, 0, MAKELPARAM(kMiddle, 0));
    // One step per report, however long the arrow is held.
    UDACCEL steady = {0, 1};
    SendMessageA(arrows_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&steady));
    if (!control.Enabled()) EnableWindow(arrows_, FALSE);
    PlaceArrows();
}

void SpinEditPeer::PlaceArrows() {
    if (!arrows_) return;
    RECT client = {};
    GetClientRect(window_, &client);
    MoveWindow(arrows_, client.right - kArrowsWidth, 0, kArrowsWidth, client.bottom, TRUE);
    SendMessageA(window_, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, kArrowsWidth + 1));
}

void SpinEditPeer::SetEnabled(bool enabled) {
    EditPeer::SetEnabled(enabled);
    if (arrows_) EnableWindow(arrows_, enabled ? TRUE : FALSE);
}

bool SpinEditPeer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_SIZE:
            result = CallDefault(message, wParam, lParam);
            PlaceArrows();
            return true;
        case WM_NOTIFY: {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            if (!header || header->hwndFrom != arrows_ || header->code != static_cast<UINT>(UDN_DELTAPOS)) break;
            const NMUPDOWN* press = reinterpret_cast<const NMUPDOWN*>(lParam);
            result = 1;  // the up-down keeps its middle position
            TSpinEdit& spin = dynamic_cast<TSpinEdit&>(control_);
            // As with the field's own spin buttons, the press brings the
            // focus to the field.
            if (GetFocus() != window_ && spin.CanFocus()) spin.SetFocus();
            if (press->iDelta > 0)
                spin.StepUp();
            else if (press->iDelta < 0)
                spin.StepDown();
            return true;
        }
        case WM_VSCROLL:
            if (reinterpret_cast<HWND>(lParam) == arrows_) {
                result = 0;
                return true;
            }
            break;
        default:
            break;
    }
    return EditPeer::OnMessage(message, wParam, lParam, result);
}

}  // namespace widgets::win32
