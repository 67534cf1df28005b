// The native side of a control.
//
// Every control may hold a peer: the window (or drawing code) that shows it
// on the screen. Without a peer factory installed, controls have no peers
// and run headless; the component is the source of truth in both cases.
// A setter that changes a value tells the peer, which reads what it needs
// from the component; input that the peer receives goes back through the
// component's public operations (SetChecked, SetText, MouseDown, ...).
#pragma once

#include <cstdint>
#include <string>

#include "widgets/bitmap.h"
#include "widgets/types.h"

namespace widgets {

// What changed, for the properties without a call of their own. The peer
// reads the new value from its control.
enum class PeerProperty {
    Font,
    Color,
    Cursor,
    Hint,
    Items,  // list entries of a list or combo box
    ItemIndex,
    Range,     // minimum and maximum of a track bar, spin edit or gauge
    Position,  // position of a track bar, progress of a gauge
    Picture,
    ReadOnly,
    PasswordChar,
    MaxLength,
    Alignment,
    WordWrap,
    Style,   // any other look: border, bevel, transparency, shadow ...
    Region,  // the window outline of a form
    WindowState,
    Cells,  // text of a string grid
    ActivePage,
    Down,  // pressed look of a button
};

class ControlPeer {
public:
    virtual ~ControlPeer() = default;

    virtual void SetBounds(const TRect& bounds) = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetChecked(bool checked) = 0;
    virtual void Changed(PeerProperty property) = 0;
    virtual void Invalidate() = 0;
    // Paints the invalid parts now.
    virtual void Update() = 0;
    virtual void SetFocus() = 0;
    virtual void BringToFront() = 0;

    // A picture of what the control shows now (empty when it cannot).
    virtual TBitmap Capture() { return TBitmap(); }
    // Shows a finished picture in place of the control's own painting,
    // for one frame of a transition.
    virtual void PaintFrame(const TBitmap&) {}
    // The transition is over: the control's own painting shows again.
    virtual void EndFrames() {}
    // Forms: drag the window as if by its caption.
    virtual void BeginWindowMove() {}
    // The window handle, for the services that need a parent window (the
    // shell, a hosted control); 0 for a peer without a window of its own.
    virtual uintptr_t NativeHandle() const { return 0; }
};

}  // namespace widgets
