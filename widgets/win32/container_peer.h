// The peer of a window that holds other controls (a panel, group box,
// page container, notebook page, tab sheet; forms build on it). It paints
// its background and the children without windows of their own off
// screen, and passes the mouse to the child beneath it.
#pragma once

#include "widgets/win32/dib.h"
#include "widgets/win32/window_peer.h"

namespace widgets::win32 {

class ContainerPeer : public WindowPeer {
public:
    // Makes a child window of the control's parent.
    ContainerPeer(TControl& control, FontCache& fonts);
    ~ContainerPeer() override;

    // What the window and its children show now, painted up to date.
    TBitmap Capture() override;
    // The frames of a transition go to a window of their own above the
    // children: the window itself clips them away, and its page covers it.
    void PaintFrame(const TBitmap& frame) override;
    void EndFrames() override;
    void Update() override;

protected:
    // For forms, which make their window themselves.
    struct Deferred {};
    ContainerPeer(TControl& control, FontCache& fonts, Deferred) : WindowPeer(control, fonts) {}

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Frames and captions of panels and group boxes, after the background.
    virtual void PaintDecoration(HDC dc);

private:
    void Paint();
    void KeepFramesOnTop();
    // The background, decoration and windowless children, as WM_PAINT shows them.
    void PaintOn(DibCanvas& canvas, const RECT& client);
    // The window and its children as they would paint, onto the canvas with
    // the window's client area at x, y.
    void PrintTree(HWND window, DibCanvas& canvas, int x, int y) const;
    // The child without a window at the point, or the control itself.
    TControl* TargetAt(int x, int y) const;
    bool StillThere(const TControl* control) const;
    void Hover(TControl* target);
    void MouseButton(TMouseButton button, bool down, int x, int y);

    // Shows the frames of a transition while one plays; null otherwise.
    HWND frames_ = nullptr;
    TControl* hovered_ = nullptr;
    TControl* pressed_ = nullptr;
    bool polling_ = false;
};

}  // namespace widgets::win32
