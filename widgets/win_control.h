// A control that can hold other controls and take the keyboard focus.
#pragma once

#include <vector>

#include "widgets/control.h"

namespace widgets {

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    const char* ClassName() const override { return "TWinControl"; }

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(index); }
    // Children in painting order: the last one is in front.
    const std::vector<TControl*>& Children() const { return controls_; }

    // Places the children that have an alignment: top, bottom, left and
    // right ones in that order along the edges, then the client one in what
    // is left.
    void Realign();

    bool CanFocus() const override;
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }

    void DestroyPeer() override;

protected:
    void FreeOwned() override;
    void FontChanged() override;
    void Resized() override;
    void PeerCreatedHook() override;
    // A child was added or removed.
    virtual void ControlsChanged() {}
    // The area the aligned children share, in client coordinates.
    virtual TRect AlignArea() const { return TRect{0, 0, ClientWidth(), ClientHeight()}; }

    void ColorChanged() override;

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void BringChildToFront(TControl* control);

    std::vector<TControl*> controls_;
    bool tabStop_ = true;
    bool aligning_ = false;
};

}  // namespace widgets
