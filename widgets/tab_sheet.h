// One page of a page control; its caption is the tab's text.
#pragma once

#include "widgets/win_control.h"

namespace widgets {

class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);

    const char* ClassName() const override { return "TTabSheet"; }

    TPageControl* PageControl() const;
    // Puts the sheet into the page control as its last page.
    void SetPageControl(TPageControl* pageControl);
    // Position among the page control's pages, -1 outside one.
    int PageIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);

protected:
    void TextChanged() override;

private:
    bool tabVisible_ = true;
};

}  // namespace widgets
