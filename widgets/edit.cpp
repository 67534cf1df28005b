#include "widgets/edit.h"

namespace widgets {

TEdit::TEdit(TComponent* owner) : TWinControl(owner) { SetColor(clWindow); }

void TEdit::SetPasswordChar(char c) {
    if (c == passwordChar_) return;
    passwordChar_ = c;
    PeerChanged(PeerProperty::PasswordChar);
    Invalidate();
}

void TEdit::SetMaxLength(int length) {
    if (length < 0) length = 0;
    if (length == maxLength_) return;
    maxLength_ = length;
    PeerChanged(PeerProperty::MaxLength);
}

void TEdit::SetReadOnly(bool readOnly) {
    if (readOnly == readOnly_) return;
    readOnly_ = readOnly;
    PeerChanged(PeerProperty::ReadOnly);
}

std::string TEdit::DisplayText() const { return passwordChar_ ? std::string(Text().size(), passwordChar_) : Text(); }

void TEdit::TypeText(const std::string& keys) {
    for (char key : keys) KeyPress(key);
}

void TEdit::TextChanged() {
    modified_ = true;
    Invalidate();
    Change();
}

void TEdit::Change() {
    if (OnChange) OnChange(this);
}

void TEdit::ApplyKeyPress(char key) {
    if (readOnly_) return;
    if (key == '\b') {
        if (!Text().empty()) SetText(Text().substr(0, Text().size() - 1));
        return;
    }
    if (static_cast<unsigned char>(key) < 0x20) return;
    if (maxLength_ > 0 && static_cast<int>(Text().size()) >= maxLength_) return;
    SetText(Text() + key);
}

}  // namespace widgets
