#include "widgets/cool_form.h"

#include "widgets/form.h"
#include "widgets/region.h"

namespace widgets {

void TCoolForm::SetRegionData(const std::string& block) {
    rects_ = ParseRegionBlock(block).rects;
    Apply();
}

void TCoolForm::SetParent(TWinControl* parent) {
    TImage::SetParent(parent);
    Apply();
}

void TCoolForm::Apply() {
    if (rects_.empty()) return;
    if (TForm* form = dynamic_cast<TForm*>(Parent())) form->SetRegion(rects_);
}

void TCoolForm::DoMouseDown(TMouseButton button, int x, int y) {
    TImage::DoMouseDown(button, x, y);
    if (button != mbLeft) return;
    // The window move takes the mouse until the button is let go.
    if (TForm* form = dynamic_cast<TForm*>(Parent())) form->BeginWindowMove();
}

}  // namespace widgets
