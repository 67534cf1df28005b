// A progress bar: Progress from MinValue to MaxValue (0 to 100 unless
// set), kept within them.
#pragma once

#include "widgets/control.h"

namespace widgets {

class TGauge : public TControl {
public:
    explicit TGauge(TComponent* owner) : TControl(owner) {}

    const char* ClassName() const override { return "TGauge"; }

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    // Raises EInvalidOperation when the minimum lies above the maximum.
    void SetRange(int minValue, int maxValue);
    int Progress() const { return progress_; }
    void SetProgress(int progress);
    // Progress in percent of the range, 0 to 100.
    int PercentDone() const;

    TColor ForeColor() const { return foreColor_; }
    void SetForeColor(TColor color);
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor color);
    bool ShowText() const { return showText_; }
    void SetShowText(bool show);

private:

    int minValue_ = 0;
    int maxValue_ = 100;
    int progress_ = 0;
    TColor foreColor_ = clNavy;
    TColor backColor_ = clWhite;
    bool showText_ = true;
};

}  // namespace widgets
