// A number field with spin buttons.
//
// The field holds text; Value is the whole number in it, or MinValue when
// it holds none (empty, a lone sign, a decimal). With MinValue and
// MaxValue both 0 there are no bounds. The spin buttons and the up and
// down keys step by Increment and stop at the bounds; a typed number
// outside the bounds is kept as typed and set to the nearest bound when
// the field loses the focus.
#pragma once

#include <optional>
#include <string>

#include "widgets/edit.h"

namespace widgets {

class TSpinEdit : public TEdit {
public:
    explicit TSpinEdit(TComponent* owner);

    const char* ClassName() const override { return "TSpinEdit"; }

    int MinValue() const { return minValue_; }
    void SetMinValue(int value) { minValue_ = value; }
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value) { maxValue_ = value; }
    int Increment() const { return increment_; }
    void SetIncrement(int increment) { increment_ = increment; }

    int Value() const;
    // Sets the text to the value, brought within the bounds.
    void SetValue(int value);
    // The value brought within the bounds.
    int CheckValue(int value) const;

    // The spin buttons.
    void StepUp();
    void StepDown();
    // Whether the field takes a typed character: digits, signs, the
    // decimal separator and control keys other than Enter.
    static bool IsValidChar(char key);
    // The whole number in a text, or nothing.
    static std::optional<int> ParseWhole(const std::string& text);

protected:
    void DoKeyDown(uint16_t& key) override;
    void DoKeyPress(char& key) override;
    void DoExit() override;

private:
    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
};

}  // namespace widgets
