// The peer of a tab sheet: a container window inside its page control,
// filling the area below the tabs whatever the sheet's own bounds say.
#pragma once

#include "widgets/win32/container_peer.h"

namespace widgets::win32 {

class TabSheetPeer : public ContainerPeer {
public:
    TabSheetPeer(TControl& control, FontCache& fonts);

protected:
    TRect WindowBounds(const TRect& bounds) const override;
};

}  // namespace widgets::win32
