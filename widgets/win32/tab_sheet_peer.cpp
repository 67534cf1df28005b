#include "widgets/win32/tab_sheet_peer.h"

#include "widgets/win32/page_control_peer.h"
#include "widgets/win_control.h"

namespace widgets::win32 {

TabSheetPeer::TabSheetPeer(TControl& control, FontCache& fonts) : ContainerPeer(control, fonts, Deferred{}) {
    Create(kClassName, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, ParentHandle(control),
           control.BoundsRect());
}

TRect TabSheetPeer::WindowBounds(const TRect& bounds) const {
    if (const TControl* parent = control_.Parent())
        if (const auto* pages = dynamic_cast<const PageControlPeer*>(parent->Peer())) return pages->DisplayRect();
    return bounds;
}

}  // namespace widgets::win32
