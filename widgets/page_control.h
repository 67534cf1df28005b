// A set of pages with tabs; the tab sheets are its children. Changing the
// active page, in code or by the user, fires OnChange.
#pragma once

#include <vector>

#include "widgets/win_control.h"

namespace widgets {

class TTabSheet;

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner) : TWinControl(owner) {}

    const char* ClassName() const override { return "TPageControl"; }

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(index); }
    TTabSheet* ActivePage() const { return active_; }
    // Shows the sheet (one of this control's) and hides the others.
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    // A tab's caption or visibility changed.
    void TabsChanged();

    TNotifyEvent OnChange;

protected:
    void ControlsChanged() override;
    // The sheets lie inside the frame, below the row of tabs, as the
    // native tab control places its display area.
    TRect AlignArea() const override;
    virtual void Change();

private:
    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
};

}  // namespace widgets
