#include "sysinfo/scope.h"

#include <cmath>

namespace sysinfo {

using namespace widgets;

int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

TScope::TScope(TComponent* owner) : TControl(owner) {
    timer_ = new TTimer(this);
    timer_->SetEnabled(false);
    timer_->SetInterval(500);
    timer_->OnTimer = [this](TComponent*) { ScrollStep(); };
    SetBounds(Left(), Top(), 208, 120);
    canvas_.Pen = TPen{clBlack, 1, psSolid};
    canvas_.Brush = TBrush{clWhite};
    ComputeBaseY();
    prevY_ = lastY_ = baseY_;
    ready_ = true;
}

TScope::~TScope() = default;

void TScope::ComputeBaseY() { baseY_ = Height() - RoundEven(Height() / 100.0 * baseline_); }

void TScope::GridChanged() {
    if (!ready_) return;
    DrawGrid();
    if (Parent()) Paint();
}

void TScope::SetBaseline(int baseline) {
    baseline_ = baseline;
    ComputeBaseY();
    GridChanged();
}

void TScope::SetGridsize(int gridsize) {
    if (gridsize < 2) return;
    gridsize_ = gridsize / 2 * 2;
    GridChanged();
}

void TScope::SetActive(bool active) {
    ComputeBaseY();
    timer_->SetInterval(static_cast<uint32_t>(interval_) * 10);
    timer_->SetEnabled(active);
    active_ = active;
}

void TScope::SetInterval(int interval) {
    if (interval <= 0) return;
    timer_->SetEnabled(false);
    ComputeBaseY();
    timer_->SetInterval(static_cast<uint32_t>(interval) * 10);
    interval_ = interval;
    if (active_) timer_->SetEnabled(true);
}

void TScope::SetBitMap(const TBitmap& picture) { bitmap_ = picture; }

void TScope::Resized() {
    bitmap_.SetSize(Width(), Height());
    TControl::Resized();
}

void TScope::Paint() {
    bitmap_.SetSize(Width(), Height());
    ready_ = true;
}

void TScope::DrawGrid() {
    const int w = Width(), h = Height();
    ComputeBaseY();
    canvas_.Brush.Color = color_;
    canvas_.Pen.Style = psClear;
    canvas_.Rectangle(0, 0, w + 1, h + 1);
    canvas_.Pen.Style = psSolid;
    canvas_.Pen.Color = gridcolor_;
    canvas_.Pen.Width = 1;
    for (int x = w; x > 0; x -= gridsize_) {
        canvas_.MoveTo(x - 1, 0);
        canvas_.LineTo(x - 1, h);
    }
    for (int y = baseY_; y < h;) {
        y += gridsize_;
        canvas_.MoveTo(0, y);
        canvas_.LineTo(w, y);
    }
    for (int y = baseY_; y > 0;) {
        y -= gridsize_;
        canvas_.MoveTo(0, y);
        canvas_.LineTo(w, y);
    }
    canvas_.Pen.Color = basecolor_;
    canvas_.MoveTo(0, baseY_);
    canvas_.LineTo(w, baseY_);
    prevY_ = lastY_ = baseY_;
    gridPhase_ = 1;
}

void TScope::ScrollStep() {
    const int w = Width(), h = Height();
    canvas_.CopyRect(TRect{0, 0, w - 2, h}, TRect{2, 0, w, h});
    canvas_.Pen.Color = color_;
    canvas_.Pen.Width = 2;
    canvas_.MoveTo(w - 1, 0);
    canvas_.LineTo(w - 1, h);
    canvas_.Pen.Color = gridcolor_;
    canvas_.Pen.Width = 1;
    if (gridsize_ / 2 == gridPhase_) {
        canvas_.MoveTo(w - 1, 0);
        canvas_.LineTo(w - 1, h);
        gridPhase_ = 0;
    }
    ++gridPhase_;
    for (int y = baseY_; y < h;) {
        y += gridsize_;
        canvas_.MoveTo(w - 2, y);
        canvas_.LineTo(w, y);
    }
    for (int y = baseY_; y > 0;) {
        y -= gridsize_;
        canvas_.MoveTo(w - 2, y);
        canvas_.LineTo(w, y);
    }
    canvas_.Pen.Color = basecolor_;
    canvas_.MoveTo(w - 2, baseY_);
    canvas_.LineTo(w, baseY_);
    canvas_.Pen.Color = linecolor_;
    const int n = h - RoundEven(h / 100.0 * position_);
    canvas_.MoveTo(w - 4, prevY_);
    canvas_.LineTo(w - 2, lastY_);
    canvas_.LineTo(w, n);
    prevY_ = lastY_;
    lastY_ = n;
    Paint();
    if (OnUpdate) OnUpdate(this);
}

}  // namespace sysinfo
