// A radio button. The radio buttons with the same parent form a group:
// checking one unchecks the others. OnClick fires when a button becomes
// checked, in code or by the user.
#pragma once

#include "widgets/win_control.h"

namespace widgets {

class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner) : TWinControl(owner) {}

    const char* ClassName() const override { return "TRadioButton"; }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

    void UserClick() override { SetChecked(true); }

protected:
    void TextChanged() override { Invalidate(); }
    // The arrow keys move to the previous or next enabled radio button of
    // the group, round at its ends, and check it, as in a Windows dialog.
    void DoKeyDown(uint16_t& key) override;

private:
    bool checked_ = false;
    TAlignment alignment_ = taRightJustify;
};

}  // namespace widgets
