// The peer of a control that is a window of its own.
//
// The window's procedure sends what the user does to the component
// (MouseDown, KeyDown, UserClick ...), and the component's setters come
// back through the ControlPeer calls. Standard window classes (BUTTON,
// EDIT ...) are subclassed; the program's own classes use the same
// procedure. An error inside the procedure cannot travel through Windows:
// it waits in the application and is raised by the message pump.
#pragma once

#include <string>

#include "widgets/control.h"
#include "widgets/control_peer.h"
#include "widgets/win32/font_cache.h"
#include "widgets/win32/win32_api.h"

namespace widgets::win32 {

class WindowPeer : public ControlPeer {
public:
    WindowPeer(TControl& control, FontCache& fonts);
    ~WindowPeer() override;
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    HWND Handle() const { return window_; }
    uintptr_t NativeHandle() const override { return reinterpret_cast<uintptr_t>(window_); }
    TControl& Control() const { return control_; }
    // The peer of a window made by this layer, or null.
    static WindowPeer* FromHandle(HWND window);
    // The window of the control's nearest parent that has one.
    static HWND ParentHandle(const TControl& control);

    void SetBounds(const TRect& bounds) override;
    void SetText(const std::string& text) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetChecked(bool) override {}
    void Changed(PeerProperty property) override;
    void Invalidate() override;
    void Update() override;
    void SetFocus() override;
    void BringToFront() override;

    // A notification (WM_COMMAND code) of this window, sent to its parent.
    virtual void OnCommand(WORD) {}
    // A scroll notification (WM_HSCROLL/WM_VSCROLL) of this window.
    virtual void OnScroll(WORD) {}
    // A common control's notification (WM_NOTIFY) of this window, sent to
    // its parent; true when handled, with the answer in result.
    virtual bool OnNotify(const NMHDR&, LRESULT&) { return false; }
    // Paints an item of this owner-drawn window (WM_DRAWITEM to the parent).
    virtual bool OnDrawItem(const DRAWITEMSTRUCT&) { return false; }
    // The brush for the background of this window's text, when the parent
    // is asked for it (WM_CTLCOLOR...).
    HBRUSH ColorBrush(HDC dc);

    // The class of the program's own windows.
    static const char* const kClassName;
    static void RegisterClasses(HINSTANCE instance);

protected:
    // Makes the window; a standard class is subclassed, the own class
    // gets the peer from the creation parameter. Without showNow the window
    // starts hidden even when the control is visible.
    void Create(const char* className, DWORD style, DWORD exStyle, HWND parent, const TRect& bounds,
                bool showNow = true);
    // The control's bounds in the coordinates CreateWindow takes.
    virtual TRect WindowBounds(const TRect& bounds) const { return bounds; }
    // Handles a message; false lets the default procedure handle it.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);
    // True when a form's input filter took the event (what's-this help).
    bool Filtered(const InputEvent& event);
    // Tab and Shift+Tab: the focus moves to the next or the previous
    // control of the window (as a dialog does; the message loop knows no
    // dialogs).
    void MoveFocusByTab(bool backward);
    // Ctrl+Tab and Ctrl+Shift+Tab: the page control around the window
    // turns to its next or previous page with a tab.
    void TurnPageByTab(bool backward);

    TControl& control_;
    FontCache& fonts_;
    HWND window_ = nullptr;
    // True while SetText writes the window's text, so that the window's
    // change notification does not echo it back.
    bool settingText_ = false;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC previous_ = nullptr;  // the standard class's procedure
};

}  // namespace widgets::win32
