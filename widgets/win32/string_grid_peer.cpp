#include "widgets/win32/string_grid_peer.h"

#include "widgets/string_grid.h"
#include "widgets/win32/dib.h"

namespace widgets::win32 {

StringGridPeer::StringGridPeer(TControl& control, FontCache& fonts) : WindowPeer(control, fonts) {
    // No tab stop: the grid shows a table and has no cursor of its own.
    Create(kClassName, WS_CHILD | WS_CLIPSIBLINGS, WS_EX_CLIENTEDGE, ParentHandle(control), control.BoundsRect());
}

void StringGridPeer::Paint(HDC dc, const TStringGrid& grid, FontCache& fonts, int width, int height) {
    RECT client = {0, 0, width, height};
    FillRect(dc, &client, fonts.Brush(grid.Color()));
    // Lines between the cells: black round the fixed cells, silver (grey
    // on a silver grid) between the others.
    const COLORREF face = ToColorRef(grid.Color());
    HBRUSH line = fonts.Brush(face == ToColorRef(clSilver) ? clGray : clSilver);
    HBRUSH fixedLine = fonts.Brush(clBlack);
    const int vertical = grid.VertLines() ? 1 : 0;
    const int horizontal = grid.HorzLines() ? 1 : 0;

    Selection select(dc, fonts.Get(grid.Font()));
    SetBkMode(dc, TRANSPARENT);
    int top = 0;
    for (int row = 0; row < grid.RowCount() && top < height; ++row) {
        const int rowHeight = grid.RowHeight(row);
        if (rowHeight <= 0) continue;
        int left = 0;
        for (int col = 0; col < grid.ColCount() && left < width; ++col) {
            const int colWidth = grid.ColWidth(col);
            if (colWidth <= 0) continue;
            const bool fixed = row < grid.FixedRows() || col < grid.FixedCols();
            RECT cell = {left, top, left + colWidth, top + rowHeight};
            if (fixed) {
                FillRect(dc, &cell, fonts.Brush(clBtnFace));
                RECT edge = cell;
                DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
            }
            const std::string& text = grid.Cell(col, row);
            if (!text.empty()) {
                SetTextColor(dc, ToColorRef(grid.Font().Color()));
                ExtTextOutA(dc, cell.left + 2, cell.top + 2, ETO_CLIPPED, &cell, text.c_str(),
                            static_cast<UINT>(text.size()), nullptr);
            }
            if (vertical) {
                RECT r = {cell.right, cell.top, cell.right + 1, cell.bottom + horizontal};
                FillRect(dc, &r, fixed ? fixedLine : line);
            }
            if (horizontal) {
                RECT r = {cell.left, cell.bottom, cell.right + vertical, cell.bottom + 1};
                FillRect(dc, &r, fixed ? fixedLine : line);
            }
            left += colWidth + vertical;
        }
        top += rowHeight + horizontal;
    }
}

void StringGridPeer::PaintWindow() {
    PaintBuffered(window_, [this](DibCanvas& canvas, const RECT& client) {
        Paint(canvas.Dc(), dynamic_cast<const TStringGrid&>(control_), fonts_, client.right, client.bottom);
    });
}

TBitmap StringGridPeer::Capture() {
    RECT client = {};
    GetClientRect(window_, &client);
    DibCanvas canvas(client.right, client.bottom);
    if (!canvas.Valid()) return TBitmap();
    Paint(canvas.Dc(), dynamic_cast<const TStringGrid&>(control_), fonts_, client.right, client.bottom);
    return canvas.ToBitmap();
}

void StringGridPeer::Changed(PeerProperty property) {
    switch (property) {
        case PeerProperty::Cells:
        case PeerProperty::Style:
            Invalidate();
            break;
        default:
            WindowPeer::Changed(property);
            break;
    }
}

bool StringGridPeer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_ERASEBKGND:
            result = 1;  // WM_PAINT covers everything
            return true;
        case WM_PAINT:
            PaintWindow();
            result = 0;
            return true;
        default:
            return WindowPeer::OnMessage(message, wParam, lParam, result);
    }
}

}  // namespace widgets::win32
