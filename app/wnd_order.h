// The product information page.
#pragma once

#include "widgets/page_form.h"

namespace app {

class TWndOrder : public widgets::TPageForm {
public:
    explicit TWndOrder(widgets::TComponent* owner) : widgets::TPageForm(owner, 451, 400) {}
    const char* ClassName() const override { return "TWndOrder"; }
};

}  // namespace app
