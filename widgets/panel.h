// A panel: a raised, lowered or flat area that holds other controls.
#pragma once

#include "widgets/win_control.h"

namespace widgets {

enum TPanelBevel { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);

    const char* ClassName() const override { return "TPanel"; }

    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel bevel);
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    // bsNone or bsSingle (a black frame).
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    TRect AlignArea() const override;

private:
    void Restyle() override;

    TPanelBevel bevelInner_ = bvNone;
    TPanelBevel bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    TFormBorderStyle borderStyle_ = bsNone;
    TAlignment alignment_ = taCenter;
};

}  // namespace widgets
