#include "widgets/tab_sheet.h"

#include "widgets/page_control.h"

namespace widgets {

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    visible_ = false;
    SetAlign(alClient);
}

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

void TTabSheet::SetPageControl(TPageControl* pageControl) { SetParent(pageControl); }

int TTabSheet::PageIndex() const {
    TPageControl* control = PageControl();
    if (!control) return -1;
    for (int i = 0; i < control->PageCount(); ++i)
        if (control->Pages(i) == this) return i;
    return -1;
}

void TTabSheet::SetTabVisible(bool visible) {
    if (visible == tabVisible_) return;
    tabVisible_ = visible;
    if (TPageControl* control = PageControl()) control->TabsChanged();
}

void TTabSheet::TextChanged() {
    if (TPageControl* control = PageControl()) control->TabsChanged();
}

}  // namespace widgets
