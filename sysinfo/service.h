// The service page with the module version table.
#pragma once

#include "widgets/page_form.h"

namespace sysinfo {

class TFRM_Service : public widgets::TPageForm {
public:
    explicit TFRM_Service(widgets::TComponent* owner) : widgets::TPageForm(owner, 451, 400) {}
    const char* ClassName() const override { return "TFRM_Service"; }
};

}  // namespace sysinfo
