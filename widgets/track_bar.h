// A slider over the whole numbers Min to Max. A change of Position, in
// code or by the user, fires OnChange; positions are kept within range.
#pragma once

#include "widgets/win_control.h"

namespace widgets {

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* owner) : TWinControl(owner) {}

    const char* ClassName() const override { return "TTrackBar"; }

    int Min() const { return min_; }
    // Raises EInvalidOperation when Min would lie above Max.
    void SetMin(int min) { SetParams(min, max_, position_); }
    int Max() const { return max_; }
    void SetMax(int max) { SetParams(min_, max, position_); }
    int Position() const { return position_; }
    void SetPosition(int position) { SetParams(min_, max_, position); }
    void SetParams(int min, int max, int position);

    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation orientation);
    TTickMark TickMarks() const { return tickMarks_; }
    void SetTickMarks(TTickMark marks);
    TTickStyle TickStyle() const { return tickStyle_; }
    void SetTickStyle(TTickStyle style);
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);

    TNotifyEvent OnChange;

protected:
    virtual void Changed();

private:

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    TTrackBarOrientation orientation_ = trHorizontal;
    TTickMark tickMarks_ = tmBottomRight;
    TTickStyle tickStyle_ = tsAuto;
    int frequency_ = 1;
};

}  // namespace widgets
