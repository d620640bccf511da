#pragma once

#include "devtools/cls_graphical_view_header.h"
#include "host/runtime/collection.h"

#include <cstdint>
#include <string>

// The older header model: cells found by row and column (the first added
// wins), a height per row, and the table's width and height. Sums beyond 16
// bits, and more than 32767 cells, raise the overflow error.
class clsGraphicalViewHeaders {
  public:
    void Add(const std::string& pText, std::int16_t pWidth, std::int16_t pRow, std::int16_t pCol,
             std::int32_t pTA);
    // False for a missing cell; a let on a missing cell does nothing.
    bool MouseOver(std::int16_t pRow, std::int16_t pCol) const;
    void MouseOver(std::int16_t pRow, std::int16_t pCol, bool pValue);
    // 0 for a missing cell.
    std::int16_t RectArea(std::int16_t pRow, std::int16_t pCol, std::int16_t pRect) const;
    void RectArea(std::int16_t pRow, std::int16_t pCol, std::int16_t pRect, std::int16_t pValue);
    // A row without a height raises the invalid-call error. Setting a row's
    // height again replaces it.
    std::int16_t RowHeight(std::int16_t pRow) const;
    void RowHeight(std::int16_t pRow, std::int16_t pHeight);
    void SetText(std::int16_t pRow, std::int16_t pCol, const std::string& pText);
    // The sum of the row heights.
    std::int16_t GetHeight() const;
    // The widest run of cells, a run starting at each cell whose row lies
    // below every row met before it (added row by row, a run is a row).
    std::int16_t GetWidth() const;
    // The largest column of the row; 0 for a row without cells.
    std::int16_t GetColCount(std::int16_t pRow) const;
    std::int16_t GetColWidth(std::int16_t pRow, std::int16_t pCol) const;
    std::int32_t GetTextType(std::int16_t pRow, std::int16_t pCol) const;
    std::string GetText(std::int16_t pRow, std::int16_t pCol) const;
    // The largest row of any cell; 0 without cells.
    std::int16_t GetRowCount() const;

  private:
    static std::string rowKey(std::int16_t pRow) { return "Row" + std::to_string(pRow); }
    const clsGraphicalViewHeader* cell(std::int16_t pRow, std::int16_t pCol) const;
    clsGraphicalViewHeader* cell(std::int16_t pRow, std::int16_t pCol);

    host::runtime::Collection<clsGraphicalViewHeader> headers_;
    std::int16_t count_ = 0;
    host::runtime::Collection<std::int16_t> rowHeights_;
};
