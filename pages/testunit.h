// The settings window: four picture buttons on top and a page container
// below that shows one of the four settings pages at a time. Every click
// makes a fresh page; the page being left is flushed before the next one
// reads the temp config, and released (flushed again) when it is replaced.
#pragma once

#include <array>

#include "widgets/blend_transition.h"
#include "widgets/bu_image.h"
#include "widgets/form_container.h"
#include "widgets/page_form.h"

namespace pages {

class TWnd_Settings : public widgets::TPageForm {
public:
    explicit TWnd_Settings(widgets::TComponent* owner);
    const char* ClassName() const override { return "TWnd_Settings"; }

    void FormCreate(widgets::TComponent* Sender);
    void FormDestroy(widgets::TComponent* Sender);
    void BUImage1Click(widgets::TComponent* Sender);  // "Bootvorgang"
    void BUImage2Click(widgets::TComponent* Sender);  // "Oberfläche"
    void BUImage3Click(widgets::TComponent* Sender);  // "System"
    void BUImage4Click(widgets::TComponent* Sender);  // "Weiteres"

    // BUImage1 to BUImage4.
    std::array<widgets::TBUImage*, 4> Buttons{};
    widgets::TFormContainer* MainFormContainer = nullptr;
    widgets::TBlendTransition* BlendTransition = nullptr;

private:
    template <class Page>
    void ShowPage();
};

}  // namespace pages
