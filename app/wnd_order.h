// The product information page: a framed picture, sentences about the
// program and the two ways to order it.
#pragma once

#include <array>

#include "widgets/bevel.h"
#include "widgets/image.h"
#include "widgets/label.h"
#include "widgets/page_form.h"
#include "widgets/transparent_button.h"

namespace app {

class TWndOrder : public widgets::TPageForm {
public:
    explicit TWndOrder(widgets::TComponent* owner);
    const char* ClassName() const override { return "TWndOrder"; }

    static constexpr const char* kOrderForm = "bestellen.pdf";

    void epEfTrBtn1Click(widgets::TComponent* Sender);  // "Bestellen im Internet"
    void epEfTrBtn2Click(widgets::TComponent* Sender);  // "Bestellformular"

    widgets::TBevel* Bevel1 = nullptr;  // the frame of the picture
    widgets::TImage* Image1 = nullptr;
    // Label1 to Label10, top to bottom.
    std::array<widgets::TLabel*, 10> Labels{};
    // The bullets before Label4 to Label8.
    std::array<widgets::TImage*, 5> Bullets{};
    widgets::TTransparentButton* epEfTrBtn1 = nullptr;
    widgets::TTransparentButton* epEfTrBtn2 = nullptr;
};

}  // namespace app
