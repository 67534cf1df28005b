// The system information page.
#pragma once

#include "widgets/image.h"
#include "widgets/label.h"
#include "widgets/page_form.h"

namespace sysinfo {

class TFrm_SysInfos : public widgets::TPageForm {
public:
    explicit TFrm_SysInfos(widgets::TComponent* owner) : widgets::TPageForm(owner, 451, 400) {}
    const char* ClassName() const override { return "TFrm_SysInfos"; }

    // The processor picture and the load label that the main window's
    // load feed writes.
    widgets::TImage* Image2 = nullptr;
    widgets::TLabel* Label1 = nullptr;
};

}  // namespace sysinfo
