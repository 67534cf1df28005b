// Opens a control-panel applet, or the Control Panel folder, in a process
// of its own through "rundll32.exe" and shell32's Control_RunDLL. A page
// names the kind of applet; the table gives its file and number.
//
// Setting AppletType, AppletName or AppletModule applies the table row of
// the type unless the type is apCustom, so a name or module of one's own
// holds only with apCustom. AppletTab is never touched by the table.
#pragma once

#include <cstdint>
#include <string>

#include "pages/ahm_dialog_component.h"

namespace pages {

enum TAHMAppletType {
    apCustom,
    apApplication,
    apAccessibility,
    apBDEAdmin,
    apDisplay,
    apFindFast,
    apInternet,
    apInternational,
    apJoystick,
    apMouse,
    apMultimedia,
    apModem,
    apNetwork,
    apODBC,
    apPassword,
    apPowerCfg,
    apSystem,
    apTelephone,
    apThemes,
    apDateTime,
    apKeyboard,
    apPrinters,
    apFonts,
    apControlPanel,
    apHardware2K,
    apScanner2K,
    apNetwork2K,
    apFax2K,
    apFolderOptions2K,
};
constexpr int kAppletTypeCount = apFolderOptions2K + 1;

// One row of the table: the control-panel file without ".cpl" and the
// number of the applet inside it.
struct TAppletRow {
    char name[129];
    uint8_t module;
};
// Indexed by TAHMAppletType; row 0 (apCustom) is never looked up.
extern const TAppletRow kAppletTable[kAppletTypeCount];

class TAHMAppletDialog : public TAHMDialogComponent {
public:
    explicit TAHMAppletDialog(widgets::TComponent* owner) : TAHMDialogComponent(owner) {}
    const char* ClassName() const override { return "TAHMAppletDialog"; }

    TAHMAppletType AppletType() const { return type_; }
    void SetAppletType(TAHMAppletType type);
    const std::string& AppletName() const { return name_; }
    void SetAppletName(const std::string& name);
    uint8_t AppletTab() const { return tab_; }
    void SetAppletTab(uint8_t tab) { tab_ = tab; }
    uint8_t AppletModule() const { return module_; }
    void SetAppletModule(uint8_t module);

    // The text handed to rundll32.exe for the current properties.
    std::string Parameters() const;
    // Starts the applet without waiting for it and without looking at the
    // outcome, beeps by Sound and returns false.
    bool Execute();

private:
    void ApplyTable();

    TAHMAppletType type_ = apCustom;
    std::string name_;
    uint8_t tab_ = 0;
    uint8_t module_ = 0;
};

}  // namespace pages
