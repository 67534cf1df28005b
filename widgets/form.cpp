#include "widgets/form.h"

#include <algorithm>

#include "widgets/application.h"
#include "widgets/button.h"
#include "widgets/dialog_host.h"
#include "widgets/errors.h"
#include "widgets/screen.h"

namespace widgets {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    visible_ = false;
    SetParentFont(false);
}

TForm::~TForm() {
    if (Application().MainForm() == this) Application().SetMainForm(nullptr);
}

void TForm::AfterConstruction() {
    loading_ = false;
    DoCreate();
    // A form that is visible at design time shows itself once created.
    if (Visible()) VisibleChanged();
}

void TForm::BeforeDestruction() {
    // First what the form owns learns that it goes (a page container frees
    // its page here), then the form's own OnDestroy, then the windows.
    TFirstError errors;
    errors.Run([&] { Destroying(); });
    errors.Run([&] { DoDestroy(); });
    if (Application().MainForm() == this) Application().SetMainForm(nullptr);
    errors.Run([&] { TWinControl::BeforeDestruction(); });
    errors.Rethrow();
}

void TForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == activeControl_) activeControl_ = nullptr;
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_) return;
    const int cw = ClientWidth(), ch = ClientHeight();
    borderStyle_ = style;
    PeerChanged(PeerProperty::Style);
    SetClientSize(cw, ch);
}

void TForm::SetFormStyle(TFormStyle style) {
    if (style == formStyle_) return;
    formStyle_ = style;
    PeerChanged(PeerProperty::Style);
}

void TForm::SetWindowState(TWindowState state) {
    if (state == windowState_) return;
    windowState_ = state;
    PeerChanged(PeerProperty::WindowState);
}

int TForm::ClientWidth() const { return std::max(Width() - Screen().FrameExtra(borderStyle_).cx, 0); }

int TForm::ClientHeight() const { return std::max(Height() - Screen().FrameExtra(borderStyle_).cy, 0); }

void TForm::SetClientSize(int width, int height) {
    const TSize extra = Screen().FrameExtra(borderStyle_);
    SetBounds(Left(), Top(), width + extra.cx, height + extra.cy);
}

void TForm::SetRegion(const std::vector<TRect>& rects) {
    if (rects == region_) return;
    region_ = rects;
    PeerChanged(PeerProperty::Region);
}

void TForm::BeginWindowMove() {
    ++windowMoves_;
    if (Peer()) Peer()->BeginWindowMove();
}

void TForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TForm::VisibleChanged() {
    if (loading_ || IsDestroying()) return;
    if (Visible()) {
        if (!Parent()) {
            PlaceOnScreen();
            HandleNeeded();
        }
        DoShow();
    } else {
        DoHide();
    }
}

void TForm::PlaceOnScreen() {
    if (placed_) return;
    placed_ = true;
    const TForm* over = nullptr;
    switch (position_) {
        case poOwnerFormCenter:
            over = dynamic_cast<const TForm*>(Owner());
            break;
        case poMainFormCenter:
            over = Application().MainForm();
            break;
        case poScreenCenter:
        case poDesktopCenter:
            break;
        default:
            return;
    }
    if (over == this) over = nullptr;
    TRect area = over ? over->BoundsRect() : TRect{0, 0, Screen().Width(), Screen().Height()};
    SetBounds(area.left + (area.Width() - Width()) / 2, area.top + (area.Height() - Height()) / 2, Width(), Height());
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application().MainForm() == this) {
        Application().Terminate();
        return;
    }
    switch (action) {
        case caHide:
            Hide();
            break;
        case caMinimize:
            SetWindowState(wsMinimized);
            break;
        case caFree:
            Release();
            break;
        case caNone:
            break;
    }
}

void TForm::Release() { Application().ScheduleRelease(this); }

