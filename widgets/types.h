// Small value types and enumerations shared by the components.
//
// The enumerators keep the names the forms use (bsNone, fsNormal, mrOk ...),
// so that a form's set-up reads like its description and the error texts of
// the page container can name them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace widgets {

class TComponent;
class TForm;

struct TPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const TPoint& o) const { return !(*this == o); }
};

struct TSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const TSize& o) const { return cx == o.cx && cy == o.cy; }
    bool operator!=(const TSize& o) const { return !(*this == o); }
};

// A rectangle in the Win32 manner: right and bottom lie outside.
struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const TRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const TRect& o) const { return !(*this == o); }
};

inline TRect Bounds(int left, int top, int width, int height) { return TRect{left, top, left + width, top + height}; }

// Colours as the forms give them: 0x00BBGGRR, or a system colour with the
// high bit set (the low byte is the COLOR_ index of GetSysColor).
using TColor = uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSystemColor = 0x80000000u;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;

// Dialog results; the numbers are the Win32 IDOK ... IDNO.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TCursor { crDefault, crArrow, crHandPoint, crHourGlass, crHelp, crIBeam, crNo, crSizeAll };
enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The virtual-key codes the components react to.
constexpr uint16_t kVkBack = 0x08;
constexpr uint16_t kVkTab = 0x09;
constexpr uint16_t kVkReturn = 0x0D;
constexpr uint16_t kVkEscape = 0x1B;
constexpr uint16_t kVkUp = 0x26;
constexpr uint16_t kVkDown = 0x28;
constexpr uint16_t kVkF1 = 0x70;

using TNotifyEvent = std::function<void(TComponent* Sender)>;
using TCloseEvent = std::function<void(TComponent* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TComponent* Sender, bool& CanClose)>;
using TMouseEvent = std::function<void(TComponent* Sender, TMouseButton Button, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TComponent* Sender, int X, int Y)>;
using TKeyEvent = std::function<void(TComponent* Sender, uint16_t& Key)>;
using TKeyPressEvent = std::function<void(TComponent* Sender, char& Key)>;

}  // namespace widgets
