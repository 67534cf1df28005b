// The system page of the settings window. Its controls come with the next
// settings pages; until then it shows an empty page of its own class.
#pragma once

#include "pages/settings_page.h"

namespace pages {

class TFrm_System : public TSettingsPage {
public:
    explicit TFrm_System(widgets::TComponent* owner) : TSettingsPage(owner) {}
    const char* ClassName() const override { return "TFrm_System"; }

protected:
    void GetData() override {}
    void FlushData() override {}
};

}  // namespace pages
