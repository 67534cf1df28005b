#include "widgets/button.h"

#include "widgets/form.h"

namespace widgets {

void TButton::SetDefault(bool isDefault) {
    if (isDefault == default_) return;
    default_ = isDefault;
    PeerChanged(PeerProperty::Style);
}

void TButton::Click() {
    if (modalResult_ != mrNone)
        if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
    TWinControl::Click();
}

}  // namespace widgets
