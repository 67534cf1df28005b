#include "widgets/win32/page_control_peer.h"

#include <algorithm>

#include "widgets/page_control.h"
#include "widgets/tab_sheet.h"

namespace widgets::win32 {

namespace {
TPageControl& Pages(TControl& control) { return dynamic_cast<TPageControl&>(control); }
}  // namespace

PageControlPeer::PageControlPeer(TControl& control, FontCache& fonts) : WindowPeer(control, fonts) {
    Create(WC_TABCONTROLA, WS_CHILD | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, ParentHandle(control),
           control.BoundsRect());
    FillTabs();
}

TRect PageControlPeer::DisplayRect() const {
    RECT r = {};
    GetClientRect(window_, &r);
    SendMessageA(window_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return TRect{r.left, r.top, r.right, r.bottom};
}

void PageControlPeer::FillTabs() {
    TPageControl& pages = Pages(control_);
    SendMessageA(window_, TCM_DELETEALLITEMS, 0, 0);
    tabs_.clear();
    for (int i = 0; i < pages.PageCount(); ++i) {
        TTabSheet* sheet = pages.Pages(i);
        if (!sheet->TabVisible()) continue;
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        std::string caption = sheet->Caption();
        item.pszText = &caption[0];
        SendMessageA(window_, TCM_INSERTITEMA, tabs_.size(), reinterpret_cast<LPARAM>(&item));
        tabs_.push_back(sheet);
    }
    ShowActive();
    PlaceSheets();
}

void PageControlPeer::ShowActive() {
    const auto it = std::find(tabs_.begin(), tabs_.end(), Pages(control_).ActivePage());
    const WPARAM index = it == tabs_.end() ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(it - tabs_.begin());
    if (SendMessageA(window_, TCM_GETCURSEL, 0, 0) != static_cast<LRESULT>(index))
        SendMessageA(window_, TCM_SETCURSEL, index, 0);
}

void PageControlPeer::PlaceSheets() {
    // The sheets' peers ask for the display area themselves.
    TPageControl& pages = Pages(control_);
    for (int i = 0; i < pages.PageCount(); ++i)
        if (ControlPeer* sheet = pages.Pages(i)->Peer()) sheet->SetBounds(pages.Pages(i)->BoundsRect());
}

void PageControlPeer::SetBounds(const TRect& bounds) {
    WindowPeer::SetBounds(bounds);
    PlaceSheets();
}

void PageControlPeer::Changed(PeerProperty property) {
    switch (property) {
        case PeerProperty::Items:
            FillTabs();
            break;
        case PeerProperty::ActivePage:
            ShowActive();
            break;
        case PeerProperty::Font:
            WindowPeer::Changed(property);
            PlaceSheets();  // the tabs' height follows the font
            break;
        default:
            WindowPeer::Changed(property);
            break;
    }
}

bool PageControlPeer::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.code != static_cast<UINT>(TCN_SELCHANGE)) return false;
    const LRESULT index = SendMessageA(window_, TCM_GETCURSEL, 0, 0);
    if (index >= 0 && index < static_cast<LRESULT>(tabs_.size())) Pages(control_).SetActivePage(tabs_[index]);
    // The component may have kept its page (and the peer may be gone).
    if (WindowPeer* self = FromHandle(header.hwndFrom); self == this) ShowActive();
    result = 0;
    return true;
}

}  // namespace widgets::win32
