// A table of texts with fixed (header) rows and columns.
#pragma once

#include <string>
#include <vector>

#include "widgets/win_control.h"

namespace widgets {

class TStringGrid : public TWinControl {
public:
    explicit TStringGrid(TComponent* owner);

    const char* ClassName() const override { return "TStringGrid"; }

    int ColCount() const { return colCount_; }
    // At least 1; fewer columns than fixed ones reduce the fixed ones.
    // Texts in the columns that remain are kept.
    void SetColCount(int count);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int count);
    int FixedCols() const { return fixedCols_; }
    // Raises EInvalidOperation unless below ColCount.
    void SetFixedCols(int count);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int count);

    // Texts outside the grid read as empty; writing there raises
    // EInvalidOperation.
    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);

    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int height);
    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int height);

    bool VertLines() const { return vertLines_; }
    void SetVertLines(bool lines);
    bool HorzLines() const { return horzLines_; }
    void SetHorzLines(bool lines);

private:
    void Reshape();

    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<std::vector<std::string>> cells_;  // [row][col]
    bool vertLines_ = true;
    bool horzLines_ = true;
};

}  // namespace widgets
