// The interface page: the registered owner and organisation of Windows and
// five switches of the interface, section WinSets of "tmpcfg32.twc"; six
// dialogs of the interface module "qw32ifs.dll" and three applets.
#pragma once

#include <vector>

#include "pages/ahm_applet_dialog.h"
#include "pages/page_parts.h"
#include "pages/settings_page.h"
#include "widgets/edit.h"
#include "widgets/ep_ef_tr_btn.h"
#include "widgets/ep_morph_button.h"
#include "widgets/fused_check_box.h"
#include "widgets/image.h"
#include "widgets/image_combo_box.h"

namespace pages {

class TFrm_Interface : public TSettingsPage {
public:
    explicit TFrm_Interface(widgets::TComponent* owner);
    const char* ClassName() const override { return "TFrm_Interface"; }

    static constexpr const char* kModule = "qw32ifs.dll";

    // ------------------------------------------------------ components
    widgets::TEdit* Edit1 = nullptr;  // Owner
    widgets::TEdit* Edit2 = nullptr;  // Organ
    widgets::TFusedCheckBox* FusedCheckBox1 = nullptr;
    widgets::TFusedCheckBox* FusedCheckBox2 = nullptr;
    widgets::TFusedCheckBox* FusedCheckBox3 = nullptr;
    widgets::TFusedCheckBox* FusedCheckBox4 = nullptr;
    widgets::TFusedCheckBox* FusedCheckBox5 = nullptr;
    widgets::TImage* Image1 = nullptr;  // the decorative picture
    widgets::TepEfTrBtn* epEfTrBtn2 = nullptr;
    widgets::TepEfTrBtn* epEfTrBtn1 = nullptr;
    widgets::TepEfTrBtn* epEfTrBtn4 = nullptr;
    widgets::TepEfTrBtn* epEfTrBtn3 = nullptr;
    widgets::TepEfTrBtn* epEfTrBtn8 = nullptr;
    widgets::TepEfTrBtn* epEfTrBtn5 = nullptr;
    widgets::TImageComboBox* ComboBox1 = nullptr;
    widgets::TepMorphButton* epMorphButton1 = nullptr;
    TAHMAppletDialog* AppletDialog1 = nullptr;

    // ------------------------------------------------------- handlers
    void FormCreate(widgets::TComponent* Sender) override;
    void FusedCheckBox1Click(widgets::TComponent* Sender);
    void Edit1Change(widgets::TComponent* Sender);
    void Edit2Change(widgets::TComponent* Sender);
    void epEfTrBtn1Click(widgets::TComponent* Sender);
    void epEfTrBtn2Click(widgets::TComponent* Sender);
    void epEfTrBtn3Click(widgets::TComponent* Sender);
    void epEfTrBtn4Click(widgets::TComponent* Sender);
    void epEfTrBtn5Click(widgets::TComponent* Sender);
    void epEfTrBtn8Click(widgets::TComponent* Sender);
    void epMorphButton1Click(widgets::TComponent* Sender);

protected:
    void GetData() override;
    void FlushData() override;

private:
    std::vector<TKeyBinding> bindings_;
};

}  // namespace pages
