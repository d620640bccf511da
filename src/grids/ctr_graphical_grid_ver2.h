#pragma once

#include "grids/cls_gg_ver2_headers.h"
#include "grids/grid_sort_keys.h"

#include "host/gdi/geometry.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Where the check mark of a check column sits in its cell, and its size.
struct CheckMarkGeometry {
    std::int16_t width = 0;      // the picture's width
    std::int16_t halfHeight = 0; // one state's height
    std::int16_t xOffset = 0;    // from the cell's left edge
    std::int16_t yOffset = 0;    // from the slot's top edge
};

// The list grid: a header row over rows of text cells, laid out from a
// column set. A host fills it with SetGrid, then Row / Col / Value per cell.
// Cells are strings; a set that begins with a check column keeps each row's
// check state ("1" or "0") in cell 0.
class ctrGraphicalGridVer2 {
  public:
    // Lays the grid out for DataRows + 1 rows of DataCols + 1 cells, all
    // empty; the columns are taken from HeaderCollection, which the grid keeps.
    // A negative DataRows gives an empty grid. A RowHeight of 0 keeps the
    // grid's row height. A collection lacking "header1" .. "header<Count>"
    // raises the collection's error and leaves the grid as it was.
    void SetGrid(std::shared_ptr<const GGVer2HeaderCollection> HeaderCollection, std::int16_t VisibleRows,
                 std::int16_t DataRows, std::int16_t DataCols, std::int16_t RowHeight);

    // The highest row index (-1 for an empty grid).
    std::int16_t Rows() const { return dataRows_; }
    // The cell cursor of Value. A cursor outside the grid makes Value lets do
    // nothing and Value gets answer "".
    std::int16_t Row() const { return row_; }
    void Row(std::int16_t value) { row_ = value; }
    std::int16_t Col() const { return col_; }
    void Col(std::int16_t value) { col_ = value; }
    const std::string& Value() const;
    void Value(std::string text);

    // The cell's text; "" outside the grid.
    const std::string& GetData(std::int16_t pRow, std::int16_t pCol) const;

    // Whether the row's check cell holds the number 1; False without a check
    // column, outside the grid, or when the cell is not a number.
    bool Checked(std::int16_t pRow) const;
    // Sets the row's check. A multi-select grid sets just that row. A
    // single-select grid first clears the checked row; then the row becomes
    // the checked one when value is True and it was not already checked. Rows
    // outside the grid and grids without a check column are left alone.
    void Checked(std::int16_t pRow, bool value);

    // Stores the cell's text; nothing for a cell outside the grid or a bar,
    // hidden or check column.
    void SetValue(std::int16_t pRow, std::int16_t pCol, std::string text);

    bool headerVisible() const { return headerVisible_; }
    void headerVisible(bool value) { headerVisible_ = value; }
    // The line height in pixels, at least 10.
    std::int16_t RowHeight() const { return rowHeight_; }
    void RowHeight(std::int16_t value) { rowHeight_ = value < 10 ? 10 : value; }
    bool MultiSelect() const { return multiSelect_; }
    void MultiSelect(bool value) { multiSelect_ = value; }

    // Layout, as the last SetGrid made it.
    std::int16_t DataCols() const { return dataCols_; }
    std::int16_t HeaderRows() const { return headerVisible_ ? 1 : 0; }
    std::int16_t ShownSlots() const { return layout_.shownSlots; }
    bool ScrollBarShown() const { return layout_.scrollBarShown; }
    // The last column laid out; -1 when none is.
    std::int16_t LastShownColumn() const { return static_cast<std::int16_t>(layout_.widths.size()) - 1; }
    std::int32_t TotalWidth() const { return layout_.totalWidth; }
    // The width of cell index c: its column's width when it is laid out, else 0.
    std::int16_t ColumnWidth(std::int16_t c) const;
    // Column c's rectangle in display slot d (slot 0 is the header row when
    // it shows), for d from 0 to ShownSlots - HeaderRows and every shown column.
    host::gdi::Rect SlotRect(std::int16_t d, std::int16_t c) const;
    bool HasCheckColumn() const { return layout_.hasCheckColumn; }
    const CheckMarkGeometry& CheckMark() const { return layout_.checkMark; }
    const GGVer2HeaderCollection* HeaderCollection() const { return headers_.get(); }

    // The data row shown in the first data slot.
    std::int16_t TopRow() const { return topRow_; }
    // The checked row of a single-select grid, -1 for none.
    std::int16_t CheckedRow() const { return checkedRow_; }
    // True while SetGrid runs; the mouse is ignored then.
    bool Busy() const { return busy_; }

    // Sorting. The history holds the last two key columns, newest first, and
    // one direction for both.
    const GridSortKeys& SortKeys() const { return sortKeys_; }
    // Empties the history and takes the direction; then, when SortCol is a
    // cell index of the grid, sorts by that column alone.
    void SortFromStart(std::int16_t SortCol, std::int32_t SortType);
    // Makes the column the primary key (a second time flips the direction).
    void AddSortKey(std::int16_t column) { sortKeys_.AddSortKey(column); }
    // Sorts the rows by the history; equal rows keep their order and the
    // checked row follows its data. An empty history raises the invalid-call
    // error (5).
    void SortGridRows();

  private:
    struct Layout {
        std::int16_t shownSlots = 0;
        bool scrollBarShown = false;
        std::vector<std::int16_t> widths; // of the shown columns
        std::int32_t totalWidth = 0;
        std::vector<std::vector<host::gdi::Rect>> slotRects; // [slot][column]
        bool hasCheckColumn = false;
        CheckMarkGeometry checkMark;
    };

    Layout layOut(const GGVer2HeaderCollection& headers, std::int16_t visibleRows,
                  std::int16_t dataRows) const;
    bool inGrid(std::int16_t pRow, std::int16_t pCol) const;
    std::string& cell(std::int16_t pRow, std::int16_t pCol);
    const std::string& cell(std::int16_t pRow, std::int16_t pCol) const;
    // A row's sort-key cells read as numbers, primary first.
    using SortKeyNumbers = std::array<std::optional<std::int32_t>, GridSortKeys::kLimit>;
    int CompareGridCells(std::int16_t r, const std::vector<SortKeyNumbers>& numbers) const;
    void SwapGridRows(std::int16_t r);

    std::int16_t dataRows_ = -1;
    std::int16_t dataCols_ = -1;
    std::vector<std::vector<std::string>> cells_; // [row][cell]
    std::int16_t row_ = 0;
    std::int16_t col_ = 0;
    Layout layout_;
    std::shared_ptr<const GGVer2HeaderCollection> headers_;
    std::int16_t topRow_ = 0;
    std::int16_t checkedRow_ = -1;
    bool busy_ = false;
    bool headerVisible_ = true;
    std::int16_t rowHeight_ = 20;
    bool multiSelect_ = false;
    GridSortKeys sortKeys_;
};
