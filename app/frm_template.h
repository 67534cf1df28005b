// The page that hosts one of the suite's outside modules inside the main
// window: mode 0 the performance module, mode 2 the repair module.
#pragma once

#include "widgets/page_form.h"

namespace app {

class TWnd_Template : public widgets::TPageForm {
public:
    explicit TWnd_Template(widgets::TComponent* owner) : widgets::TPageForm(owner, 451, 400) {}
    const char* ClassName() const override { return "TWnd_Template"; }

    static constexpr int kPerformance = 0;
    static constexpr int kRepair = 2;
    int Mode() const { return mode_; }
    // Set before the page is shown.
    void SetMode(int mode) { mode_ = mode; }

private:
    int mode_ = kPerformance;
};

}  // namespace app
