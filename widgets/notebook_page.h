// One page of a notebook; its caption is the page's name.
#pragma once

#include "widgets/win_control.h"

namespace widgets {

class TNotebookPage : public TWinControl {
public:
    explicit TNotebookPage(TComponent* owner) : TWinControl(owner) {
        visible_ = false;
        SetAlign(alClient);
    }

    const char* ClassName() const override { return "TPage"; }
};

}  // namespace widgets
