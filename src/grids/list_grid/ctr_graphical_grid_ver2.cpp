#include "grids/list_grid/ctr_graphical_grid_ver2.h"

#include "grids/columns/column_kinds.h"
#include "grids/flag_scope.h"

#include "host/gdi/blit.h"
#include "host/runtime/convert.h"
#include "host/runtime/rounding.h"

namespace {

const std::string kEmpty;
const std::string kCheckedCell = "1";
const std::string kUncheckedCell = "0";

const clsGGVer2Header& headerAt(const GGVer2HeaderCollection& headers, long position) {
    return *headers.item("header" + std::to_string(position));
}

std::int16_t roundedHalf(double value) {
    return host::runtime::CInt(value);
}

} // namespace

void ctrGraphicalGridVer2::SetGrid(std::shared_ptr<const GGVer2HeaderCollection> HeaderCollection,
                                   std::int16_t VisibleRows, std::int16_t DataRows, std::int16_t DataCols,
                                   std::int16_t RowHeight) {
    FlagScope busy(busy_);
    const std::int16_t rowHeightBefore = settings.RowHeight;
    if (RowHeight != 0) this->RowHeight(RowHeight);
    Layout layout;
    try {
        layout = layOut(*HeaderCollection, VisibleRows, DataRows < 0 ? -1 : DataRows);
    } catch (...) {
        settings.RowHeight = rowHeightBefore;
        throw;
    }
    dataRows_ = DataRows < 0 ? -1 : DataRows;
    dataCols_ = DataCols < 0 ? -1 : DataCols;
    cells_.assign(static_cast<std::size_t>(dataRows_ + 1),
                  std::vector<std::string>(static_cast<std::size_t>(dataCols_ + 1)));
    checkedRow_ = -1;
    mouseSlot_ = -1;
    hoveredRow_ = -1;
    row_ = 0;
    col_ = 0;
    topRow_ = 0;
    lastDrawnTopRow_ = 0;
    layout_ = std::move(layout);
    headers_ = std::move(HeaderCollection);
    if (!layout_.scrollBarShown) scroll_.setVisible(false);
}

ctrGraphicalGridVer2::Layout ctrGraphicalGridVer2::layOut(const GGVer2HeaderCollection& headers,
                                                          std::int16_t visibleRows,
                                                          std::int16_t dataRows) const {
    Layout layout;
    const int headerRows = HeaderRows();
    const int need = headerRows + dataRows + 1;
    if (visibleRows > need) {
        layout.shownSlots = static_cast<std::int16_t>(need);
    } else {
        layout.shownSlots = visibleRows;
        layout.scrollBarShown = visibleRows < need;
    }

    for (long i = 1; i <= headers.count(); ++i) {
        const clsGGVer2Header& header = headerAt(headers, i);
        if (header.TextAlign() == kColumnEnd) break;
        if (header.TextAlign() == kColumnCheckMark) {
            layout.hasCheckColumn = true;
            layout.checkMark.width = header.MinorImageWidth();
            layout.checkMark.halfHeight = roundedHalf(header.MaxorImageHeight() / 2.0);
            layout.checkMark.xOffset = roundedHalf((header.Width() - header.MinorImageWidth()) / 2.0);
            layout.checkMark.yOffset =
                roundedHalf((settings.RowHeight - header.MaxorImageHeight() / 2.0) / 2.0);
        }
        layout.widths.push_back(header.Width());
        layout.totalWidth += header.Width();
    }

    for (int d = 0; d <= layout.shownSlots - headerRows; ++d) {
        std::vector<host::gdi::Rect> slot;
        int x = 0;
        for (std::int16_t width : layout.widths) {
            slot.push_back({x + 1, d * settings.RowHeight + 1, x + width, (d + 1) * settings.RowHeight});
            x += width;
        }
        layout.slotRects.push_back(std::move(slot));
    }
    return layout;
}

