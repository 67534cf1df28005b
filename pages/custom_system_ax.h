// The system page: four general switches of section SysSets of
// "tmpcfg32.twc"; six dialogs of the system module "qw32ssm.dll", the
// property sheet of the MS-DOS defaults "_default.pif" and five applets.
#pragma once

#include <vector>

#include "pages/ahm_applet_dialog.h"
#include "pages/ahm_shell_links.h"
#include "pages/page_parts.h"
#include "pages/settings_page.h"
#include "widgets/ep_ef_tr_btn.h"
#include "widgets/ep_morph_button.h"
#include "widgets/fused_check_box.h"
#include "widgets/image.h"
#include "widgets/image_combo_box.h"

namespace pages {

class TFrm_System : public TSettingsPage {
public:
    explicit TFrm_System(widgets::TComponent* owner);
    const char* ClassName() const override { return "TFrm_System"; }

    static constexpr const char* kModule = "qw32ssm.dll";

    // ------------------------------------------------------ components
    widgets::TFusedCheckBox* FusedCheckBox1 = nullptr;  // BeepOnError
    widgets::TFusedCheckBox* FusedCheckBox2 = nullptr;  // NameNumericTail
    widgets::TFusedCheckBox* FusedCheckBox3 = nullptr;  // DisablePositionSave
    widgets::TFusedCheckBox* FusedCheckBox4 = nullptr;  // MouseOnDefault
    widgets::TepEfTrBtn* epEfTrBtn7 = nullptr;          // "Einstellungen"
    widgets::TImage* Image1 = nullptr;                  // the decorative picture
    widgets::TepEfTrBtn* epEfTrBtn2 = nullptr;
    widgets::TepEfTrBtn* epEfTrBtn1 = nullptr;
    widgets::TepEfTrBtn* epEfTrBtn4 = nullptr;
    widgets::TepEfTrBtn* epEfTrBtn3 = nullptr;
    widgets::TepEfTrBtn* epEfTrBtn6 = nullptr;
    widgets::TepEfTrBtn* epEfTrBtn5 = nullptr;
    widgets::TImageComboBox* ComboBox1 = nullptr;
    widgets::TepMorphButton* epMorphButton1 = nullptr;
    TAHMAppletDialog* AppletDialog1 = nullptr;
    TAHMShellLinks* ShellLinks1 = nullptr;

    // ------------------------------------------------------- handlers
    void FormCreate(widgets::TComponent* Sender) override;
    void FusedCheckBox1Click(widgets::TComponent* Sender);
    void epEfTrBtn1Click(widgets::TComponent* Sender);
    void epEfTrBtn2Click(widgets::TComponent* Sender);
    void epEfTrBtn3Click(widgets::TComponent* Sender);
    void epEfTrBtn4Click(widgets::TComponent* Sender);
    void epEfTrBtn5Click(widgets::TComponent* Sender);
    void epEfTrBtn6Click(widgets::TComponent* Sender);
    void epEfTrBtn7Click(widgets::TComponent* Sender);
    void epMorphButton1Click(widgets::TComponent* Sender);

protected:
    void GetData() override;
    void FlushData() override;

private:
    std::vector<TKeyBinding> bindings_;
};

}  // namespace pages
