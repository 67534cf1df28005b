#include "widgets/string_grid.h"

#include "widgets/errors.h"

namespace widgets {

namespace {
const std::string kEmpty;
}

TStringGrid::TStringGrid(TComponent* owner) : TWinControl(owner) {
    SetColor(clWindow);
    Reshape();
}

void TStringGrid::Reshape() {
    cells_.resize(rowCount_);
    for (auto& row : cells_) row.resize(colCount_);
    colWidths_.resize(colCount_, defaultColWidth_);
    rowHeights_.resize(rowCount_, defaultRowHeight_);
    PeerChanged(PeerProperty::Cells);
    Invalidate();
}

void TStringGrid::SetColCount(int count) {
    if (count < 1) count = 1;
    if (count == colCount_) return;
    colCount_ = count;
    if (fixedCols_ >= count) fixedCols_ = count - 1;
    Reshape();
}

void TStringGrid::SetRowCount(int count) {
    if (count < 1) count = 1;
    if (count == rowCount_) return;
    rowCount_ = count;
    if (fixedRows_ >= count) fixedRows_ = count - 1;
    Reshape();
}

void TStringGrid::SetFixedCols(int count) {
    if (count < 0 || count >= colCount_)
        throw EInvalidOperation("Die Anzahl fester Spalten muß kleiner als die Spaltenanzahl sein");
    if (count == fixedCols_) return;
    fixedCols_ = count;
    Restyle();
}

void TStringGrid::SetFixedRows(int count) {
    if (count < 0 || count >= rowCount_)
        throw EInvalidOperation("Die Anzahl fester Zeilen muß kleiner als die Zeilenanzahl sein");
    if (count == fixedRows_) return;
    fixedRows_ = count;
    Restyle();
}

const std::string& TStringGrid::Cell(int col, int row) const {
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) return kEmpty;
    return cells_[row][col];
}

void TStringGrid::SetCell(int col, int row, const std::string& text) {
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_)
        throw EInvalidOperation("Zellindex außerhalb des Gitters");
    if (cells_[row][col] == text) return;
    cells_[row][col] = text;
    PeerChanged(PeerProperty::Cells);
    Invalidate();
}

void TStringGrid::SetDefaultColWidth(int width) {
    if (width == defaultColWidth_) return;
    defaultColWidth_ = width;
    colWidths_.assign(colCount_, width);
    Restyle();
}

void TStringGrid::SetDefaultRowHeight(int height) {
    if (height == defaultRowHeight_) return;
    defaultRowHeight_ = height;
    rowHeights_.assign(rowCount_, height);
    Restyle();
}

int TStringGrid::ColWidth(int col) const { return col >= 0 && col < colCount_ ? colWidths_[col] : 0; }

void TStringGrid::SetColWidth(int col, int width) {
    if (col < 0 || col >= colCount_) throw EInvalidOperation("Spaltenindex außerhalb des Gitters");
    if (colWidths_[col] == width) return;
    colWidths_[col] = width;
    Restyle();
}

int TStringGrid::RowHeight(int row) const { return row >= 0 && row < rowCount_ ? rowHeights_[row] : 0; }

void TStringGrid::SetRowHeight(int row, int height) {
    if (row < 0 || row >= rowCount_) throw EInvalidOperation("Zeilenindex außerhalb des Gitters");
    if (rowHeights_[row] == height) return;
    rowHeights_[row] = height;
    Restyle();
}

void TStringGrid::SetVertLines(bool lines) {
    if (lines == vertLines_) return;
    vertLines_ = lines;
    Restyle();
}

void TStringGrid::SetHorzLines(bool lines) {
    if (lines == horzLines_) return;
    horzLines_ = lines;
    Restyle();
}

}  // namespace widgets
