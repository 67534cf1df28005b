#include "widgets/win32/form_peer.h"

#include "widgets/application.h"
#include "widgets/region.h"
#include "widgets/win32/dib.h"

namespace widgets::win32 {

DWORD FormPeer::StyleOf(TFormBorderStyle border) {
    switch (border) {
        case bsNone:
            return WS_POPUP;
        case bsSingle:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        case bsSizeable:
            return WS_OVERLAPPEDWINDOW;
        case bsDialog:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        case bsToolWindow:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU;
        case bsSizeToolWin:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    }
    return WS_POPUP;
}

DWORD FormPeer::ExStyleOf(TFormBorderStyle border, TFormStyle style) {
    DWORD ex = 0;
    if (border == bsDialog) ex |= WS_EX_DLGMODALFRAME;
    if (border == bsToolWindow || border == bsSizeToolWin) ex |= WS_EX_TOOLWINDOW;
    if (style == fsStayOnTop) ex |= WS_EX_TOPMOST;
    return ex;
}

FormPeer::FormPeer(TForm& form, FontCache& fonts) : ContainerPeer(form, fonts, Deferred{}), form_(form) {
    if (TopLevel()) {
        // Dialogs belong to the main window, so that they stay above it and
        // out of the task bar.
        HWND owner = nullptr;
        if (TForm* main = Application().MainForm(); main && main != &form)
            if (auto* peer = dynamic_cast<WindowPeer*>(main->Peer())) owner = peer->Handle();
        // Shown once the outline is in place.
        Create(kClassName, StyleOf(form.BorderStyle()) | WS_CLIPCHILDREN,
               ExStyleOf(form.BorderStyle(), form.FormStyle()) | WS_EX_CONTROLPARENT, owner, form.BoundsRect(), false);
        ApplyRegion();
        ApplyWindowState();
    } else {
        Create(kClassName, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, ParentHandle(form),
               form.BoundsRect());
        ApplyRegion();
    }
}

void FormPeer::SetVisible(bool visible) {
    if (!TopLevel()) return WindowPeer::SetVisible(visible);
    if (!visible) {
        ShowWindow(window_, SW_HIDE);
        return;
    }
    ApplyWindowState();
}

void FormPeer::ApplyWindowState() {
    if (!form_.Visible()) return;
    switch (form_.WindowState()) {
        case wsNormal:
            ShowWindow(window_, IsIconic(window_) || IsZoomed(window_) ? SW_RESTORE : SW_SHOW);
            break;
        case wsMinimized:
            ShowWindow(window_, SW_MINIMIZE);
            break;
        case wsMaximized:
            ShowWindow(window_, SW_MAXIMIZE);
            break;
    }
}

void FormPeer::ApplyRegion() {
    const std::vector<TRect>& rects = form_.Region();
    if (rects.empty()) {
        SetWindowRgn(window_, nullptr, TRUE);
        return;
    }
    // The block without its length is the RGNDATA that Windows takes.
    const std::string block = BuildRegionBlock(rects);
    const std::string data = block.substr(4);
    HRGN region =
        ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
    // The window owns the region from here on.
    if (region && !SetWindowRgn(window_, region, TRUE)) DeleteObject(region);
}

void FormPeer::Changed(PeerProperty property) {
    switch (property) {
        case PeerProperty::Region:
            ApplyRegion();
            break;
        case PeerProperty::WindowState:
            ApplyWindowState();
            break;
        case PeerProperty::Style:
            if (TopLevel()) {
                SetWindowLongA(window_, GWL_STYLE,
                               static_cast<LONG>(StyleOf(form_.BorderStyle()) | WS_CLIPCHILDREN |
                                                 (IsWindowVisible(window_) ? WS_VISIBLE : 0)));
                SetWindowLongA(
                    window_, GWL_EXSTYLE,
                    static_cast<LONG>(ExStyleOf(form_.BorderStyle(), form_.FormStyle()) | WS_EX_CONTROLPARENT));
                SetWindowPos(window_, form_.FormStyle() == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            }
            break;
        default:
            WindowPeer::Changed(property);
            break;
    }
}

TBitmap FormPeer::Capture() { return CaptureWindow(window_); }

void FormPeer::PaintFrame(const TBitmap& frame) {
    WindowDC dc(window_);
    DrawPicture(dc.Get(), TRect{0, 0, frame.Width(), frame.Height()}, frame);
}

void FormPeer::BeginWindowMove() {
    // Drags the window as if by its caption, until the button is let go.
    ReleaseCapture();
    SendMessageA(window_, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

bool FormPeer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_CLOSE:
            form_.Close();
            result = 0;
            return true;
        case WM_SIZE:
            if (TopLevel()) {
                if (wParam == SIZE_MINIMIZED)
                    form_.SetWindowState(wsMinimized);
                else if (wParam == SIZE_MAXIMIZED)
                    form_.SetWindowState(wsMaximized);
                else if (wParam == SIZE_RESTORED)
                    form_.SetWindowState(wsNormal);
            }
            return false;
        case WM_WINDOWPOSCHANGED:
            // The user moved the window: the form keeps its place.
            if (TopLevel() && !IsIconic(window_)) {
                RECT r = {};
                GetWindowRect(window_, &r);
                form_.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
            }
            return false;
        case WM_ACTIVATE:
            result = CallDefault(message, wParam, lParam);
            if (LOWORD(wParam) != WA_INACTIVE)
                if (TControl* active = form_.ActiveControl(); active && active->Peer() && active->CanFocus())
                    active->Peer()->SetFocus();
            return true;
        default:
            return ContainerPeer::OnMessage(message, wParam, lParam, result);
    }
}

}  // namespace widgets::win32