bool ctrGraphicalGridVer2::inGrid(std::int16_t pRow, std::int16_t pCol) const {
    return pRow >= 0 && pRow <= dataRows_ && pCol >= 0 && pCol <= dataCols_;
}

std::string& ctrGraphicalGridVer2::cell(std::int16_t pRow, std::int16_t pCol) {
    return cells_[static_cast<std::size_t>(pRow)][static_cast<std::size_t>(pCol)];
}

const std::string& ctrGraphicalGridVer2::cell(std::int16_t pRow, std::int16_t pCol) const {
    return cells_[static_cast<std::size_t>(pRow)][static_cast<std::size_t>(pCol)];
}

const std::string& ctrGraphicalGridVer2::Value() const {
    return GetData(row_, col_);
}

void ctrGraphicalGridVer2::Value(std::string text) {
    if (inGrid(row_, col_)) cell(row_, col_) = std::move(text);
}

const std::string& ctrGraphicalGridVer2::GetData(std::int16_t pRow, std::int16_t pCol) const {
    return inGrid(pRow, pCol) ? cell(pRow, pCol) : kEmpty;
}

bool ctrGraphicalGridVer2::Checked(std::int16_t pRow) const {
    if (!layout_.hasCheckColumn || !inGrid(pRow, 0)) return false;
    const std::string& state = cell(pRow, 0);
    return host::runtime::IsNumeric(state) && host::runtime::CDbl(state) == 1;
}

void ctrGraphicalGridVer2::Checked(std::int16_t pRow, bool value) {
    if (!layout_.hasCheckColumn || !inGrid(pRow, 0)) return;
    if (settings.MultiSelect) {
        cell(pRow, 0) = value ? kCheckedCell : kUncheckedCell;
    } else {
        const bool wasChecked = pRow == checkedRow_;
        if (checkedRow_ >= 0) {
            cell(checkedRow_, 0) = kUncheckedCell;
            redrawCheckMark(checkedRow_);
        }
        checkedRow_ = -1;
        if (value && !wasChecked) {
            cell(pRow, 0) = kCheckedCell;
            checkedRow_ = pRow;
        }
    }
    if (!onScreen(pRow)) return;
    redrawCheckMark(pRow);
    Disp().Refresh();
}

void ctrGraphicalGridVer2::SetValue(std::int16_t pRow, std::int16_t pCol, std::string text) {
    if (!inGrid(pRow, pCol)) return;
    const std::int32_t kind = headerAt(*headers_, pCol + 1).TextAlign();
    if (kind == kColumnBar || kind == kColumnEnd || kind == kColumnCheckMark) return;
    cell(pRow, pCol) = std::move(text);
    if (!onScreen(pRow) || pCol > LastShownColumn()) return;
    // The cell's inside, back to the background, then the cell again.
    const std::int16_t slot = slotOf(pRow);
    const host::gdi::Rect rect = SlotRect(slot, pCol);
    host::gdi::BitBlt(Disp().hDC(), rect.left, slot * settings.RowHeight + 1, rect.right - rect.left - 2,
                      rect.bottom - rect.top - 1, backImage_, rect.left, slot * settings.RowHeight + 1,
                      host::gdi::SRCCOPY);
    drawCell(pCol, slot, pRow);
    Disp().Refresh();
}

std::int16_t ctrGraphicalGridVer2::ColumnWidth(std::int16_t c) const {
    if (c < 0 || c >= static_cast<std::int16_t>(layout_.widths.size())) return 0;
    return layout_.widths[static_cast<std::size_t>(c)];
}

const clsGGVer2Header& ctrGraphicalGridVer2::header(std::int16_t c) const {
    return headerAt(*headers_, c + 1);
}

host::gdi::Rect ctrGraphicalGridVer2::SlotRect(std::int16_t d, std::int16_t c) const {
    return layout_.slotRects.at(static_cast<std::size_t>(d)).at(static_cast<std::size_t>(c));
}
