// A check box without a background of its own: it paints over whatever
// lies beneath it, a picture for instance.
#pragma once

#include "widgets/check_box.h"

namespace widgets {

class TFlatCheckBox : public TCheckBox {
public:
    explicit TFlatCheckBox(TComponent* owner) : TCheckBox(owner) { SetTransparent(true); }
    const char* ClassName() const override { return "TFlatCheckBox"; }
};

}  // namespace widgets
