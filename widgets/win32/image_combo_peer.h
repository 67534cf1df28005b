// The peer of an image combo box: an owner-drawn drop-down list (fixed
// item height) that shows each item's picture before its text, as the
// extended combo box of the shell does: the selection's highlight lies
// behind the text only.
#pragma once

#include "widgets/win32/combo_peer.h"

namespace widgets::win32 {

class ImageComboPeer : public ComboPeer {
public:
    ImageComboPeer(TControl& control, FontCache& fonts);

    void Changed(PeerProperty property) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    // The picture of an item, or null.
    virtual const TBitmap* Picture(int index) const;
    // The room before every text, whether its item has a picture or not.
    virtual TSize PictureRoom() const;

private:
    void ApplyItemHeight();
};

// Draws the picture onto the canvas at x, y: blended by its alpha when the
// alpha varies, else with the colour of its bottom left pixel left out.
void DrawKeyedPicture(uint32_t* topRow, ptrdiff_t stride, int width, int height, const TBitmap& picture, int x, int y);

}  // namespace widgets::win32
