// The frame of a page form that a page container shows: no border, normal
// style and state, invisible until shown, silver. Page forms carry no
// name: every visit makes a new one while the old one is still going.
#pragma once

#include "widgets/form.h"

namespace widgets {

class TPageForm : public TForm {
public:
    TPageForm(TComponent* owner, int width, int height) : TForm(owner) {
        SetBorderStyle(bsNone);
        SetVisible(false);
        SetClientSize(width, height);
        SetColor(clSilver);
        Font().SetName("Tahoma");
        Font().SetHeight(-11);
    }
    const char* ClassName() const override { return "TPageForm"; }
};

}  // namespace widgets
