#include "widgets/notebook.h"

namespace widgets {

void TNotebook::SetPages(const std::vector<std::string>& names) {
    for (TNotebookPage* page : pages_) TComponent::Free(page);
    pages_.clear();
    pageIndex_ = -1;
    for (const std::string& name : names) {
        TNotebookPage* page = new TNotebookPage(this);
        page->SetCaption(name);
        page->SetParent(this);
        pages_.push_back(page);
    }
    if (!pages_.empty()) {
        pageIndex_ = 0;
        pages_[0]->Show();
    }
    PeerChanged(PeerProperty::ActivePage);
}

void TNotebook::SetPageIndex(int index) {
    if (index < 0 || index >= PageCount() || index == pageIndex_) return;
    TNotebookPage* old = pageIndex_ >= 0 ? pages_[pageIndex_] : nullptr;
    pageIndex_ = index;
    pages_[index]->Show();
    if (old) old->Hide();
    PeerChanged(PeerProperty::ActivePage);
    if (OnPageChanged) OnPageChanged(this);
}

std::string TNotebook::ActivePage() const { return pageIndex_ >= 0 ? pages_[pageIndex_]->Caption() : std::string(); }

void TNotebook::SetActivePage(const std::string& name) {
    for (int i = 0; i < PageCount(); ++i)
        if (SameText(pages_[i]->Caption(), name)) {
            SetPageIndex(i);
            return;
        }
}

}  // namespace widgets
