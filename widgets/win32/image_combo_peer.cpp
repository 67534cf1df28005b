#include "widgets/win32/image_combo_peer.h"

#include <algorithm>

#include "widgets/image_combo_box.h"
#include "widgets/win32/dib.h"

namespace widgets::win32 {

void DrawKeyedPicture(uint32_t* topRow, ptrdiff_t stride, int width, int height, const TBitmap& picture, int x, int y) {
    if (picture.Empty()) return;
    const uint32_t firstAlpha = picture.Pixel(0, 0) >> 24;
    bool alphaVaries = false;
    for (uint32_t pixel : picture.Pixels())
        if ((pixel >> 24) != firstAlpha) {
            alphaVaries = true;
            break;
        }
    const uint32_t key = picture.Pixel(0, picture.Height() - 1) & 0xFFFFFF;
    for (int py = 0; py < picture.Height(); ++py) {
        const int ty = y + py;
        if (ty < 0 || ty >= height) continue;
        uint32_t* row = topRow + stride * ty;
        const uint32_t* source = picture.Scanline(py);
        for (int px = 0; px < picture.Width(); ++px) {
            const int tx = x + px;
            if (tx < 0 || tx >= width) continue;
            const uint32_t s = source[px];
            if (!alphaVaries) {
                if ((s & 0xFFFFFF) != key) row[tx] = s & 0xFFFFFF;
                continue;
            }
            const uint32_t a = s >> 24, d = row[tx];
            uint32_t mixed = 0;
            for (int shift = 0; shift <= 16; shift += 8) {
                const uint32_t c = (((s >> shift) & 0xFF) * a + ((d >> shift) & 0xFF) * (255 - a) + 127) / 255;
                mixed |= c << shift;
            }
            row[tx] = mixed;
        }
    }
}

ImageComboPeer::ImageComboPeer(TControl& control, FontCache& fonts)
    : ComboPeer(control, fonts, CBS_OWNERDRAWFIXED | CBS_HASSTRINGS) {
    ApplyItemHeight();
}

const TBitmap* ImageComboPeer::Picture(int index) const {
    const auto* combo = dynamic_cast<const TImageComboBox*>(&control_);
    return combo ? combo->ItemImage(index) : nullptr;
}

TSize ImageComboPeer::PictureRoom() const {
    TSize room{16, 16};
    if (const auto* combo = dynamic_cast<const TImageComboBox*>(&control_))
        for (const TBitmap& image : combo->Images()) {
            room.cx = std::max(room.cx, image.Width());
            room.cy = std::max(room.cy, image.Height());
        }
    return room;
}

void ImageComboPeer::ApplyItemHeight() {
    const int height = std::max(dynamic_cast<const TComboBox&>(control_).ItemHeight(), PictureRoom().cy);
    SendMessageA(window_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
    SendMessageA(window_, CB_SETITEMHEIGHT, 0, height);
}

void ImageComboPeer::Changed(PeerProperty property) {
    switch (property) {
        case PeerProperty::Style:
        case PeerProperty::Font:
            ComboPeer::Changed(property);
            ApplyItemHeight();
            break;
        case PeerProperty::Items:
            ComboPeer::Changed(property);
            ApplyItemHeight();  // new pictures may be taller
            break;
        default:
            ComboPeer::Changed(property);
            break;
    }
}

bool ImageComboPeer::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const TComboBox& combo = dynamic_cast<const TComboBox&>(control_);
    const int width = item.rcItem.right - item.rcItem.left, height = item.rcItem.bottom - item.rcItem.top;
    if (width <= 0 || height <= 0) return true;
    const bool field = (item.itemState & ODS_COMBOBOXEDIT) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const bool selected = (item.itemState & ODS_SELECTED) != 0 && !disabled;

    DibCanvas canvas(width, height);
    if (!canvas.Valid()) return false;
    HDC dc = canvas.Dc();
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(disabled && field ? COLOR_BTNFACE : COLOR_WINDOW));

    const int index = static_cast<int>(item.itemID);
    if (index >= 0 && index < combo.ItemCount()) {
        const TSize room = PictureRoom();
        if (const TBitmap* picture = Picture(index)) {
            GdiFlush();
            DrawKeyedPicture(canvas.TopRow(), canvas.Stride(), width, height, *picture,
                             2 + (room.cx - picture->Width()) / 2, (height - picture->Height()) / 2);
        }
        const std::string& text = combo.Item(index);
        Selection font(dc, fonts_.Get(combo.Font()));
        SIZE extent = {};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        RECT label = {2 + room.cx + 3, 1, std::min(width, 2 + room.cx + 3 + static_cast<int>(extent.cx) + 4),
                      height - 1};
        if (selected) FillRect(dc, &label, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        RECT textBox = {label.left + 2, 0, width, height};
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textBox,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &label);
    } else if (item.itemState & ODS_FOCUS) {
        DrawFocusRect(dc, &all);
    }
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, dc, 0, 0, SRCCOPY);
    return true;
}

}  // namespace widgets::win32
