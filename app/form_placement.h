// The window-position memory of the main window: the placement is written
// to the registry when the window closes and the position is taken back
// when it is shown, while the option is on.
#pragma once

#include <string>

#include "widgets/component.h"
#include "widgets/form.h"

namespace app {

class TFormPlacement : public widgets::TComponent {
public:
    TFormPlacement(widgets::TComponent* owner, widgets::TForm& form);
    const char* ClassName() const override { return "TFormPlacement"; }

    bool Active() const { return active_; }
    void SetActive(bool active) { active_ = active; }

    // Writes the placement under "Software\Halvorn\Quellwerk\Control",
    // subkey named after the form's class.
    void SavePlacement();
    // Moves the form to the stored normal position, keeping its size, when
    // the stored resolution equals the screen's. False when nothing was
    // restored.
    bool RestorePlacement();

private:
    widgets::TForm& form_;
    bool active_ = false;
};

// The option "RestorePos" (section Options under "Software\Halvorn\Quellwerk").
bool RestorePosOption();

}  // namespace app
