// A framed group of controls with a caption in its top edge.
#pragma once

#include "widgets/win_control.h"

namespace widgets {

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner) : TWinControl(owner) {}

    const char* ClassName() const override { return "TGroupBox"; }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

protected:
    void TextChanged() override { Invalidate(); }
    // Inside the frame, below the caption line.
    TRect AlignArea() const override;

private:
    bool transparent_ = false;
};

}  // namespace widgets
