#include "widgets/win_control.h"

#include <algorithm>

namespace widgets {

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Only left when the object was deleted without Free.
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        if (child->IsFreeing()) {
            RemoveControl(child);
            continue;
        }
        TComponent::Free(child);
    }
}

void TWinControl::FreeOwned() {
    // The children go with their parent window, the front one first, then
    // the components the window owns.
    TFirstError errors;
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        if (child->IsFreeing()) {
            RemoveControl(child);  // its own Free is running further up
            continue;
        }
        errors.Run([&] { TComponent::Free(child); });
    }
    errors.Run([&] { TControl::FreeOwned(); });
    errors.Rethrow();
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    ControlsChanged();
    if (control->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
    const auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end()) return;
    controls_.erase(it);
    control->parent_ = nullptr;
    if (!IsDestroying()) {
        ControlsChanged();
        if (control->Align() != alNone) Realign();
    }
}

void TWinControl::BringChildToFront(TControl* control) {
    const auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end()) return;
    controls_.erase(it);
    controls_.push_back(control);
}

void TWinControl::Realign() {
    if (aligning_) return;
    aligning_ = true;
    TRect area = AlignArea();
    const TAlign order[] = {alTop, alBottom, alLeft, alRight, alClient};
    for (TAlign align : order) {
        for (TControl* c : controls_) {
            if (c->Align() != align || !c->Visible()) continue;
            switch (align) {
                case alTop:
                    c->SetBounds(area.left, area.top, area.Width(), c->Height());
                    area.top += c->Height();
                    break;
                case alBottom:
                    c->SetBounds(area.left, area.bottom - c->Height(), area.Width(), c->Height());
                    area.bottom -= c->Height();
                    break;
                case alLeft:
                    c->SetBounds(area.left, area.top, c->Width(), area.Height());
                    area.left += c->Width();
                    break;
                case alRight:
                    c->SetBounds(area.right - c->Width(), area.top, c->Width(), area.Height());
                    area.right -= c->Width();
                    break;
                case alClient:
                    c->SetBounds(area.left, area.top, area.Width(), area.Height());
                    break;
                case alNone:
                    break;
            }
        }
    }
    aligning_ = false;
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::DestroyPeer() {
    for (TControl* child : controls_) child->DestroyPeer();
    TControl::DestroyPeer();
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    for (TControl* child : controls_)
        if (child->ParentFont()) child->TakeParentFont();
}

void TWinControl::ColorChanged() {
    for (TControl* child : controls_)
        if (child->ParentColor()) child->TakeParentColor();
}

void TWinControl::Resized() {
    Realign();
    TControl::Resized();
}

void TWinControl::PeerCreatedHook() {
    // The children's peers follow their parent's, back to front.
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children) child->HandleNeeded();
}

}  // namespace widgets
