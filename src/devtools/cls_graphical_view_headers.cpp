#include "devtools/cls_graphical_view_headers.h"

#include "host/runtime/rounding.h"

#include <algorithm>
#include <utility>

namespace {

// A 16-bit sum; beyond the range it raises the overflow error.
std::int16_t sum16(std::int32_t sum) {
    return host::runtime::CInt(static_cast<double>(sum));
}

} // namespace

void clsGraphicalViewHeaders::Add(const std::string& pText, std::int16_t pWidth, std::int16_t pRow,
                                  std::int16_t pCol, std::int32_t pTA) {
    const std::int16_t next = sum16(count_ + 1);
    clsGraphicalViewHeader header;
    header.Add(pText, pWidth, pRow, pCol, pTA);
    headers_.add(std::move(header), "Num" + std::to_string(next));
    count_ = next;
}

const clsGraphicalViewHeader* clsGraphicalViewHeaders::cell(std::int16_t pRow, std::int16_t pCol) const {
    for (const clsGraphicalViewHeader& header : headers_)
        if (header.Row() == pRow && header.Col() == pCol) return &header;
    return nullptr;
}

clsGraphicalViewHeader* clsGraphicalViewHeaders::cell(std::int16_t pRow, std::int16_t pCol) {
    return const_cast<clsGraphicalViewHeader*>(std::as_const(*this).cell(pRow, pCol));
}

bool clsGraphicalViewHeaders::MouseOver(std::int16_t pRow, std::int16_t pCol) const {
    const clsGraphicalViewHeader* header = cell(pRow, pCol);
    return header && header->MouseOver();
}

void clsGraphicalViewHeaders::MouseOver(std::int16_t pRow, std::int16_t pCol, bool pValue) {
    if (clsGraphicalViewHeader* header = cell(pRow, pCol)) header->MouseOver(pValue);
}

std::int16_t clsGraphicalViewHeaders::RectArea(std::int16_t pRow, std::int16_t pCol,
                                               std::int16_t pRect) const {
    const clsGraphicalViewHeader* header = cell(pRow, pCol);
    return header ? header->RectArea(pRect) : 0;
}

void clsGraphicalViewHeaders::RectArea(std::int16_t pRow, std::int16_t pCol, std::int16_t pRect,
                                       std::int16_t pValue) {
    if (clsGraphicalViewHeader* header = cell(pRow, pCol)) header->RectArea(pRect, pValue);
}

std::int16_t clsGraphicalViewHeaders::RowHeight(std::int16_t pRow) const {
    return rowHeights_.item(rowKey(pRow));
}

void clsGraphicalViewHeaders::RowHeight(std::int16_t pRow, std::int16_t pHeight) {
    if (std::int16_t* height = rowHeights_.find(rowKey(pRow))) {
        *height = pHeight;
        return;
    }
    rowHeights_.add(pHeight, rowKey(pRow));
}

void clsGraphicalViewHeaders::SetText(std::int16_t pRow, std::int16_t pCol, const std::string& pText) {
    if (clsGraphicalViewHeader* header = cell(pRow, pCol)) header->Text(pText);
}

std::int16_t clsGraphicalViewHeaders::GetHeight() const {
    std::int16_t total = 0;
    for (std::int16_t height : rowHeights_)
        total = sum16(std::int32_t{total} + height);
    return total;
}

std::int16_t clsGraphicalViewHeaders::GetWidth() const {
    std::int16_t widest = 0;
    std::int16_t run = 0;
    std::int16_t lastRow = 0;
    for (const clsGraphicalViewHeader& header : headers_) {
        if (header.Row() > lastRow) {
            widest = std::max(widest, run);
            run = 0;
            lastRow = header.Row();
        }
        run = sum16(std::int32_t{run} + header.Width());
    }
    return std::max(widest, run);
}

std::int16_t clsGraphicalViewHeaders::GetColCount(std::int16_t pRow) const {
    std::int16_t columns = 0;
    for (const clsGraphicalViewHeader& header : headers_)
        if (header.Row() == pRow) columns = std::max(columns, header.Col());
    return columns;
}

std::int16_t clsGraphicalViewHeaders::GetColWidth(std::int16_t pRow, std::int16_t pCol) const {
    const clsGraphicalViewHeader* header = cell(pRow, pCol);
    return header ? header->Width() : 0;
}

std::int32_t clsGraphicalViewHeaders::GetTextType(std::int16_t pRow, std::int16_t pCol) const {
    const clsGraphicalViewHeader* header = cell(pRow, pCol);
    return header ? header->TextAlign() : 0;
}

std::string clsGraphicalViewHeaders::GetText(std::int16_t pRow, std::int16_t pCol) const {
    const clsGraphicalViewHeader* header = cell(pRow, pCol);
    return header ? header->Text() : "";
}

std::int16_t clsGraphicalViewHeaders::GetRowCount() const {
    std::int16_t rows = 0;
    for (const clsGraphicalViewHeader& header : headers_)
        rows = std::max(rows, header.Row());
    return rows;
}
