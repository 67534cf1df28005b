#include "widgets/win32/container_peer.h"

#include <algorithm>

#include "widgets/group_box.h"
#include "widgets/panel.h"
#include "widgets/win32/graphic_painter.h"
#include "widgets/win_control.h"

namespace widgets::win32 {

namespace {

constexpr UINT_PTR kHoverTimer = 0x5157;
constexpr UINT kHoverPoll = 100;

const TWinControl* AsWindow(const TControl& control) { return dynamic_cast<const TWinControl*>(&control); }

}  // namespace

ContainerPeer::ContainerPeer(TControl& control, FontCache& fonts) : WindowPeer(control, fonts) {
    Create(kClassName, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, ParentHandle(control),
           control.BoundsRect());
}

ContainerPeer::~ContainerPeer() { EndFrames(); }

TBitmap ContainerPeer::Capture() {
    RECT client = {};
    GetClientRect(window_, &client);
    if (!frames_) {
        // Nothing to fade on a window that is hidden or minimised.
        HWND top = window_;
        while (top && (GetWindowLongA(top, GWL_STYLE) & WS_CHILD)) top = GetParent(top);
        if (!IsWindowVisible(window_) || (top && IsIconic(top))) return TBitmap();
        // What the user sees now, up to date.
        RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        return CaptureWindow(window_);
    }
    // The frames cover the children: they are painted off screen.
    KeepFramesOnTop();
    DibCanvas canvas(client.right, client.bottom);
    if (!canvas.Valid()) return TBitmap();
    PrintTree(window_, canvas, 0, 0);
    return canvas.ToBitmap();
}

void ContainerPeer::PrintTree(HWND window, DibCanvas& canvas, int x, int y) const {
    RECT client = {};
    GetClientRect(window, &client);
    WindowPeer* peer = FromHandle(window);
    if (auto* container = dynamic_cast<ContainerPeer*>(peer)) {
        DibCanvas own(client.right, client.bottom);
        if (own.Valid()) {
            container->PaintOn(own, client);
            BitBlt(canvas.Dc(), x, y, client.right, client.bottom, own.Dc(), 0, 0, SRCCOPY);
        }
    } else if (const TBitmap picture = peer ? peer->Capture() : TBitmap(); !picture.Empty()) {
        DrawPicture(canvas.Dc(), TRect{x, y, x + client.right, y + client.bottom}, picture);
    } else {
        // A standard control paints its client area into a context of its
        // own size (some clip to their client rectangle in device units),
        // over what lies beneath for the parts it leaves alone.
        DibCanvas own(client.right, client.bottom);
        if (own.Valid()) {
            BitBlt(own.Dc(), 0, 0, client.right, client.bottom, canvas.Dc(), x, y, SRCCOPY);
            SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(own.Dc()), PRF_CLIENT | PRF_ERASEBKGND);
            BitBlt(canvas.Dc(), x, y, client.right, client.bottom, own.Dc(), 0, 0, SRCCOPY);
        }
    }
    // The children from the bottom of the order to the top, each inside
    // its parent's client area.
    for (HWND child = GetWindow(GetWindow(window, GW_CHILD), GW_HWNDLAST); child;
         child = GetWindow(child, GW_HWNDPREV)) {
        if (child == frames_ || !(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE)) continue;
        RECT outer = {};
        GetWindowRect(child, &outer);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&outer), 2);
        POINT origin = {0, 0};
        ClientToScreen(child, &origin);
        ScreenToClient(window, &origin);
        const int saved = SaveDC(canvas.Dc());
        IntersectClipRect(canvas.Dc(), x, y, x + client.right, y + client.bottom);
        IntersectClipRect(canvas.Dc(), x + outer.left, y + outer.top, x + outer.right, y + outer.bottom);
        // The sunken edge of edits and grids lies outside the client area.
        if (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) {
            RECT edge = {x + outer.left, y + outer.top, x + outer.right, y + outer.bottom};
            DrawEdge(canvas.Dc(), &edge, EDGE_SUNKEN, BF_RECT);
        }
        PrintTree(child, canvas, x + origin.x, y + origin.y);
        RestoreDC(canvas.Dc(), saved);
    }
}

void ContainerPeer::PaintFrame(const TBitmap& frame) {
    if (frame.Empty()) return;
    if (!frames_) {
        if (!IsWindowVisible(window_)) return;
        // A window of the own class without a peer paints nothing itself:
        // what the frames draw on it stays until the next frame. Made last,
        // it lies above every child.
        frames_ = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, control_.Width(),
                                  control_.Height(), window_, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (!frames_) return;  // without it the new page shows at once
        ValidateRect(frames_, nullptr);
    }
    KeepFramesOnTop();
    WindowDC dc(frames_);
    DrawPicture(dc.Get(), TRect{0, 0, frame.Width(), frame.Height()}, frame);
    GdiFlush();
}

