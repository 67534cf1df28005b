#include "widgets/win32/drive_combo_peer.h"

#include <string>

#include "widgets/drive_combo_box.h"
#include "widgets/win32/dib.h"

namespace widgets::win32 {

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

void Box(HDC dc, int left, int top, int right, int bottom, COLORREF fill, COLORREF frame) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(fill));
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, frame));
    Selection b(dc, brush.Get()), p(dc, pen.Get());
    Rectangle(dc, left, top, right, bottom);
}

void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF color) {
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    Selection p(dc, pen.Get());
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

// A 16 x 16 picture of a drive of the type, on the key colour.
TBitmap DrivePicture(UINT type) {
    DibCanvas canvas(16, 16);
    HDC dc = canvas.Dc();
    RECT all = {0, 0, 16, 16};
    GdiObject<HBRUSH> key(CreateSolidBrush(kKey));
    FillRect(dc, &all, key.Get());
    switch (type) {
        case DRIVE_REMOVABLE:  // a 3.5" floppy disk
            Box(dc, 2, 2, 14, 14, RGB(0, 0, 128), RGB(0, 0, 0));
            Box(dc, 5, 2, 11, 7, RGB(192, 192, 192), RGB(128, 128, 128));
            Box(dc, 7, 3, 9, 6, RGB(0, 0, 128), RGB(0, 0, 128));
            Box(dc, 4, 9, 12, 14, RGB(255, 255, 255), RGB(0, 0, 0));
            break;
        case DRIVE_CDROM: {  // a silver disc
            GdiObject<HBRUSH> disc(CreateSolidBrush(RGB(224, 224, 232)));
            GdiObject<HPEN> rim(CreatePen(PS_SOLID, 1, RGB(96, 96, 96)));
            Selection b(dc, disc.Get()), p(dc, rim.Get());
            Ellipse(dc, 1, 1, 15, 15);
            Line(dc, 4, 5, 7, 4, RGB(0, 160, 224));
            Line(dc, 9, 12, 12, 11, RGB(224, 160, 0));
            GdiObject<HBRUSH> hole(CreateSolidBrush(kKey));
            Selection h(dc, hole.Get());
            Ellipse(dc, 6, 6, 10, 10);
            break;
        }
        case DRIVE_REMOTE:  // a hard disk on a network cable
            Box(dc, 1, 2, 15, 9, RGB(192, 192, 192), RGB(64, 64, 64));
            Line(dc, 2, 3, 14, 3, RGB(255, 255, 255));
            Line(dc, 11, 6, 13, 6, RGB(0, 192, 0));
            Line(dc, 7, 9, 7, 13, RGB(0, 0, 0));
            Line(dc, 2, 13, 14, 13, RGB(0, 128, 0));
            Line(dc, 2, 14, 14, 14, RGB(0, 128, 0));
            break;
        case DRIVE_RAMDISK:  // a memory module
            Box(dc, 1, 4, 15, 12, RGB(0, 128, 64), RGB(0, 64, 32));
            for (int x = 3; x < 13; x += 4) Box(dc, x, 6, x + 3, 10, RGB(32, 32, 32), RGB(0, 0, 0));
            break;
        default:  // a hard disk
            Box(dc, 1, 5, 15, 12, RGB(192, 192, 192), RGB(64, 64, 64));
            Line(dc, 2, 6, 14, 6, RGB(255, 255, 255));
            Line(dc, 3, 9, 8, 9, RGB(128, 128, 128));
            Line(dc, 11, 9, 13, 9, RGB(0, 192, 0));
            break;
    }
    return canvas.ToBitmap();
}

const TBitmap& PictureOf(UINT type) {
    static const TBitmap floppy = DrivePicture(DRIVE_REMOVABLE);
    static const TBitmap cd = DrivePicture(DRIVE_CDROM);
    static const TBitmap remote = DrivePicture(DRIVE_REMOTE);
    static const TBitmap ram = DrivePicture(DRIVE_RAMDISK);
    static const TBitmap fixed = DrivePicture(DRIVE_FIXED);
    switch (type) {
        case DRIVE_REMOVABLE:
            return floppy;
        case DRIVE_CDROM:
            return cd;
        case DRIVE_REMOTE:
            return remote;
        case DRIVE_RAMDISK:
            return ram;
        default:
            return fixed;
    }
}

}  // namespace

DriveComboPeer::DriveComboPeer(TControl& control, FontCache& fonts) : ImageComboPeer(control, fonts) {
    auto& drives = dynamic_cast<TDriveComboBox&>(control);
    if (drives.ItemCount() == 0) drives.Refresh();  // the peer is not in place yet: no echo
    FillItems();
}

void DriveComboPeer::FillItems() {
    const auto& drives = dynamic_cast<const TDriveComboBox&>(control_);
    types_.clear();
    for (int i = 0; i < drives.ItemCount(); ++i) {
        const std::string root = std::string(1, static_cast<char>(drives.ItemData(i))) + ":\\";
        types_.push_back(GetDriveTypeA(root.c_str()));
    }
    ComboPeer::FillItems();
}

const TBitmap* DriveComboPeer::Picture(int index) const {
    if (index < 0 || index >= static_cast<int>(types_.size())) return nullptr;
    return &PictureOf(types_[index]);
}

}  // namespace widgets::win32
