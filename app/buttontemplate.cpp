#include "app/buttontemplate.h"

#include "widgets/make_control.h"
#include "widgets/pictures.h"

namespace app {

namespace {
TButtTemplate* g_template = nullptr;
}

TButtTemplate* ButtTemplate() { return g_template; }
void SetButtTemplate(TButtTemplate* form) { g_template = form; }

TButtTemplate::TButtTemplate(widgets::TComponent* owner) : widgets::TForm(owner) {
    SetName("ButtTemplate");
    SetBorderStyle(widgets::bsNone);
    SetVisible(false);
    SetClientSize(115, 24 * 12);
    for (int number = 1; number <= 12; ++number) {
        auto* image = widgets::MakeControl<widgets::TImage>(this, this, "Image" + std::to_string(number), 0,
                                                            24 * (number - 1), 115, 24);
        char file[16];
        std::snprintf(file, sizeof file, "button%02d.bmp", number);
        image->SetPicture(widgets::LoadPicture(file));
        images_[number - 1] = image;
    }
}

}  // namespace app
