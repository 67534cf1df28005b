// The peer of a spin edit: the edit field with the common up-down control
// inside its right end. A press of the up or down arrow steps the
// component's value (which keeps it within its bounds and fires OnChange);
// the up-down keeps no number of its own.
#pragma once

#include "widgets/win32/edit_peer.h"

namespace widgets::win32 {

class SpinEditPeer : public EditPeer {
public:
    SpinEditPeer(TControl& control, FontCache& fonts);

    void SetEnabled(bool enabled) override;
    HWND Arrows() const { return arrows_; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void PlaceArrows();

    HWND arrows_ = nullptr;  // a child of the field, destroyed with it
};

}  // namespace widgets::win32
