#include "widgets/win32/window_peer.h"

#include <cstring>
#include <exception>
#include <vector>

#include "widgets/application.h"
#include "widgets/check_box.h"
#include "widgets/edit.h"
#include "widgets/errors.h"
#include "widgets/form.h"
#include "widgets/group_box.h"
#include "widgets/page_control.h"
#include "widgets/tab_sheet.h"
#include "widgets/win32/tab_order.h"

namespace widgets::win32 {

const char* const WindowPeer::kClassName = "QuellwerkWindow";

void WindowPeer::RegisterClasses(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    windowClass.hIcon = LoadIcon(instance, MAKEINTRESOURCE(1));
    RegisterClassA(&windowClass);
}

WindowPeer::WindowPeer(TControl& control, FontCache& fonts) : control_(control), fonts_(fonts) {}

WindowPeer::~WindowPeer() {
    if (!window_) return;
    HWND window = window_;
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (previous_) SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    window_ = nullptr;
    DestroyWindow(window);
}

WindowPeer* WindowPeer::FromHandle(HWND window) {
    if (!window || reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) != Procedure) return nullptr;
    return reinterpret_cast<WindowPeer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

HWND WindowPeer::ParentHandle(const TControl& control) {
    for (const TControl* p = control.Parent(); p; p = p->Parent())
        if (const WindowPeer* peer = dynamic_cast<const WindowPeer*>(p->Peer())) return peer->Handle();
    return nullptr;
}

void WindowPeer::Create(const char* className, DWORD style, DWORD exStyle, HWND parent, const TRect& bounds,
                        bool showNow) {
    const bool own = std::strcmp(className, kClassName) == 0;
    if (showNow && control_.Visible()) style |= WS_VISIBLE;
    if (!control_.Enabled()) style |= WS_DISABLED;
    const TRect r = WindowBounds(bounds);
    HWND window = CreateWindowExA(exStyle, className, control_.Text().c_str(), style, r.left, r.top, r.Width(),
                                  r.Height(), parent, nullptr, GetModuleHandleA(nullptr), own ? this : nullptr);
    if (!window) throw EOutOfResources("Fehler beim Erzeugen des Fensters");
    window_ = window;
    if (!own) {
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        previous_ =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
    }
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(control_.Font())), FALSE);
}

LRESULT CALLBACK WindowPeer::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        if (create->lpCreateParams) {
            auto* peer = static_cast<WindowPeer*>(create->lpCreateParams);
            peer->window_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(peer));
        }
    }
    WindowPeer* peer = FromHandle(window);
    if (!peer) return DefWindowProcA(window, message, wParam, lParam);
    try {
        LRESULT result = 0;
        if (peer->OnMessage(message, wParam, lParam, result)) return result;
    } catch (...) {
        // Windows cannot carry the error; the pump raises it again.
        Application().DeferError(std::current_exception());
    }
    // The handlers may have freed the control and its window.
    peer = FromHandle(window);
    if (!peer) return DefWindowProcA(window, message, wParam, lParam);
    return peer->CallDefault(message, wParam, lParam);
}

LRESULT WindowPeer::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    if (previous_) return CallWindowProcA(previous_, window_, message, wParam, lParam);
    return DefWindowProcA(window_, message, wParam, lParam);
}

bool WindowPeer::Filtered(const InputEvent& event) { return control_.OfferToFilters(event); }

bool WindowPeer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_KEYDOWN:
            if (control_.KeyDown(static_cast<uint16_t>(wParam)) == 0) {
                result = 0;
                return true;
            }
            if (wParam == VK_TAB && GetKeyState(VK_MENU) >= 0) {
                if (GetKeyState(VK_CONTROL) < 0)
                    TurnPageByTab(GetKeyState(VK_SHIFT) < 0);
                else
                    MoveFocusByTab(GetKeyState(VK_SHIFT) < 0);
                result = 0;
                return true;
            }
            return false;
        case WM_CHAR: {
            // The Tab that moved the focus types nothing.
            if (wParam == '\t') {
                result = 0;
                return true;
            }
            const char typed = static_cast<char>(wParam);
            const char key = control_.KeyPress(typed);
            if (key == '\0') {
                result = 0;
                return true;
            }
            if (key != typed) {
                result = CallDefault(message, static_cast<unsigned char>(key), lParam);
                return true;
            }
            return false;
        }
        case WM_SETFOCUS:
            // The user moved the focus here: the forms learn it.
            if (!control_.IsDestroying() && !dynamic_cast<TForm*>(&control_) && !control_.Focused() &&
                control_.CanFocus())
                control_.SetFocus();
            return false;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            // What's-this mode takes the click before the window acts.
            if (Filtered(InputEvent::Mouse(InputEvent::MouseDown, message == WM_LBUTTONDOWN ? mbLeft : mbRight,
                                           static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))))) {
                result = 0;
                return true;
            }
            return false;
        case WM_CONTEXTMENU: {
            POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (at.x == -1 && at.y == -1) {
                at.x = control_.Width() / 2;
                at.y = control_.Height() / 2;
            } else {
                ScreenToClient(window_, &at);
            }
            control_.ContextPopup(at.x, at.y);
            result = 0;
            return true;
        }
        case WM_HELP:
            result = TRUE;  // F1 reaches the what's-this help as a key
            return true;
        case WM_COMMAND:
            // Only the notifications of the components' own windows; the
            // inner windows of a standard control (the list of a combo box)
            // report to that control, which must see them.
            if (WindowPeer* child = lParam ? FromHandle(reinterpret_cast<HWND>(lParam)) : nullptr) {
                child->OnCommand(HIWORD(wParam));
                result = 0;
                return true;
            }
            return false;
        case WM_NOTIFY: {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            if (WindowPeer* child = header ? FromHandle(header->hwndFrom) : nullptr)
                return child->OnNotify(*header, result);
            return false;
        }
        case WM_DRAWITEM: {
            const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (WindowPeer* child = item ? FromHandle(item->hwndItem) : nullptr; child && child->OnDrawItem(*item)) {
                result = TRUE;
                return true;
            }
            return false;
        }
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (WindowPeer* child = lParam ? FromHandle(reinterpret_cast<HWND>(lParam)) : nullptr) {
                child->OnScroll(LOWORD(wParam));
                result = 0;
                return true;
            }
            return false;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (WindowPeer* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
                result = reinterpret_cast<LRESULT>(child->ColorBrush(reinterpret_cast<HDC>(wParam)));
                return true;
            }
            return false;
        default:
            return false;
    }
}

