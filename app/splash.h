// The splash window of the start: four progress lines that the program
// ticks and a progress bar that the start-up breakpoint shows while it
// writes its archive.
#pragma once

#include <array>

#include "safety/make_cab.h"
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

    // Takes the start-up breakpoint; it shows Gauge1 in its frame Image3
    // while it writes.
    void CreateProgStartBreakPoint();
    // The progress of MakeCab2 moves the gauge.
    void MakeCab2Progress(safety::TMakeCab* sender, uint8_t progressByFile, uint8_t progressByArchive);

    widgets::TImage* Image1 = nullptr;  // background
    widgets::TImage* Image2 = nullptr;  // logo
    widgets::TImage* Image3 = nullptr;  // the gauge's frame
    widgets::TGauge* Gauge1 = nullptr;
    safety::TMakeCab* MakeCab2 = nullptr;

private:
    std::array<widgets::TCheckBox*, 4> lines_{};
};

// The splash window of this run while it stands; null otherwise.
TFrmSplash* FrmSplash();
void SetFrmSplash(TFrmSplash* splash);

}  // namespace app
