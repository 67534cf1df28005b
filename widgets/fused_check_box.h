// A check box that takes the colour of the control it stands on, so that
// it sits on a bevelled frame or a page without a box of its own colour.
#pragma once

#include "widgets/check_box.h"

namespace widgets {

class TFusedCheckBox : public TCheckBox {
public:
    explicit TFusedCheckBox(TComponent* owner) : TCheckBox(owner) { SetParentColor(true); }
    const char* ClassName() const override { return "TFusedCheckBox"; }
};

}  // namespace widgets
