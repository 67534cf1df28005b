// A picture button with a normal and a pressed picture and the hand
// cursor; it keeps no selected state.
#pragma once

#include "widgets/bitmap_button.h"

namespace widgets {

class TBUImage : public TBitmapButton {
public:
    explicit TBUImage(TComponent* owner) : TBitmapButton(owner) { SetCursor(crHandPoint); }

    const char* ClassName() const override { return "TBUImage"; }
};

}  // namespace widgets
