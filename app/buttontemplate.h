// The hidden form that holds the pictures of the main window's page
// buttons: for page button k the plain picture is Image(2k-1) and the
// highlighted one Image(2k).
#pragma once

#include <array>

#include "widgets/form.h"
#include "widgets/image.h"

namespace app {

class TButtTemplate : public widgets::TForm {
public:
    explicit TButtTemplate(widgets::TComponent* owner);
    const char* ClassName() const override { return "TButtTemplate"; }

    // Image1 to Image12.
    widgets::TImage* Image(int number) const { return images_.at(number - 1); }

private:
    std::array<widgets::TImage*, 12> images_{};
};

// The template of this run, made in the start sequence; null before.
TButtTemplate* ButtTemplate();
void SetButtTemplate(TButtTemplate* form);

}  // namespace app
