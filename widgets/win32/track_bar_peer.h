// The peer of a track bar: the common control's slider. A move by the
// user goes to the component's Position, which fires OnChange.
#pragma once

#include "widgets/win32/window_peer.h"

namespace widgets::win32 {

class TrackBarPeer : public WindowPeer {
public:
    TrackBarPeer(TControl& control, FontCache& fonts);

    void Changed(PeerProperty property) override;
    void OnScroll(WORD code) override;

private:
    DWORD Style() const;
    void ShowRange();
};

}  // namespace widgets::win32
