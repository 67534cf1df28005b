#include "pages/testunit.h"

#include <string>

#include "pages/custom_bootprocess_ax.h"
#include "pages/custom_interface_ax.h"
#include "pages/custom_misc_ax.h"
#include "pages/custom_system_ax.h"
#include "widgets/make_control.h"
#include "widgets/pictures.h"

namespace pages {

using namespace widgets;

namespace {

struct ButtonRow {
    int left;
    void (TWnd_Settings::*click)(TComponent*);
};
const ButtonRow kButtons[4] = {
    {7, &TWnd_Settings::BUImage1Click},
    {117, &TWnd_Settings::BUImage2Click},
    {227, &TWnd_Settings::BUImage3Click},
    {337, &TWnd_Settings::BUImage4Click},
};

}  // namespace

TWnd_Settings::TWnd_Settings(TComponent* owner) : TPageForm(owner, 453, 400) {
    SetScaled(false);
    Font().SetName("MS Sans Serif");
    Font().SetHeight(-11);

    for (int k = 0; k < 4; ++k) {
        const std::string number = std::to_string(k + 1);
        auto* button = MakeControl<TBUImage>(this, this, "BUImage" + number, kButtons[k].left, 7, 105, 26);
        button->SetPictureNormal(LoadPicture("settings" + number + "_n.bmp"));
        button->SetPictureDown(LoadPicture("settings" + number + "_d.bmp"));
        button->OnClick = [this, click = kButtons[k].click](TComponent* s) { (this->*click)(s); };
        Buttons[k] = button;
    }
    MainFormContainer = MakeControl<TFormContainer>(this, this, "MainFormContainer", 0, 33, 453, 367);
    MainFormContainer->SetAlign(alBottom);
    MainFormContainer->SetBevelled(false);
    MainFormContainer->SetFlickerFree(false);

    OnCreate = [this](TComponent* s) { FormCreate(s); };
    OnDestroy = [this](TComponent* s) { FormDestroy(s); };
}

void TWnd_Settings::FormCreate(TComponent*) {
    BlendTransition = CreateComponent<TBlendTransition>(this);
    BlendTransition->SetEnabled(true);
    BlendTransition->SetDuration(400);
    BUImage1Click(this);
}

void TWnd_Settings::FormDestroy(TComponent*) {
    TComponent::Free(BlendTransition);
    BlendTransition = nullptr;
}

template <class Page>
void TWnd_Settings::ShowPage() {
    // A value written when its field is left (a spin edit) is stored
    // before the next page reads the temp config.
    if (auto* leaving = dynamic_cast<TSettingsPage*>(MainFormContainer->Form())) leaving->Flush();
    Page* page = MainFormContainer->CreateForm<Page>();
    MainFormContainer->ShowForm(page, true, BlendTransition);
}

void TWnd_Settings::BUImage1Click(TComponent*) { ShowPage<TFrm_Boot>(); }
void TWnd_Settings::BUImage2Click(TComponent*) { ShowPage<TFrm_Interface>(); }
void TWnd_Settings::BUImage3Click(TComponent*) { ShowPage<TFrm_System>(); }
void TWnd_Settings::BUImage4Click(TComponent*) { ShowPage<TFrm_More>(); }

}  // namespace pages
