// The title label: a text drawn with an anti-aliased face and a soft
// shadow beneath it.
#pragma once

#include "widgets/label.h"

namespace widgets {

class TRGBALabel : public TLabel {
public:
    explicit TRGBALabel(TComponent* owner);

    const char* ClassName() const override { return "TRGBALabel"; }

    TPoint ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(TPoint offset);
    // Radius of the blur in pixels.
    int ShadowBlur() const { return shadowBlur_; }
    void SetShadowBlur(int blur);
    // Opacity of the shadow in percent.
    int ShadowOpacity() const { return shadowOpacity_; }
    void SetShadowOpacity(int percent);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor color);
    bool Antialiased() const { return antialiased_; }
    void SetAntialiased(bool antialiased);

private:

    TPoint shadowOffset_{2, 2};
    int shadowBlur_ = 3;
    int shadowOpacity_ = 60;
    TColor shadowColor_ = clBlack;
    bool antialiased_ = true;
};

}  // namespace widgets
