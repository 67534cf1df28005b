// The frame of the four settings pages: 452 x 367, silver, Tahoma 8 pt,
// not scaled, with the loading flag and the rule every page keeps.
//
// FormCreate loads the page (GetData with the loading flag set; the flag
// is cleared also when loading fails). A user change while the flag is
// clear sets the main window's settings-changed flag and flushes the page
// at once, so that the temp config always holds what the page shows.
// Releasing the page flushes once more; that flush writes only what the
// flushes after each change wrote already, so its errors are dropped
// rather than ending the program on its way out.
#pragma once

#include "widgets/page_form.h"

namespace pages {

class TSettingsPage : public widgets::TPageForm {
public:
    explicit TSettingsPage(widgets::TComponent* owner);
    const char* ClassName() const override { return "TSettingsPage"; }

    bool Loading() const { return loading_; }

    // Fills the controls from the temp config with the loading flag set.
    void Load();
    // Writes every key of the page to the temp config.
    void Flush() { FlushData(); }
    // What the page does after the user changed a control.
    void UserChange();

    virtual void FormCreate(widgets::TComponent* Sender);
    // The release flush; its errors are dropped (see above).
    void FormDestroy(widgets::TComponent* Sender);

protected:
    virtual void GetData() = 0;
    virtual void FlushData() = 0;

private:
    bool loading_ = false;
};

}  // namespace pages
