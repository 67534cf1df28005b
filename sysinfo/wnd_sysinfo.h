// The system information page.
#pragma once

#include "widgets/page_form.h"

namespace sysinfo {

class TFrm_SysInfos : public widgets::TPageForm {
public:
    explicit TFrm_SysInfos(widgets::TComponent* owner) : widgets::TPageForm(owner, 451, 400) {}
    const char* ClassName() const override { return "TFrm_SysInfos"; }
};

}  // namespace sysinfo
