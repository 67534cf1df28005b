#include "widgets/form_container.h"

namespace widgets {

TFormContainer::Lock::Lock(TFormContainer& container) : container_(container) {
    if (container.locked_) throw EFormContainerError("FomContainer is locked");
    container.locked_ = true;
}

TFormContainer::TFormContainer(TComponent* owner) : TWinControl(owner) {}

void TFormContainer::SetBevelled(bool bevelled) {
    if (bevelled == bevelled_) return;
    bevelled_ = bevelled;
    PeerChanged(PeerProperty::Style);
}

void TFormContainer::CheckPageForm(const TForm& form) {
    const std::string name = form.ClassName();
    if (form.BorderStyle() != bsNone)
        throw EFormContainerError("'BorderStyle' property of '" + name + "' must be 'bsNone'");
    if (form.FormStyle() != fsNormal)
        throw EFormContainerError("'FormStyle' property of '" + name + "' must be 'fsNormal'");
    if (form.WindowState() != wsNormal)
        throw EFormContainerError("'WindowState' property of '" + name + "' must be 'wsNormal'");
    if (form.Visible())
        throw EFormContainerError("'Visible' property of '" + name + "' must be 'False' at design time");
}

void TFormContainer::Adopt(TForm* form) {
    try {
        CheckPageForm(*form);
    } catch (...) {
        TComponent::Free(form);
        throw;
    }
    form->SetParent(this);
    form->SetAlign(alClient);
    form->BringToFront();
}

void TFormContainer::ShowForm(TForm* form, bool release, TBlendTransition* transition) {
    Lock lock(*this);
    if (!form || form == form_) return;
    lastFrames_ = 0;
    const bool fade = transition && transition->Enabled() && Peer() && form_;
    // The frames go also when the change fails half-way: they would hide
    // the container for good.
    struct FramesGuard {
        TFormContainer* container;
        ~FramesGuard() {
            if (container && container->Peer()) container->Peer()->EndFrames();
        }
    } guard{fade ? this : nullptr};
    if (fade) {
        const TBitmap from = Peer()->Capture();
        transition->Prepare(from);
        // The old picture stays on the screen while the pages change
        // beneath it, until the blend takes over.
        Peer()->PaintFrame(from);
    }

    TForm* old = form_;
    if (OnFormChange) OnFormChange(this, old);
    form_ = form;
    if (old) {
        old->Hide();
        if (release) old->Release();
    }
    if (form->Parent() != this) form->SetParent(this);
    form->SetAlign(alClient);
    form->Show();
    if (fade) {
        Peer()->Update();
        lastFrames_ = transition->Execute(Peer()->Capture(), [this](const TBitmap& frame) {
            if (Peer()) Peer()->PaintFrame(frame);
        });
        if (Peer()) Peer()->EndFrames();
        guard.container = nullptr;
        Repaint();
    }
    if (form == form_ && form->CanFocus()) form->SetFocus();
}

void TFormContainer::Destroying() {
    TFirstError errors;
    errors.Run([&] { TWinControl::Destroying(); });
    // The page goes before the form around the container runs its own
    // OnDestroy, so that a page that writes its state when released writes
    // it first.
    // Pages released but not yet freed go now as well.
    if (TForm* page = form_) {
        form_ = nullptr;
        errors.Run([&] { TComponent::Free(page); });
    }
    for (int i = ComponentCount() - 1; i >= 0; --i) {
        if (i >= ComponentCount()) continue;
        if (TForm* page = dynamic_cast<TForm*>(Component(i))) errors.Run([&] { TComponent::Free(page); });
    }
    errors.Rethrow();
}

void TFormContainer::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == form_) form_ = nullptr;
}

}  // namespace widgets
