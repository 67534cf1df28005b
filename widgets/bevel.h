// A bevelled frame or line, drawn by its parent.
#pragma once

#include "widgets/control.h"

namespace widgets {

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TControl {
public:
    explicit TBevel(TComponent* owner) : TControl(owner) {}

    const char* ClassName() const override { return "TBevel"; }

    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle style);

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

}  // namespace widgets
