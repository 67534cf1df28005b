// A window of the program: the main window, a dialog or a page form that
// a page container shows.
//
// A form is created with CreateForm<T>(owner), which runs OnCreate after
// the constructor of the form class has placed its components, and freed
// with Free() or, from inside its own event handlers, with Release().
#pragma once

#include <string>
#include <vector>

#include "widgets/component.h"
#include "widgets/input_filter.h"
#include "widgets/win_control.h"

namespace widgets {

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    const char* ClassName() const override { return "TForm"; }

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    // Keeps the client size.
    void SetBorderStyle(TFormBorderStyle style);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style);
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    bool Scaled() const { return scaled_; }
    void SetScaled(bool scaled) { scaled_ = scaled; }

    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
    void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
    void SetClientSize(int width, int height);

    // The window outline, as rectangles in window coordinates; empty for
    // the plain rectangle.
    const std::vector<TRect>& Region() const { return region_; }
    void SetRegion(const std::vector<TRect>& rects);
    // Drags the window as if by its caption (pressing its background).
    void BeginWindowMove();
    int WindowMoveRequests() const { return windowMoves_; }

    // ------------------------------------------------------------ life
    // Visible and in front.
    void Show();
    // Asks OnCloseQuery; then OnClose decides: hide (the default), free,
    // minimise or nothing. Closing the main form ends the program. A modal
    // form gets the result mrCancel instead.
    void Close();
    // True when OnCloseQuery allows closing.
    virtual bool CloseQuery();
    // Frees the form once the current message has been handled.
    void Release();

    // Shows the form modally until its ModalResult is set; returns it.
    // Raises EInvalidOperation for a visible form.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool IsModal() const { return modal_; }
    // The end of a modal run: close query and OnClose; a refusal sets the
    // result back to mrNone.
    void CloseModal();
    // The modal message loop for a native dialog host.
    TModalResult ModalLoop();

    // ------------------------------------------------------------ focus
    TControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TControl* control);
    bool CanFocus() const override;
    void SetFocus() override;

    // Enter presses the focused button or else the default button, Escape
    // the cancel button; true when a button took the key.
    bool DialogKey(uint16_t key);

    // Input of every control in the form passes the filters first.
    void AddInputFilter(InputFilter* filter);
    void RemoveInputFilter(InputFilter* filter);
    bool FilterInputFor(TControl& target, const InputEvent& event) override;

    void AfterConstruction() override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void BeforeDestruction() override;
    void Notification(TComponent* component, TOperation operation) override;
    void VisibleChanged() override;

    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoDestroy();
    virtual void DoClose(TCloseAction& action);

private:
    void PlaceOnScreen();

    TFormBorderStyle borderStyle_ = bsSizeable;
    TFormStyle formStyle_ = fsNormal;
    TWindowState windowState_ = wsNormal;
    TPosition position_ = poDesigned;
    bool scaled_ = true;
    bool loading_ = true;  // until AfterConstruction
    bool placed_ = false;
    bool modal_ = false;
    TModalResult modalResult_ = mrNone;
    TControl* activeControl_ = nullptr;
    std::vector<InputFilter*> filters_;
    std::vector<TRect> region_;
    int windowMoves_ = 0;
};

// Creates a form of class T: its constructor places the components, then
// OnCreate runs. The owner frees it; without an owner free it yourself.
template <class T, class... Args>
T* CreateForm(TComponent* owner, Args&&... args) {
    return CreateComponent<T>(owner, std::forward<Args>(args)...);
}

}  // namespace widgets
