#include "widgets/control.h"

#include "widgets/errors.h"
#include "widgets/form.h"
#include "widgets/peer_factory.h"
#include "widgets/screen.h"
#include "widgets/win_control.h"

namespace widgets {

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
    font_.OnChange = nullptr;
    peer_.reset();
    if (parent_) parent_->RemoveControl(this);
}

void TControl::BeforeDestruction() {
    TComponent::BeforeDestruction();
    DestroyPeer();
    if (parent_) parent_->RemoveControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    const bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (peer_) peer_->SetBounds(BoundsRect());
    if (resized) Resized();
    if (parent_ && align_ != alNone) parent_->Realign();
}

void TControl::Resized() {
    if (OnResize) OnResize(this);
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    if (parent_) parent_->Realign();
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("Ein Steuerelement kann nicht sein eigener Vorfahr sein");
    if (parent_) parent_->RemoveControl(this);
    DestroyPeer();
    if (parent) {
        parent->InsertControl(this);
        if (parentFont_) TakeParentFont();
        if (parentColor_) TakeParentColor();
        if (parent->PeerCreated()) HandleNeeded();
    }
}

TPoint TControl::ClientToScreen(TPoint point) const {
    const TControl* c = this;
    for (; c->parent_; c = c->parent_) {
        point.x += c->left_;
        point.y += c->top_;
    }
    point.x += c->left_;
    point.y += c->top_;
    if (const TForm* form = dynamic_cast<const TForm*>(c)) {
        // The frame: equal borders, the rest of the height is the caption.
        const TSize extra = Screen().FrameExtra(form->BorderStyle());
        point.x += extra.cx / 2;
        point.y += extra.cy - extra.cx / 2;
    }
    return point;
}

TForm* TControl::ParentForm() const {
    for (TWinControl* p = parent_; p; p = p->parent_)
        if (TForm* form = dynamic_cast<TForm*>(p)) return form;
    return nullptr;
}

TForm* TControl::TopForm() {
    TControl* top = this;
    while (top->parent_) top = top->parent_;
    return dynamic_cast<TForm*>(top);
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (visible && parent_ && parent_->PeerCreated()) HandleNeeded();
    if (peer_) peer_->SetVisible(visible);
    VisibleChanged();
    if (parent_ && align_ != alNone) parent_->Realign();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (peer_) peer_->SetEnabled(enabled);
    EnabledChanged();
}

void TControl::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    if (peer_) peer_->SetText(text_);
    TextChanged();
}

void TControl::FontChanged() {
    if (!takingFont_) parentFont_ = false;
    PeerChanged(PeerProperty::Font);
}

void TControl::SetParentFont(bool parentFont) {
    if (parentFont == parentFont_) return;
    parentFont_ = parentFont;
    if (parentFont) TakeParentFont();
}

void TControl::TakeParentFont() {
    if (!parent_) return;
    takingFont_ = true;
    font_ = parent_->font_;
    takingFont_ = false;
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    PeerChanged(PeerProperty::Color);
    Invalidate();
    ColorChanged();
}

void TControl::SetParentColor(bool parentColor) {
    if (parentColor == parentColor_) return;
    parentColor_ = parentColor;
    if (parentColor) TakeParentColor();
}

void TControl::TakeParentColor() {
    if (!parent_ || parent_->color_ == color_) return;
    color_ = parent_->color_;
    PeerChanged(PeerProperty::Color);
    Invalidate();
    ColorChanged();
}

void TControl::SetHint(const std::string& hint) {
    if (hint == hint_) return;
    hint_ = hint;
    PeerChanged(PeerProperty::Hint);
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    PeerChanged(PeerProperty::Cursor);
}

void TControl::HandleNeeded() {
    if (peerCreated_ || !Peers() || IsDestroying()) return;
    if (parent_) {
        parent_->HandleNeeded();
        if (peerCreated_) return;  // the parent made the children's peers
    }
    peerCreated_ = true;
    peer_ = Peers()->CreatePeer(*this);
    PeerCreatedHook();
}

uintptr_t TControl::NativeHandle() {
    HandleNeeded();
    return peer_ ? peer_->NativeHandle() : 0;
}

void TControl::DestroyPeer() {
    peer_.reset();
    peerCreated_ = false;
}

void TControl::Invalidate() {
    if (peer_)
        peer_->Invalidate();
    else if (parent_ && visible_)
        parent_->Invalidate();
}

