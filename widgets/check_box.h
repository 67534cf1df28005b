// A check box. Changing its state, in code or by the user, fires OnClick,
// so that a form's handler runs for both; forms that fill their boxes from
// stored values guard their handlers with a loading flag.
#pragma once

#include "widgets/win_control.h"

namespace widgets {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner) : TWinControl(owner) {}

    const char* ClassName() const override { return "TCheckBox"; }

    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool allow) { allowGrayed_ = allow; }
    // The caption's side of the box: taLeftJustify puts it left.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    // The user cannot change the box; the program still can.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // Paints over what lies beneath it instead of its own colour.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    // The next state, as a click gives it.
    void Toggle();
    void UserClick() override;

protected:
    void TextChanged() override { Invalidate(); }

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
    bool wordWrap_ = false;
    bool readOnly_ = false;
    bool transparent_ = false;
};

}  // namespace widgets
