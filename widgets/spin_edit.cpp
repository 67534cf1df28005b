#include "widgets/spin_edit.h"

#include <climits>

#include "platform/platform.h"
#include "widgets/application.h"

namespace widgets {

TSpinEdit::TSpinEdit(TComponent* owner) : TEdit(owner) {
    SetText("0");
    SetModified(false);
}

std::optional<int> TSpinEdit::ParseWhole(const std::string& text) {
    size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    if (at == text.size()) return std::nullopt;
    long long value = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) return std::nullopt;
    return static_cast<int>(value);
}

int TSpinEdit::Value() const { return ParseWhole(Text()).value_or(minValue_); }

int TSpinEdit::CheckValue(int value) const {
    if (maxValue_ == minValue_) return value;
    if (value < minValue_) return minValue_;
    if (value > maxValue_) return maxValue_;
    return value;
}

void TSpinEdit::SetValue(int value) { SetText(std::to_string(CheckValue(value))); }

void TSpinEdit::StepUp() {
    if (ReadOnly()) return;
    const long long next = static_cast<long long>(Value()) + increment_;
    SetValue(next > INT_MAX ? INT_MAX : static_cast<int>(next));
}

void TSpinEdit::StepDown() {
    if (ReadOnly()) return;
    const long long next = static_cast<long long>(Value()) - increment_;
    SetValue(next < INT_MIN ? INT_MIN : static_cast<int>(next));
}

bool TSpinEdit::IsValidChar(char key) {
    if (key >= '0' && key <= '9') return true;
    if (key == '+' || key == '-' || key == Application().DecimalSeparator) return true;
    return static_cast<unsigned char>(key) < 0x20 && key != '\r';
}

void TSpinEdit::DoKeyDown(uint16_t& key) {
    TEdit::DoKeyDown(key);
    if (key == kVkUp)
        StepUp();
    else if (key == kVkDown)
        StepDown();
}

void TSpinEdit::DoKeyPress(char& key) {
    if (!IsValidChar(key)) {
        // Refused with the default beep, as a Windows number field does.
        key = '\0';
        platform::Get().system().MessageBeep(platform::kBeepDefault);
        return;
    }
    TEdit::DoKeyPress(key);
}

void TSpinEdit::DoExit() {
    TEdit::DoExit();
    const int value = Value();
    if (CheckValue(value) != value) SetValue(value);
}

}  // namespace widgets
