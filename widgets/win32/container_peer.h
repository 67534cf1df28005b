// The peer of a window that holds other controls (a panel, group box,
// page container, notebook page, tab sheet; forms build on it). It paints
// its background and the children without windows of their own off
// screen, and passes the mouse to the child beneath it.
#pragma once

#include "widgets/win32/window_peer.h"

namespace widgets::win32 {

class ContainerPeer : public WindowPeer {
public:
    // Makes a child window of the control's parent.
    ContainerPeer(TControl& control, FontCache& fonts);

protected:
    // For forms, which make their window themselves.
    struct Deferred {};
    ContainerPeer(TControl& control, FontCache& fonts, Deferred) : WindowPeer(control, fonts) {}

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Frames and captions of panels and group boxes, after the background.
    virtual void PaintDecoration(HDC dc);

private:
    void Paint();
    // The child without a window at the point, or the control itself.
    TControl* TargetAt(int x, int y) const;
    bool StillThere(const TControl* control) const;
    void Hover(TControl* target);
    void MouseButton(TMouseButton button, bool down, int x, int y);

    TControl* hovered_ = nullptr;
    TControl* pressed_ = nullptr;
    bool polling_ = false;
};

}  // namespace widgets::win32
