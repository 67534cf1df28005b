// The peer of a drop-down list: a COMBOBOX window of the fixed-list style
// (or the editable one); a pick in the list goes to the component's
// ItemIndex, which fires OnChange.
#pragma once

#include "widgets/win32/window_peer.h"

namespace widgets::win32 {

class ComboPeer : public WindowPeer {
public:
    ComboPeer(TControl& control, FontCache& fonts);

    void SetBounds(const TRect& bounds) override;
    void Changed(PeerProperty property) override;
    void OnCommand(WORD code) override;

protected:
    // extraStyle: CBS_ styles added to the list's kind (owner drawing).
    ComboPeer(TControl& control, FontCache& fonts, DWORD extraStyle);
    TRect WindowBounds(const TRect& bounds) const override;
    virtual void FillItems();

private:
    void ShowSelection();
};

}  // namespace widgets::win32
