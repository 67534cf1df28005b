// The page that hosts one of the suite's outside modules inside the main
// window: mode 0 the performance module, mode 2 the repair module.
#pragma once

#include <memory>

#include "platform/activex.h"
#include "widgets/page_form.h"
#include "widgets/panel.h"

namespace app {

class TWnd_Template : public widgets::TPageForm {
public:
    explicit TWnd_Template(widgets::TComponent* owner);
    ~TWnd_Template() override;
    const char* ClassName() const override { return "TWnd_Template"; }

    static constexpr int kPerformance = 0;
    static constexpr int kRepair = 2;
    static constexpr const char* kPerformanceClassId = "{69DE8265-E4C4-11D4-895F-00E07D7246FD}";
    static constexpr const char* kRepairClassId = "{E94CC445-DCE9-11D4-895F-00E07D7246FD}";
    // Dispatch ids of the modules' properties.
    static constexpr int kAxBorderStyle = 4;
    static constexpr int kHandleWnd = 15;

    int Mode() const { return mode_; }
    // Set before the page is shown.
    void SetMode(int mode) { mode_ = mode; }
    // The hosted control; null for an empty page.
    platform::ActiveXControl* Control() const { return control_.get(); }

    void FormShow(widgets::TComponent* Sender);
    void FormHide(widgets::TComponent* Sender);

    widgets::TPanel* Panel1 = nullptr;

private:
    int mode_ = kPerformance;
    std::unique_ptr<platform::ActiveXControl> control_;
};

}  // namespace app