void TControl::Repaint() {
    Invalidate();
    if (peer_)
        peer_->Update();
    else if (parent_)
        parent_->Repaint();
}

void TControl::BringToFront() {
    if (parent_) parent_->BringChildToFront(this);
    if (peer_) peer_->BringToFront();
}

void TControl::PeerChanged(PeerProperty property) {
    if (peer_) peer_->Changed(property);
}

void TControl::Restyle() {
    PeerChanged(PeerProperty::Style);
    Invalidate();
}

bool TControl::CanFocus() const { return false; }

void TControl::SetFocus() {
    if (!CanFocus())
        throw EInvalidOperation("Ein deaktiviertes oder unsichtbares Fenster kann nicht den Fokus erhalten");
    // Every form around the control remembers it; the outermost one has
    // the keyboard.
    for (TControl* c = parent_; c; c = c->parent_)
        if (TForm* form = dynamic_cast<TForm*>(c)) form->SetActiveControl(this);
    if (peer_) peer_->SetFocus();
}

bool TControl::Focused() {
    TForm* form = TopForm();
    return form && form->ActiveControl() == this;
}

bool TControl::FilterInputFor(TControl&, const InputEvent&) { return false; }

bool TControl::Dispatch(const InputEvent& event) {
    for (TControl* c = this; c; c = c->parent_)
        if (c->FilterInputFor(*this, event)) return true;
    return false;
}

void TControl::MouseDown(TMouseButton button, int x, int y) {
    if (!enabled_) return;
    if (Dispatch(InputEvent::Mouse(InputEvent::MouseDown, button, x, y))) return;
    DoMouseDown(button, x, y);
}

void TControl::MouseUp(TMouseButton button, int x, int y) {
    if (!enabled_) return;
    if (Dispatch(InputEvent::Mouse(InputEvent::MouseUp, button, x, y))) {
        if (button == mbLeft) pressed_ = false;
        return;
    }
    DoMouseUp(button, x, y);
}

void TControl::MouseMove(int x, int y) {
    if (!enabled_) return;
    if (!mouseInside_) MouseEnter();
    if (OnMouseMove) OnMouseMove(this, x, y);
}

void TControl::MouseEnter() {
    if (mouseInside_) return;
    mouseInside_ = true;
    DoMouseEnter();
}

void TControl::MouseLeave() {
    if (!mouseInside_) return;
    mouseInside_ = false;
    DoMouseLeave();
}

uint16_t TControl::KeyDown(uint16_t key) {
    if (!enabled_) return 0;
    if (Dispatch(InputEvent::Key(key))) return 0;
    DoKeyDown(key);
    if (key == kVkReturn || key == kVkEscape)
        for (TControl* c = this; c; c = c->parent_)
            if (TForm* form = dynamic_cast<TForm*>(c); form && form->IsModal()) {
                if (form->DialogKey(key)) return 0;
                break;
            }
    return key;
}

char TControl::KeyPress(char key) {
    if (!enabled_) return '\0';
    DoKeyPress(key);
    if (key != '\0' && !peer_) ApplyKeyPress(key);
    return key;
}

void TControl::ContextPopup(int x, int y) { Dispatch(InputEvent::Mouse(InputEvent::ContextMenu, mbRight, x, y)); }

void TControl::PerformClick() {
    MouseEnter();
    MouseDown(mbLeft, width_ / 2, height_ / 2);
    MouseUp(mbLeft, width_ / 2, height_ / 2);
}

void TControl::PerformRightClick() {
    MouseDown(mbRight, width_ / 2, height_ / 2);
    MouseUp(mbRight, width_ / 2, height_ / 2);
    ContextPopup(width_ / 2, height_ / 2);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::UserClick() { Click(); }

void TControl::DoMouseDown(TMouseButton button, int x, int y) {
    if (button == mbLeft) pressed_ = true;
    if (OnMouseDown) OnMouseDown(this, button, x, y);
}

void TControl::DoMouseUp(TMouseButton button, int x, int y) {
    const bool click = button == mbLeft && pressed_;
    if (button == mbLeft) pressed_ = false;
    if (OnMouseUp) OnMouseUp(this, button, x, y);
    if (click && x >= 0 && y >= 0 && x < width_ && y < height_) UserClick();
}

void TControl::DoMouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::DoMouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::DoKeyDown(uint16_t& key) {
    if (OnKeyDown) OnKeyDown(this, key);
}

void TControl::DoKeyPress(char& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void TControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TControl::DoExit() {
    if (OnExit) OnExit(this);
}

}  // namespace widgets
