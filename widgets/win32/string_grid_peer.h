// The peer of a string grid: a window of the program's own class with a
// sunken border, which draws the cells: the fixed rows and columns in the
// button face with raised edges, the others in the grid's colour, the
// grid lines, each column in its width and each row in its height.
#pragma once

#include "widgets/win32/window_peer.h"

namespace widgets {
class TStringGrid;
}

namespace widgets::win32 {

class StringGridPeer : public WindowPeer {
public:
    StringGridPeer(TControl& control, FontCache& fonts);

    void Changed(PeerProperty property) override;
    TBitmap Capture() override;

    // Draws the grid into a client area of the size.
    static void Paint(HDC dc, const TStringGrid& grid, FontCache& fonts, int width, int height);

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void PaintWindow();
};

}  // namespace widgets::win32
