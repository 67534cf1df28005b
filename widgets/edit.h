// A one-line edit field. Every change of its text, in code or keystroke by
// keystroke, fires OnChange.
#pragma once

#include <string>

#include "widgets/win_control.h"

namespace widgets {

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);

    const char* ClassName() const override { return "TEdit"; }

    // Shown for every character instead of it; '\0' shows the text.
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c);
    // The most characters the user can type; 0 for no limit. Text set in
    // code is not cut.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // The text as the field shows it.
    std::string DisplayText() const;
    // Types the characters one by one as the user would (Backspace is
    // '\b'); each accepted keystroke fires OnChange.
    void TypeText(const std::string& keys);

    TNotifyEvent OnChange;

protected:
    void TextChanged() override;
    void ApplyKeyPress(char key) override;
    virtual void Change();

private:
    char passwordChar_ = '\0';
    int maxLength_ = 0;
    bool readOnly_ = false;
    bool modified_ = false;
};

}  // namespace widgets