TModalResult TForm::ShowModal() {
    if (Visible() || !Enabled() || modal_ || formStyle_ == fsMDIChild)
        throw EInvalidOperation("Ein sichtbares Fenster kann nicht modal gemacht werden");
    modalResult_ = mrNone;
    modal_ = true;
    TModalResult result = mrNone;
    try {
        Show();
        result = Dialogs().RunModal(*this);
    } catch (...) {
        modal_ = false;
        if (!IsDestroying()) Hide();
        throw;
    }
    modal_ = false;
    Hide();
    return result;
}

void TForm::CloseModal() {
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        modalResult_ = mrNone;
    else if (action == caFree)
        Release();
}

TModalResult TForm::ModalLoop() {
    do {
        Application().HandleMessage();
        if (Application().Terminated())
            modalResult_ = mrCancel;
        else if (modalResult_ != mrNone)
            CloseModal();
    } while (modalResult_ == mrNone);
    return modalResult_;
}

void TForm::SetActiveControl(TControl* control) {
    if (control == activeControl_) return;
    TControl* old = activeControl_;
    if (old) old->RemoveFreeNotification(this);
    activeControl_ = control;
    if (control) control->FreeNotification(this);
    if (!Parent()) {  // the window that has the keyboard tells enter and exit
        if (old && !old->IsDestroying()) old->DoExit();
        if (control) control->DoEnter();
    }
}

bool TForm::CanFocus() const { return TWinControl::CanFocus(); }

void TForm::SetFocus() {
    if (!CanFocus())
        throw EInvalidOperation("Ein deaktiviertes oder unsichtbares Fenster kann nicht den Fokus erhalten");
    TControl* target = activeControl_ ? activeControl_ : this;
    for (TControl* c = Parent(); c; c = c->Parent())
        if (TForm* form = dynamic_cast<TForm*>(c)) form->SetActiveControl(target);
    if (target->Peer())
        target->Peer()->SetFocus();
    else if (Peer())
        Peer()->SetFocus();
}

namespace {

// The first visible, enabled button of the kind among the descendants.
TButton* FindDialogButton(const TWinControl& parent, bool wantDefault) {
    for (TControl* child : parent.Children()) {
        if (!child->Visible() || !child->Enabled()) continue;
        if (TButton* button = dynamic_cast<TButton*>(child))
            if (wantDefault ? button->Default() : button->Cancel()) return button;
        if (TWinControl* inner = dynamic_cast<TWinControl*>(child))
            if (TButton* found = FindDialogButton(*inner, wantDefault)) return found;
    }
    return nullptr;
}

}  // namespace

bool TForm::DialogKey(uint16_t key) {
    TButton* button = nullptr;
    if (key == kVkReturn) {
        button = dynamic_cast<TButton*>(activeControl_);
        if (!button) button = FindDialogButton(*this, true);
    } else if (key == kVkEscape) {
        button = FindDialogButton(*this, false);
    }
    if (!button) return false;
    button->Click();
    return true;
}

void TForm::AddInputFilter(InputFilter* filter) {
    if (filter && std::find(filters_.begin(), filters_.end(), filter) == filters_.end()) filters_.push_back(filter);
}

void TForm::RemoveInputFilter(InputFilter* filter) {
    filters_.erase(std::remove(filters_.begin(), filters_.end(), filter), filters_.end());
}

bool TForm::FilterInputFor(TControl& target, const InputEvent& event) {
    const std::vector<InputFilter*> filters = filters_;
    for (InputFilter* filter : filters)
        if (std::find(filters_.begin(), filters_.end(), filter) != filters_.end() && filter->FilterInput(target, event))
            return true;
    return false;
}

void TForm::DoCreate() {
    if (!OnCreate) return;
    try {
        OnCreate(this);
    } catch (const std::exception& error) {
        // As with the VCL, an error in OnCreate goes to the application's
        // handler and the form stays; without a handler it propagates.
        if (!Application().HandleException(this, error)) throw;
    }
}

void TForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TForm::DoHide() {
    if (OnHide) OnHide(this);
}

void TForm::DoDestroy() {
    if (OnDestroy) OnDestroy(this);
}

void TForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(this, action);
}

}  // namespace widgets
