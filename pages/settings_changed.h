// The settings-changed flag of the main window, as a settings page sees it:
// the window that hosts the pages implements this, and a page finds it on
// its outermost form when the user changes something.
#pragma once

namespace widgets {
class TControl;
}

namespace pages {

class SettingsChangedTarget {
public:
    virtual ~SettingsChangedTarget() = default;
    // The user changed a setting; the close query will ask about applying.
    virtual void SetSettingsChanged() = 0;
};

// The target on the outermost form of the control, or null when the form
// around it is no such window (a page shown on its own).
SettingsChangedTarget* FindSettingsChangedTarget(widgets::TControl& control);

}  // namespace pages
