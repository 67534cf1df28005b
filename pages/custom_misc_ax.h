// The network and internet page: three switches of section NetSets of
// "tmpcfg32.twc", the logon switch with its check of the installed network
// protocols; six dialogs of the network module "qw32ians.dll" and three
// applets.
#pragma once

#include <string>
#include <vector>

#include "pages/ahm_applet_dialog.h"
#include "pages/page_parts.h"
#include "pages/settings_page.h"
#include "widgets/ep_ef_tr_btn.h"
#include "widgets/ep_morph_button.h"
#include "widgets/fused_check_box.h"
#include "widgets/image.h"
#include "widgets/image_combo_box.h"
#include "widgets/label.h"

namespace pages {

class TFrm_More : public TSettingsPage {
public:
    explicit TFrm_More(widgets::TComponent* owner);
    const char* ClassName() const override { return "TFrm_More"; }

    static constexpr const char* kModule = "qw32ians.dll";
    // The question when the primary network logon is not Microsoft's.
    static const std::string kLogonQuestion;

    // ------------------------------------------------------ components
    widgets::TFusedCheckBox* FusedCheckBox1 = nullptr;  // NoCancel
    widgets::TFusedCheckBox* FusedCheckBox2 = nullptr;  // FullScreen
    widgets::TFusedCheckBox* FusedCheckBox3 = nullptr;  // NoNetcrawl, only on Windows ME
    widgets::TLabel* Label4 = nullptr;                  // the text under FusedCheckBox3
    widgets::TepEfTrBtn* epEfTrBtn9 = nullptr;          // "Passwort-Tool"
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

    // ------------------------------------------------------- handlers
    void FormCreate(widgets::TComponent* Sender) override;
    void FusedCheckBox1Click(widgets::TComponent* Sender);
    void FusedCheckBox2Click(widgets::TComponent* Sender);
    void epEfTrBtn1Click(widgets::TComponent* Sender);
    void epEfTrBtn2Click(widgets::TComponent* Sender);
    void epEfTrBtn3Click(widgets::TComponent* Sender);
    void epEfTrBtn4Click(widgets::TComponent* Sender);
    void epEfTrBtn5Click(widgets::TComponent* Sender);
    void epEfTrBtn6Click(widgets::TComponent* Sender);
    void epEfTrBtn9Click(widgets::TComponent* Sender);
    void epMorphButton1Click(widgets::TComponent* Sender);

protected:
    void GetData() override;
    void FlushData() override;

private:
    std::vector<TKeyBinding> bindings_;
};

}  // namespace pages
