// The splash window of the start: four progress lines that the program
// ticks and a progress bar that the start-up breakpoint shows while it
// writes its archive.
#pragma once

#include <array>

#include "widgets/check_box.h"
#include "widgets/form.h"
#include "widgets/gauge.h"
#include "widgets/image.h"

namespace app {

class TFrmSplash : public widgets::TForm {
public:
    explicit TFrmSplash(widgets::TComponent* owner);
    const char* ClassName() const override { return "TFrmSplash"; }

    // Progress line 1 to 4.
    widgets::TCheckBox* Line(int number) const { return lines_.at(number - 1); }
    // Ticks a progress line and paints it at once.
    void TickLine(int number);

    // Takes the start-up breakpoint; it shows Gauge1 while it writes.
    void CreateProgStartBreakPoint();

    widgets::TImage* Image1 = nullptr;  // background
    widgets::TImage* Image2 = nullptr;  // logo
    widgets::TGauge* Gauge1 = nullptr;

private:
    std::array<widgets::TCheckBox*, 4> lines_{};
};

// The splash window of this run while it stands; null otherwise.
TFrmSplash* FrmSplash();
void SetFrmSplash(TFrmSplash* splash);

}  // namespace app
