// The welcome page: one sentence on each page button and a tip of the day
// from the tips file, with buttons to step through the tips.
#pragma once

#include <array>

#include "app/tip_list.h"
#include "widgets/image.h"
#include "widgets/label.h"
#include "widgets/page_form.h"
#include "widgets/panel.h"
#include "widgets/transparent_button.h"

namespace app {

class TFrame_Welcome : public widgets::TPageForm {
public:
    explicit TFrame_Welcome(widgets::TComponent* owner);
    const char* ClassName() const override { return "TFrame_Welcome"; }

    void FormCreate(widgets::TComponent* Sender);
    void FormDestroy(widgets::TComponent* Sender);
    void TransparentButton1Click(widgets::TComponent* Sender);  // "Weiter"
    void TransparentButton2Click(widgets::TComponent* Sender);  // "Zurück"

    // The tips of the process, shared by every welcome page.
    static TTipList& Tips();

    widgets::TImage* Image1 = nullptr;  // the picture area
    widgets::TPanel* Panel1 = nullptr;  // the tip box
    widgets::TImage* Image9 = nullptr;  // the tip picture
    widgets::TLabel* Label6 = nullptr;  // the tip
    widgets::TTransparentButton* TransparentButton1 = nullptr;
    widgets::TTransparentButton* TransparentButton2 = nullptr;
    // Label1 to Label5 and Label11, in the order of the page buttons.
    std::array<widgets::TLabel*, 6> Labels{};

private:
    void ShowTip();
};

}  // namespace app
