// The peer of a drive list: an image combo whose pictures show the kind of
// each drive (floppy, hard disk, CD-ROM, network, RAM disk). The list is
// built when the window is made, if the form has not asked for it yet.
#pragma once

#include <vector>

#include "widgets/win32/image_combo_peer.h"

namespace widgets::win32 {

class DriveComboPeer : public ImageComboPeer {
public:
    DriveComboPeer(TControl& control, FontCache& fonts);

protected:
    void FillItems() override;
    const TBitmap* Picture(int index) const override;
    TSize PictureRoom() const override { return TSize{16, 16}; }

private:
    std::vector<UINT> types_;  // the drive type of each item
};

}  // namespace widgets::win32
