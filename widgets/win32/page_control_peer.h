// The peer of a page control: the common tab control, whose tabs are the
// captions of the sheets with a visible tab. The sheets are child windows
// of it, placed in the area below the tabs. A click on a tab makes that
// sheet the component's active page, which fires OnChange.
#pragma once

#include <vector>

#include "widgets/win32/window_peer.h"

namespace widgets {
class TTabSheet;
}

namespace widgets::win32 {

class PageControlPeer : public WindowPeer {
public:
    PageControlPeer(TControl& control, FontCache& fonts);

    void SetBounds(const TRect& bounds) override;
    void Changed(PeerProperty property) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

    // Where the sheets show, in the tab control's client coordinates.
    TRect DisplayRect() const;

private:
    void FillTabs();
    void ShowActive();
    void PlaceSheets();

    std::vector<TTabSheet*> tabs_;  // the sheet of each tab
};

}  // namespace widgets::win32
