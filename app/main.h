// The main window: a skinned, borderless window with the page area on the
// left and six page buttons on the right. Every press of a page button
// shows a freshly made page form with a cross-fade.
#pragma once

#include <array>
#include <string>

#include "pages/settings_changed.h"
#include "widgets/bitmap_button.h"
#include "widgets/blend_transition.h"
#include "widgets/cool_form.h"
#include "widgets/font_holder.h"
#include "widgets/form.h"
#include "widgets/form_container.h"
#include "widgets/image.h"
#include "widgets/rgba_label.h"
#include "widgets/whats_this.h"

namespace sysinfo {
class TFrm_SysInfos;
class TScope;
class TSysMon;
class TFRM_Service;
}  // namespace sysinfo
namespace pages {
class TWnd_Settings;
}

namespace app {

class TFormPlacement;
class TFrame_Welcome;
class TWnd_Template;
class TWndOrder;

class THalvornQuellwerk : public widgets::TForm, public pages::SettingsChangedTarget {
public:
    explicit THalvornQuellwerk(widgets::TComponent* owner);
    const char* ClassName() const override { return "THalvornQuellwerk"; }

    static constexpr const char* kWebAddress = "http://www.halvorn.de";

    // ------------------------------------------------------- handlers
    void FormCreate(widgets::TComponent* Sender);
    void FormShow(widgets::TComponent* Sender);
    void FormCloseQuery(widgets::TComponent* Sender, bool& CanClose);
    void FormClose(widgets::TComponent* Sender, widgets::TCloseAction& Action);
    void FormDestroy(widgets::TComponent* Sender);
    void ButtonCalc(int tag);
    void BitmapButton1Click(widgets::TComponent* Sender);
    void BitmapButton2Click(widgets::TComponent* Sender);
    void BitmapButton3Click(widgets::TComponent* Sender);
    void BitmapButton4Click(widgets::TComponent* Sender);
    void BitmapButton5Click(widgets::TComponent* Sender);
    void BitmapButton6Click(widgets::TComponent* Sender);
    void BitmapButton10Click(widgets::TComponent* Sender);
    void BitmapButton20Click(widgets::TComponent* Sender);
    void BitmapButton30Click(widgets::TComponent* Sender);
    void Image2Click(widgets::TComponent* Sender);
    // The processor load feed, run by Scope1 after each of its steps.
    void Scope1Update(widgets::TComponent* Sender);
    void MainFormContainerFormChange(widgets::TComponent* Sender, widgets::TForm* OldForm);
    // The handler for every error that reaches the message loop.
    void AppException(widgets::TComponent* Sender, const std::exception& E);

    // --------------------------------------------- settings changed flag
    bool SettingsChanged() const { return settingsChanged_; }
    void SetSettingsChanged() override { settingsChanged_ = true; }

    // ------------------------------------------------------ components
    widgets::TImage* A_FirstImage = nullptr;
    widgets::TCoolForm* CoolForm1 = nullptr;
    widgets::TRGBALabel* RGBALabel1 = nullptr;
    widgets::TFormContainer* MainFormContainer = nullptr;
    // BitmapButton1 to BitmapButton6: the page buttons.
    std::array<widgets::TBitmapButton*, 6> PageButtons{};
    widgets::TBitmapButton* BitmapButton10 = nullptr;  // close
    widgets::TBitmapButton* BitmapButton20 = nullptr;  // minimise
    widgets::TBitmapButton* BitmapButton30 = nullptr;  // what's-this
    widgets::TImage* Image1 = nullptr;                 // beneath the web link
    widgets::TImage* Image2 = nullptr;                 // the web link
    widgets::TWhatsThis* WhatsThis1 = nullptr;
    TFormPlacement* FormPlacement1 = nullptr;
    widgets::TFontHolder* FontHolder1 = nullptr;  // the interface font, Tahoma
    widgets::TBlendTransition* BlendTransition = nullptr;
    // The hidden load chart, left of the client area, and its counter
    // KERNEL\CPUUsage; the chart reaches the user through the system
    // information page.
    sysinfo::TScope* Scope1 = nullptr;
    sysinfo::TSysMon* SysMon1 = nullptr;

    // The pages shown now, one reference per kind, each cleared when the
    // container gives its page up.
    TFrame_Welcome* Frame_Welcome = nullptr;
    pages::TWnd_Settings* Wnd_Settings = nullptr;
    TWnd_Template* Wnd_Template = nullptr;
    sysinfo::TFrm_SysInfos* Frm_SysInfos = nullptr;
    sysinfo::TFRM_Service* FRM_Service = nullptr;
    TWndOrder* WndOrder = nullptr;

private:
    // Title, pictures, then a fresh page in the container with the blend;
    // prepare sets the page up before it is shown.
    template <class Page>
    void ShowPage(int tag, const char* title, Page*& shown, void (*prepare)(Page&) = nullptr);

    bool settingsChanged_ = false;
};

// The main window of this run; null before it is made and after it went.
THalvornQuellwerk* MainWindow();

}  // namespace app
