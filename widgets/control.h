// A visible component: position and size, visibility, enabled state,
// caption, font, colour, hint and cursor, and its parent window.
#pragma once

#include <memory>
#include <string>

#include "widgets/component.h"
#include "widgets/control_peer.h"
#include "widgets/font.h"
#include "widgets/input_filter.h"
#include "widgets/types.h"

namespace widgets {

class TForm;
class TWinControl;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    const char* ClassName() const override { return "TControl"; }

    // ------------------------------------------------------------ place
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    virtual void SetBounds(int left, int top, int width, int height);
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    TWinControl* Parent() const { return parent_; }
    // A point of the control's client area in screen coordinates (through
    // the parents to the outermost form and its frame).
    TPoint ClientToScreen(TPoint point) const;
    virtual void SetParent(TWinControl* parent);
    // The nearest form among the parents (not this control itself).
    TForm* ParentForm() const;
    // The outermost parent when it is a form, else null. A control inside
    // a page inside the main window belongs to the main window's focus.
    TForm* TopForm();

    // ------------------------------------------------------------ state
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible together with every parent.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    // Caption and Text are the same string, as with the Windows text of a
    // window; labels and buttons call it caption, edits text.
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& caption) { SetText(caption); }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);

    const TFont& Font() const { return font_; }
    TFont& Font() { return font_; }
    void SetFont(const TFont& font) { font_ = font; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint) { showHint_ = showHint; }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    // ------------------------------------------------------------ peer
    ControlPeer* Peer() const { return peer_.get(); }
    // True once the control asked the factory for its peer (which may be
    // null for controls that their parent paints).
    bool PeerCreated() const { return peerCreated_; }
    // Creates the peers of the parents and of this control, when a peer
    // factory is installed.
    void HandleNeeded();
    // The native window handle after HandleNeeded(); 0 when headless.
    uintptr_t NativeHandle();
    virtual void DestroyPeer();

    void Invalidate();
    void Repaint();
    // A control that draws itself into a picture of its own (a chart, for
    // instance) gives it here; the native layer shows it at the control's
    // place. Null for the others.
    virtual const TBitmap* OwnPicture() const { return nullptr; }
    virtual void BringToFront();

    // ------------------------------------------------------------ focus
    virtual bool CanFocus() const;
    // Raises EInvalidOperation when the control cannot take the focus.
    virtual void SetFocus();
    bool Focused();

    // ------------------------------------------------------------ input
    // What the user does, as the peer reports it; tests call the same.
    void MouseDown(TMouseButton button, int x, int y);
    void MouseUp(TMouseButton button, int x, int y);
    void MouseMove(int x, int y);
    void MouseEnter();
    void MouseLeave();
    // Return the key after the handlers: 0 when one of them took it (a
    // native peer then drops the keystroke).
    uint16_t KeyDown(uint16_t key);
    char KeyPress(char key);
    // The right-click menu is asked for at x, y.
    void ContextPopup(int x, int y);
    // A left click in the middle of the control, as the user makes it:
    // down and up, through the form's input filters.
    void PerformClick();
    void PerformRightClick();
    bool MouseInside() const { return mouseInside_; }
    bool MousePressed() const { return pressed_; }

    // Fires OnClick (and whatever the control does on a click).
    virtual void Click();
    // The user clicked the control (mouse or native notification): a check
    // box toggles, a radio button checks itself, others Click().
    virtual void UserClick();

    // Used by forms to let their input filters see a control's input.
    virtual bool FilterInputFor(TControl& target, const InputEvent& event);
    // Offers an event of this control to the input filters of the forms
    // around it; true when one took it. Native peers of standard windows
    // ask this before the window acts.
    bool OfferToFilters(const InputEvent& event) { return Dispatch(event); }

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TNotifyEvent OnResize;

protected:
    void BeforeDestruction() override;

    // Hooks for the derived controls.
    virtual void TextChanged() {}
    virtual void FontChanged();
    virtual void ColorChanged() {}
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() {}
    virtual void Resized();
    virtual void PeerCreatedHook() {}
    virtual void DoMouseDown(TMouseButton button, int x, int y);
    virtual void DoMouseUp(TMouseButton button, int x, int y);
    virtual void DoMouseEnter();
    virtual void DoMouseLeave();
    virtual void DoKeyDown(uint16_t& key);
    virtual void DoKeyPress(char& key);
    // Without a peer, the control itself acts on a typed character that
    // the handlers let through (a native edit does so itself).
    virtual void ApplyKeyPress(char) {}
    // Focus arrives or leaves; OnEnter and OnExit fire from here.
    virtual void DoEnter();
    virtual void DoExit();

    // Tells the peer, when there is one.
    void PeerChanged(PeerProperty property);
    // A property that changes how the control is drawn changed: the peer
    // learns of it and the control is drawn again.
    virtual void Restyle();

    // The parent's font or colour changed; with ParentFont/ParentColor the
    // control takes it over.
    void TakeParentFont();
    void TakeParentColor();

    bool Dispatch(const InputEvent& event);

    bool visible_ = true;

private:
    friend class TWinControl;
    friend class TForm;

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TAlign align_ = alNone;
    TWinControl* parent_ = nullptr;
    bool enabled_ = true;
    std::string text_;
    TFont font_;
    bool parentFont_ = true;
    bool takingFont_ = false;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    std::string hint_;
    bool showHint_ = false;
    TCursor cursor_ = crDefault;
    bool mouseInside_ = false;
    bool pressed_ = false;
    std::unique_ptr<ControlPeer> peer_;
    bool peerCreated_ = false;
};

}  // namespace widgets
