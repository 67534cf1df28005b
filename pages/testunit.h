// The settings window with its four settings pages.
#pragma once

#include "widgets/page_form.h"

namespace pages {

class TWnd_Settings : public widgets::TPageForm {
public:
    explicit TWnd_Settings(widgets::TComponent* owner) : widgets::TPageForm(owner, 451, 400) {}
    const char* ClassName() const override { return "TWnd_Settings"; }
};

}  // namespace pages
