// A stack of pages without tabs, of which one shows; the form turns it
// with its own buttons. Turning it, in code or otherwise, fires
// OnPageChanged.
#pragma once

#include <string>
#include <vector>

#include "widgets/notebook_page.h"
#include "widgets/win_control.h"

namespace widgets {

class TNotebook : public TWinControl {
public:
    explicit TNotebook(TComponent* owner) : TWinControl(owner) {}

    const char* ClassName() const override { return "TNotebook"; }

    // Makes the pages anew with these names; page 0 shows.
    void SetPages(const std::vector<std::string>& names);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TNotebookPage* Page(int index) const { return pages_.at(index); }

    int PageIndex() const { return pageIndex_; }
    // An index outside the pages changes nothing.
    void SetPageIndex(int index);
    // The name of the page shown; setting it turns to the page of that name.
    std::string ActivePage() const;
    void SetActivePage(const std::string& name);

    TNotifyEvent OnPageChanged;

private:
    std::vector<TNotebookPage*> pages_;
    int pageIndex_ = -1;
};

}  // namespace widgets