HBRUSH WindowPeer::ColorBrush(HDC dc) {
    const auto* box = dynamic_cast<const TCheckBox*>(&control_);
    const auto* group = dynamic_cast<const TGroupBox*>(&control_);
    if ((box && box->Transparent()) || (group && group->Transparent())) {
        // The parent has painted what lies beneath; the caption goes on it.
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ToColorRef(control_.Enabled() ? control_.Font().Color() : clGrayText));
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    SetBkColor(dc, ToColorRef(control_.Color()));
    SetTextColor(dc, ToColorRef(control_.Enabled() ? control_.Font().Color() : clGrayText));
    return fonts_.Brush(control_.Color());
}

void WindowPeer::MoveFocusByTab(bool backward) {
    TControl* top = &control_;
    while (top->Parent()) top = top->Parent();
    TWinControl* root = dynamic_cast<TWinControl*>(top);
    if (!root) return;
    TWinControl* next = NextTabStop(*root, &control_, backward);
    if (!next || next == &control_) return;
    next->SetFocus();
    // An edit reached by Tab shows its whole text selected.
    if (dynamic_cast<TEdit*>(next))
        if (auto* peer = dynamic_cast<WindowPeer*>(next->Peer())) SendMessageA(peer->Handle(), EM_SETSEL, 0, -1);
}

void WindowPeer::TurnPageByTab(bool backward) {
    for (TControl* c = &control_; c; c = c->Parent()) {
        auto* pages = dynamic_cast<TPageControl*>(c);
        if (!pages) continue;
        const int count = pages->PageCount();
        for (int step = 1; step <= count; ++step) {
            const int index = ((pages->ActivePageIndex() + (backward ? -step : step)) % count + count) % count;
            if (pages->Pages(index)->TabVisible()) {
                pages->SetActivePageIndex(index);
                // A focus left on the sheet that went goes to the tabs.
                if (!IsWindowVisible(GetFocus()) && pages->CanFocus()) pages->SetFocus();
                return;
            }
        }
        return;
    }
}

void WindowPeer::SetBounds(const TRect& bounds) {
    const TRect r = WindowBounds(bounds);
    RECT now = {};
    GetWindowRect(window_, &now);
    if (HWND parent = GetParent(window_); parent && (GetWindowLongA(window_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&now), 2);
    if (now.left == r.left && now.top == r.top && now.right == r.right && now.bottom == r.bottom) return;
    MoveWindow(window_, r.left, r.top, r.Width(), r.Height(), TRUE);
}

void WindowPeer::SetText(const std::string& text) {
    const int length = GetWindowTextLengthA(window_);
    std::vector<char> current(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(window_, current.data(), length + 1);
    if (text == current.data()) return;
    settingText_ = true;
    SetWindowTextA(window_, text.c_str());
    settingText_ = false;
}

void WindowPeer::SetVisible(bool visible) { ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE); }

void WindowPeer::SetEnabled(bool enabled) { EnableWindow(window_, enabled ? TRUE : FALSE); }

void WindowPeer::Changed(PeerProperty property) {
    switch (property) {
        case PeerProperty::Font:
            SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(control_.Font())), TRUE);
            break;
        default:
            Invalidate();
            break;
    }
}

void WindowPeer::Invalidate() { InvalidateRect(window_, nullptr, TRUE); }

void WindowPeer::Update() { UpdateWindow(window_); }

void WindowPeer::SetFocus() {
    if (GetFocus() != window_) ::SetFocus(window_);
}

void WindowPeer::BringToFront() {
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace widgets::win32
