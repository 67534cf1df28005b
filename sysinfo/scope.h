// TScope: the oscilloscope-like strip chart of the processor load.
//
// It draws into a bitmap of its own; its timer moves the chart two pixels
// to the left at every step, draws the newest value at the right edge and
// then raises OnUpdate. The chart reaches the user only through BitMap().
#pragma once

#include "widgets/bitmap.h"
#include "widgets/canvas.h"
#include "widgets/control.h"
#include "widgets/timer.h"

namespace sysinfo {

// Round to the nearest integer, halves to the even neighbour.
int RoundEven(double value);

class TScope : public widgets::TControl {
public:
    explicit TScope(widgets::TComponent* owner);
    ~TScope() override;

    const char* ClassName() const override { return "TScope"; }

    int Baseline() const { return baseline_; }
    void SetBaseline(int baseline);
    int Gridsize() const { return gridsize_; }
    // Stored made even ((value div 2) x 2); a value below 2 would leave the
    // grid loops without progress and is refused.
    void SetGridsize(int gridsize);
    bool Active() const { return active_; }
    void SetActive(bool active);
    int Position() const { return position_; }
    void SetPosition(int position) { position_ = position; }
    // Hundredths of a second; 0 or less would give the timer no period and
    // is refused.
    int Interval() const { return interval_; }
    void SetInterval(int interval);
    widgets::TColor Color() const { return color_; }
    void SetColor(widgets::TColor color) { color_ = color; }
    widgets::TColor Gridcolor() const { return gridcolor_; }
    void SetGridcolor(widgets::TColor color) { gridcolor_ = color; }
    widgets::TColor Linecolor() const { return linecolor_; }
    void SetLinecolor(widgets::TColor color) { linecolor_ = color; }
    widgets::TColor Basecolor() const { return basecolor_; }
    void SetBasecolor(widgets::TColor color) { basecolor_ = color; }
    const widgets::TBitmap& BitMap() const { return bitmap_; }
    void SetBitMap(const widgets::TBitmap& picture);

    widgets::TNotifyEvent OnUpdate;

    // Clears the bitmap and draws the complete grid and base line.
    void DrawGrid();
    // The timer's step.
    void ScrollStep();
    // Gives the bitmap the control's size and marks the scope ready; the
    // bitmap is not shown on the screen.
    void Paint();

    int BaseY() const { return baseY_; }
    int GridPhase() const { return gridPhase_; }
    int PrevY() const { return prevY_; }
    int LastY() const { return lastY_; }
    bool Ready() const { return ready_; }
    const widgets::TTimer& Timer() const { return *timer_; }

protected:
    void Resized() override;

private:
    void ComputeBaseY();
    void GridChanged();

    int baseline_ = 50;
    int gridsize_ = 16;
    bool active_ = false;
    int position_ = 50;
    int interval_ = 50;
    widgets::TColor color_ = widgets::clBlack;
    widgets::TColor gridcolor_ = widgets::clGreen;
    widgets::TColor linecolor_ = widgets::clLime;
    widgets::TColor basecolor_ = widgets::clRed;
    widgets::TBitmap bitmap_;
    widgets::TCanvas canvas_{bitmap_};
    widgets::TTimer* timer_ = nullptr;  // owned by the scope as its component
    int baseY_ = 0;
    int prevY_ = 0;
    int lastY_ = 0;
    int gridPhase_ = 1;
    bool ready_ = false;
};

}  // namespace sysinfo
