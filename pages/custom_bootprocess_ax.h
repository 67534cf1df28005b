// The boot page: the options of MSDOS.SYS in its copy "tmpcfg.twc", three
// start and shut-down switches in "tmpcfg32.twc", and the three full-screen
// pictures in their copies beside the program, which the user can replace
// with a picture of his own.
#pragma once

#include <array>
#include <set>
#include <string>

#include "pages/settings_page.h"
#include "widgets/bevel.h"
#include "widgets/combo_box.h"
#include "widgets/ep_ef_tr_btn.h"
#include "widgets/flat_check_box.h"
#include "widgets/fused_check_box.h"
#include "widgets/image.h"
#include "widgets/label.h"
#include "widgets/notebook.h"
#include "widgets/open_dialog.h"
#include "widgets/spin_edit.h"
#include "widgets/transparent_button.h"

namespace pages {

class TFrm_Boot : public TSettingsPage {
public:
    explicit TFrm_Boot(widgets::TComponent* owner);
    const char* ClassName() const override { return "TFrm_Boot"; }

    // ------------------------------------------------------- handlers
    void FormCreate(widgets::TComponent* Sender) override;
    void TransparentButton1Click(widgets::TComponent* Sender);
    void CheckBox2Click(widgets::TComponent* Sender);
    void ComboBox1Change(widgets::TComponent* Sender);
    void epEfTrBtn2Click(widgets::TComponent* Sender);  // start picture
    void epEfTrBtn1Click(widgets::TComponent* Sender);  // wait picture
    void epEfTrBtn3Click(widgets::TComponent* Sender);  // switch-off picture
    // The low 16 bits of the build number, asked each time.
    int WinVer() const;

    // ------------------------------------------------------ components
    // TransparentButton1 to TransparentButton3: "Boot-Menü", "Vorgang", "Weiteres".
    std::array<widgets::TTransparentButton*, 3> TabButtons{};
    widgets::TNotebook* Notebook1 = nullptr;
    widgets::TImage* Image1 = nullptr;    // the decorative picture
    widgets::TImage* ImageEn1 = nullptr;  // start picture
    widgets::TImage* ImageEn3 = nullptr;  // wait picture
    widgets::TImage* ImageEn2 = nullptr;  // switch-off picture
    widgets::TepEfTrBtn* epEfTrBtn2 = nullptr;
    widgets::TepEfTrBtn* epEfTrBtn1 = nullptr;
    widgets::TepEfTrBtn* epEfTrBtn3 = nullptr;
    widgets::TFlatCheckBox* FusedCheckBox1 = nullptr;  // "Start-Logo"
    widgets::TFlatCheckBox* FusedCheckBox2 = nullptr;  // "Herunterfahren"
    widgets::TFlatCheckBox* FusedCheckBox3 = nullptr;  // "Abschalten"
    widgets::TImage* Image2 = nullptr;                 // the built-in start picture, hidden
    widgets::TOpenDialog* OpenDialog1 = nullptr;
    // "Boot-Menü"
    widgets::TComboBox* ComboBox1 = nullptr;
    widgets::TFusedCheckBox* CheckBox2 = nullptr;
    widgets::TFusedCheckBox* CheckBox1 = nullptr;
    widgets::TFusedCheckBox* CheckBox3 = nullptr;
    widgets::TFusedCheckBox* CheckBox4 = nullptr;
    widgets::TSpinEdit* TrackBar5 = nullptr;
    // "Vorgang"
    widgets::TComboBox* ComboBox2 = nullptr;
    widgets::TFusedCheckBox* MultiCheckBox4 = nullptr;
    widgets::TComboBox* ComboBox3 = nullptr;
    widgets::TFusedCheckBox* MultiCheckBox5 = nullptr;
    widgets::TFusedCheckBox* MultiCheckBox20 = nullptr;
    widgets::TFusedCheckBox* CheckBox5 = nullptr;
    // "Weiteres"
    widgets::TFusedCheckBox* MultiCheckBox3 = nullptr;
    widgets::TSpinEdit* SpinEdit2 = nullptr;
    widgets::TFusedCheckBox* MultiCheckBox2 = nullptr;
    widgets::TFusedCheckBox* MultiCheckBox9 = nullptr;
    widgets::TFusedCheckBox* MultiCheckBox10 = nullptr;
    widgets::TFusedCheckBox* MultiCheckBox8 = nullptr;

    // The texts of the import's two notes.
    static std::string UnreadableMessage(const std::string& fileName);
    static constexpr const char* kNotSavedMessage = "Das Bild konnte nicht gespeichert werden.";

protected:
    void GetData() override;
    // The page flush of both temp-config files.
    void FlushData() override;

private:
    void LoadPreviews();
    void LoadOptions();
    void LoadSwitches();
    void FlushSwitches();
    void FlushOptions();
    void SetEnabledStates();
    void Import(widgets::TImage* preview, const char* copyName);
    bool Loaded(const std::string& key) const { return loaded_.count(key) > 0; }

    // The keys that were read, by name: only they are written back, so
    // that a failed load never writes design-time values over stored ones.
    std::set<std::string> loaded_;
    // False when MSDOS.SYS exists but its copy does not (the copy at start
    // failed): the page then leaves the MSDOS.SYS options alone.
    bool optionsAvailable_ = true;
};

}  // namespace pages
