// What the interface, system and network pages have in common: switches
// and edits bound to keys of one section of "tmpcfg32.twc" through one
// table, the launcher buttons of an outside module, the applet selector
// and the frames and texts around them.
#pragma once

#include <string>
#include <vector>

#include "pages/ahm_applet_dialog.h"
#include "widgets/ep_ef_tr_btn.h"
#include "widgets/ep_morph_button.h"
#include "widgets/image_combo_box.h"
#include "widgets/label.h"
#include "widgets/win_control.h"

namespace pages {

// A check box or an edit and its key. A box reads any number other than 0
// as checked and writes "1" or "0"; an edit's text is written so that it
// reads back as it stands. A missing key shows as unchecked or empty.
struct TKeyBinding {
    widgets::TControl* control;
    const char* key;
};
void LoadBindings(const char* section, const std::vector<TKeyBinding>& bindings);
void FlushBindings(const char* section, const std::vector<TKeyBinding>& bindings);

// One launcher button: its entry point in the page's outside module.
struct TLauncherRow {
    const char* name;
    const char* caption;
    int left, top;
    const char* entry;
    const char* glyph;
};
widgets::TepEfTrBtn* MakeLauncher(widgets::TComponent* page, const TLauncherRow& row);

// One item of an applet selector and the applet kind it launches.
struct TAppletItem {
    const char* caption;
    TAHMAppletType type;
    const char* icon;
};
// Fills the selector with its items and their pictures, first item chosen.
void FillAppletSelector(widgets::TImageComboBox* box, const std::vector<TAppletItem>& items);
// Launches the applet of the chosen item.
void LaunchApplet(TAHMAppletDialog* dialog, const widgets::TImageComboBox* box, const std::vector<TAppletItem>& items);

// A fixed text of the page; a line break in it is CR LF.
widgets::TLabel* MakeText(widgets::TComponent* page, const std::string& name, int left, int top,
                          const std::string& caption);
// A bevelled frame.
void MakeFrame(widgets::TComponent* page, const std::string& name, int left, int top, int width, int height);
// A 32 x 32 icon.
void MakeIcon(widgets::TComponent* page, const std::string& name, int left, int top, const char* picture);
// The small animated button beside the selector.
widgets::TepMorphButton* MakeMorphButton(widgets::TComponent* page, int left, int top);

}  // namespace pages
