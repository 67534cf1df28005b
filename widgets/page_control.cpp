#include "widgets/page_control.h"

#include <algorithm>

#include "widgets/peer_factory.h"
#include "widgets/tab_sheet.h"

namespace widgets {

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this) return;
    if (page == active_) return;
    TTabSheet* old = active_;
    active_ = page;
    if (page) page->Show();
    if (old) old->Hide();
    PeerChanged(PeerProperty::ActivePage);
    Change();
}

int TPageControl::ActivePageIndex() const {
    const auto it = std::find(pages_.begin(), pages_.end(), active_);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[index] : nullptr);
}

void TPageControl::TabsChanged() { PeerChanged(PeerProperty::Items); }

void TPageControl::ControlsChanged() {
    pages_.clear();
    for (TControl* child : Children())
        if (TTabSheet* sheet = dynamic_cast<TTabSheet*>(child)) pages_.push_back(sheet);
    if (active_ && std::find(pages_.begin(), pages_.end(), active_) == pages_.end()) active_ = nullptr;
    TabsChanged();
}

void TPageControl::Change() {
    if (OnChange) OnChange(this);
}

TRect TPageControl::AlignArea() const {
    const int tabRow = pages_.empty() ? 0 : TextExtent(Font(), "Ag").cy + 8;
    return TRect{4, tabRow + 4, ClientWidth() - 4, ClientHeight() - 4};
}

}  // namespace widgets
