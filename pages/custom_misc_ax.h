// The network and internet page of the settings window. Its controls come with the next
// settings pages; until then it shows an empty page of its own class.
#pragma once

#include "pages/settings_page.h"

namespace pages {

class TFrm_More : public TSettingsPage {
public:
    explicit TFrm_More(widgets::TComponent* owner) : TSettingsPage(owner) {}
    const char* ClassName() const override { return "TFrm_More"; }

protected:
    void GetData() override {}
    void FlushData() override {}
};

}  // namespace pages