void ContainerPeer::KeepFramesOnTop() {
    // The window of a page is made when the page first shows, above all.
    if (frames_ && GetWindow(window_, GW_CHILD) != frames_)
        SetWindowPos(frames_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ContainerPeer::Update() {
    // What paints now paints beneath the frames.
    KeepFramesOnTop();
    WindowPeer::Update();
}

void ContainerPeer::EndFrames() {
    if (!frames_) return;
    HWND frames = frames_;
    frames_ = nullptr;
    // The children beneath paint themselves again where it was.
    DestroyWindow(frames);
}

bool ContainerPeer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    switch (message) {
        case WM_ERASEBKGND:
            result = 1;  // WM_PAINT paints everything, without flicker
            return true;
        case WM_PAINT:
            Paint();
            result = 0;
            return true;
        case WM_MOUSEMOVE: {
            TControl* target = TargetAt(x, y);
            Hover(target);
            target->MouseMove(x - (target == &control_ ? 0 : target->Left()),
                              y - (target == &control_ ? 0 : target->Top()));
            result = 0;
            return true;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            MouseButton(message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ? mbLeft : mbRight,
                        message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN, x, y);
            result = 0;
            return true;
        case WM_CAPTURECHANGED:
            pressed_ = nullptr;
            return false;
        case WM_CONTEXTMENU: {
            POINT at = {x, y};
            if (x == -1 && y == -1)
                at = POINT{control_.Width() / 2, control_.Height() / 2};
            else
                ScreenToClient(window_, &at);
            TControl* target = TargetAt(at.x, at.y);
            if (target == &control_)
                target->ContextPopup(at.x, at.y);
            else
                target->ContextPopup(at.x - target->Left(), at.y - target->Top());
            result = 0;
            return true;
        }
        case WM_TIMER:
            if (wParam != kHoverTimer) return false;
            {
                POINT cursor = {};
                GetCursorPos(&cursor);
                if (WindowFromPoint(cursor) != window_) Hover(nullptr);
            }
            result = 0;
            return true;
        default:
            return WindowPeer::OnMessage(message, wParam, lParam, result);
    }
}

TControl* ContainerPeer::TargetAt(int x, int y) const {
    if (const TWinControl* window = AsWindow(control_)) {
        const auto& children = window->Children();
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            TControl* child = *it;
            if (!child->Visible() || child->Peer()) continue;
            if (child->BoundsRect().Contains(x, y)) return child;
        }
    }
    return &control_;
}

bool ContainerPeer::StillThere(const TControl* control) const {
    if (!control) return false;
    if (control == &control_) return true;
    const TWinControl* window = AsWindow(control_);
    if (!window) return false;
    const auto& children = window->Children();
    return std::find(children.begin(), children.end(), control) != children.end();
}

void ContainerPeer::Hover(TControl* target) {
    if (!StillThere(hovered_)) hovered_ = nullptr;
    if (target != hovered_) {
        TControl* old = hovered_;
        hovered_ = target;
        if (old) old->MouseLeave();
        if (target) target->MouseEnter();
    }
    // Windows 95 has no leave message: the cursor is looked for while it
    // is over the window.
    if (hovered_ && !polling_) polling_ = SetTimer(window_, kHoverTimer, kHoverPoll, nullptr) != 0;
    if (!hovered_ && polling_) {
        KillTimer(window_, kHoverTimer);
        polling_ = false;
    }
}

void ContainerPeer::MouseButton(TMouseButton button, bool down, int x, int y) {
    if (down) {
        TControl* target = TargetAt(x, y);
        if (button == mbLeft) {
            SetCapture(window_);
            pressed_ = target;
        }
        target->MouseDown(button, x - (target == &control_ ? 0 : target->Left()),
                          y - (target == &control_ ? 0 : target->Top()));
        return;
    }
    TControl* target = button == mbLeft ? pressed_ : TargetAt(x, y);
    if (button == mbLeft) {
        pressed_ = nullptr;
        if (GetCapture() == window_) ReleaseCapture();
    }
    if (!StillThere(target)) return;
    target->MouseUp(button, x - (target == &control_ ? 0 : target->Left()),
                    y - (target == &control_ ? 0 : target->Top()));
}

void ContainerPeer::PaintDecoration(HDC dc) {
    RECT r = {0, 0, control_.Width(), control_.Height()};
    if (const TPanel* panel = dynamic_cast<const TPanel*>(&control_)) {
        if (panel->BorderStyle() == bsSingle) {
            FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            InflateRect(&r, -1, -1);
        }
        // The outer bevel, then the inner one inside it, each BevelWidth
        // lines of highlight and shadow.
        RECT bevel = r;
        for (TPanelBevel kind : {panel->BevelOuter(), panel->BevelInner()}) {
            if (kind == bvNone) continue;
            for (int i = 0; i < panel->BevelWidth(); ++i)
                DrawEdge(dc, &bevel, kind == bvLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
        }
        if (!panel->Caption().empty()) {
            Selection select(dc, fonts_.Get(panel->Font()));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, ToColorRef(panel->Font().Color()));
            DrawTextA(dc, panel->Caption().c_str(), static_cast<int>(panel->Caption().size()), &r,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    } else if (const TGroupBox* box = dynamic_cast<const TGroupBox*>(&control_)) {
        Selection select(dc, fonts_.Get(box->Font()));
        TEXTMETRICA metrics = {};
        GetTextMetricsA(dc, &metrics);
        RECT frame = {0, metrics.tmHeight / 2, r.right, r.bottom};
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        if (!box->Caption().empty()) {
            SetBkMode(dc, OPAQUE);
            SetBkColor(dc, ToColorRef(box->Color()));
            SetTextColor(dc, ToColorRef(box->Font().Color()));
            const std::string caption = " " + box->Caption() + " ";
            TextOutA(dc, 6, 0, caption.c_str(), static_cast<int>(caption.size()));
        }
    }
}

void ContainerPeer::PaintOn(DibCanvas& canvas, const RECT& client) {
    FillRect(canvas.Dc(), &client, fonts_.Brush(control_.Color()));
    PaintDecoration(canvas.Dc());
    if (const TWinControl* window = AsWindow(control_))
        for (TControl* child : window->Children())
            if (child->Visible() && !child->Peer()) PaintGraphicControl(canvas, *child, fonts_);
}

void ContainerPeer::Paint() {
    PaintBuffered(window_, [this](DibCanvas& canvas, const RECT& client) { PaintOn(canvas, client); });
}

}  // namespace widgets::win32
