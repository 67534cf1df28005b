#include "widgets/win32/track_bar_peer.h"

#include "widgets/track_bar.h"

namespace widgets::win32 {

namespace {
TTrackBar& Bar(TControl& control) { return dynamic_cast<TTrackBar&>(control); }
}  // namespace

TrackBarPeer::TrackBarPeer(TControl& control, FontCache& fonts) : WindowPeer(control, fonts) {
    Create(TRACKBAR_CLASSA, Style(), 0, ParentHandle(control), control.BoundsRect());
    ShowRange();
}

DWORD TrackBarPeer::Style() const {
    const TTrackBar& bar = dynamic_cast<const TTrackBar&>(control_);
    DWORD style = WS_CHILD | WS_TABSTOP | (bar.Orientation() == trVertical ? TBS_VERT : TBS_HORZ);
    if (bar.TickStyle() == tsNone)
        style |= TBS_NOTICKS;
    else if (bar.TickStyle() == tsAuto)
        style |= TBS_AUTOTICKS;
    if (bar.TickMarks() == tmBoth)
        style |= TBS_BOTH;
    else if (bar.TickMarks() == tmTopLeft)
        style |= TBS_TOP;
    return style;
}

void TrackBarPeer::ShowRange() {
    TTrackBar& bar = Bar(control_);
    SendMessageA(window_, TBM_SETRANGEMIN, FALSE, bar.Min());
    SendMessageA(window_, TBM_SETRANGEMAX, FALSE, bar.Max());
    SendMessageA(window_, TBM_SETTICFREQ, static_cast<WPARAM>(bar.Frequency()), 0);
    SendMessageA(window_, TBM_SETPOS, TRUE, bar.Position());
}

void TrackBarPeer::Changed(PeerProperty property) {
    switch (property) {
        case PeerProperty::Range:
        case PeerProperty::Position:
            ShowRange();
            break;
        case PeerProperty::Style: {
            const DWORD keep = GetWindowLongA(window_, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED);
            SetWindowLongA(window_, GWL_STYLE, static_cast<LONG>(Style() | keep));
            ShowRange();
            Invalidate();
            break;
        }
        default:
            WindowPeer::Changed(property);
            break;
    }
}

void TrackBarPeer::OnScroll(WORD) {
    Bar(control_).SetPosition(static_cast<int>(SendMessageA(window_, TBM_GETPOS, 0, 0)));
}

}  // namespace widgets::win32
