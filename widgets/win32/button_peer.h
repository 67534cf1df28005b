// The peer of a push button, check box or radio button: a BUTTON window
// that leaves its checked state to the component (BS_CHECKBOX and
// BS_RADIOBUTTON, not the automatic styles).
#pragma once

#include "widgets/win32/window_peer.h"

namespace widgets::win32 {

class ButtonPeer : public WindowPeer {
public:
    ButtonPeer(TControl& control, FontCache& fonts);

    void SetChecked(bool checked) override;
    void Changed(PeerProperty property) override;
    void OnCommand(WORD code) override;

private:
    DWORD Style() const;
    void ShowState();
};

}  // namespace widgets::win32
