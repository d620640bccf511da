#pragma once

#include "grids/table_view/cls_gv_header.h"

#include "platform/records/cls_font.h"
#include "platform/records/cls_rect.h"

#include "host/gdi/device_context.h"
#include "host/runtime/collection.h"

#include <cstdint>
#include <string>

// The cell table of the table view: the cells by identifier (letter case
// ignored) and one height per row, and all geometry in pixels from the
// table's top-left corner. Row r starts below rows 1 .. r - 1; in a row,
// column c starts right of columns 1 .. c - 1 of that row. Frame lines lie
// on the top and bottom pixel rows of odd rows, the left and right pixel
// columns of odd columns, the right edge of each row's last column and the
// bottom of the last row.
//
// By identifier, a missing cell (or row height) raises the collection's
// error, and a second cell with one identifier (or a second height for one
// row) the duplicate-key error. By position nothing fails: the first cell
// added at the position answers, and a missing one gives 0, False, "" or
// null.
class clsGVHeaders {
  public:
    clsGVHeaders() = default;
    clsGVHeaders(const clsGVHeaders&) = delete;
    clsGVHeaders& operator=(const clsGVHeaders&) = delete;

    void Add(std::int16_t pRow, std::int16_t pCol, std::int16_t pWidth, std::int32_t TA, std::string pText,
             std::string pID);
    void SetImage(const std::string& pID, const host::gdi::DeviceContext* Image,
                  const host::gdi::DeviceContext* MaskImage, bool OVERLAPPED, std::int32_t TA,
                  std::int16_t pLeft);
    void SetFont(const std::string& pID, std::string FontName, std::int16_t FontSize, bool FontBold);
    void SetFontColor(const std::string& pID, std::int32_t clrName);
    // Leaves the arguments alone when no cell is at the position.
    void GetImageSize(std::int16_t pRow, std::int16_t pCol, std::int16_t& pWidth,
                      std::int16_t& pHeight) const;

    // Widens pWidth to the widest row and adds every row's height to pHeight;
    // both unchanged without rows.
    void GetControlSize(std::int16_t& pWidth, std::int16_t& pHeight) const;
    // The cell's inner rectangle, clear of the frame lines it owns or
    // borders; Right and Bottom are excluded edges. False, and the record
    // untouched, when the position does not exist.
    bool GetCellRect(std::int16_t pRow, std::int16_t pCol, clsRECT& cRect) const;
    // The inner rectangle less the picture's place beside the text (or less
    // ImageTextLeft when the text lies over the picture).
    bool GetTextRect(std::int16_t pRow, std::int16_t pCol, clsRECT& cRect) const;

    void GetIDtoHeader(const std::string& pID, std::int16_t& pRow, std::int16_t& pCol) const;
    void RowHeight(std::int16_t pRow, std::int16_t pHeight);
    std::int16_t RowHeight(std::int16_t pRow) const;

    bool IsTextColor(std::int16_t pRow, std::int16_t pCol) const;
    bool IsImage(std::int16_t pRow, std::int16_t pCol) const;
    const host::gdi::DeviceContext* Image(std::int16_t pRow, std::int16_t pCol) const;
    const host::gdi::DeviceContext* MaskImage(std::int16_t pRow, std::int16_t pCol) const;
    bool OVERLAPPED(std::int16_t pRow, std::int16_t pCol) const;
    std::int32_t ImageAlign(std::int16_t pRow, std::int16_t pCol) const;
    std::int16_t ImageTextLeft(std::int16_t pRow, std::int16_t pCol) const;
    bool IsFont(std::int16_t pRow, std::int16_t pCol) const;
    const clsFont* Font(std::int16_t pRow, std::int16_t pCol) const;
    std::string Text(std::int16_t pRow, std::int16_t pCol) const;
    void Text(std::int16_t pRow, std::int16_t pCol, std::string value);
    const std::string& TextAsID(const std::string& pID) const;
    void TextAsID(const std::string& pID, std::string value);
    std::int32_t TextColor(std::int16_t pRow, std::int16_t pCol) const;
    std::int32_t TextAlign(std::int16_t pRow, std::int16_t pCol) const;
    std::int16_t Width(std::int16_t pRow, std::int16_t pCol) const;
    std::int16_t RowCount() const;
    std::int16_t ColCount(std::int16_t pRow) const;
    std::int16_t ColWidth(std::int16_t pRow, std::int16_t pCol) const { return Width(pRow, pCol); }
    std::int32_t TextType(std::int16_t pRow, std::int16_t pCol) const { return TextAlign(pRow, pCol); }

    // A cell's place, frame lines included: x, y from the table's corner,
    // W wide and H tall.
    struct CellBox {
        int x = 0;
        int y = 0;
        int W = 0;
        int H = 0;
    };
    // The box of the position (row heights must be set up to pRow).
    CellBox cellBox(std::int16_t pRow, std::int16_t pCol) const;

  private:
    clsGVHeader* at(std::int16_t pRow, std::int16_t pCol);
    const clsGVHeader* at(std::int16_t pRow, std::int16_t pCol) const;
    bool exists(std::int16_t pRow, std::int16_t pCol) const;

    host::runtime::Collection<std::int16_t> rowHeights_{host::runtime::KeyFold::IgnoreCase};
    host::runtime::Collection<clsGVHeader> headers_{host::runtime::KeyFold::IgnoreCase};
};
