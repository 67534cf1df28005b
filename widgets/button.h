// A push button. A button with a ModalResult closes its modal form with
// that result when clicked.
#pragma once

#include "widgets/win_control.h"

namespace widgets {

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner) : TWinControl(owner) {}

    const char* ClassName() const override { return "TButton"; }

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    // The button that Enter presses.
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    // The button that Escape presses.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }

    // Sets the form's ModalResult first, then fires OnClick.
    void Click() override;

protected:
    void TextChanged() override { Invalidate(); }

private:
    TModalResult modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
};

}  // namespace widgets
