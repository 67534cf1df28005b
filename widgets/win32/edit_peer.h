// The peer of an edit field (and of a spin edit's field): an EDIT window.
// What the user types is filtered by the component (OnKeyPress, the spin
// edit's characters) and written by the window; every change of the
// window's text goes back to the component, which fires OnChange.
#pragma once

#include "widgets/win32/window_peer.h"

namespace widgets::win32 {

class EditPeer : public WindowPeer {
public:
    EditPeer(TControl& control, FontCache& fonts);

    void Changed(PeerProperty property) override;
    void OnCommand(WORD code) override;

private:
    void ApplyOptions();
};

}  // namespace widgets::win32
