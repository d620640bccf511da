#include "grids/list_grid/ctr_graphical_grid_ver2.h"

#include "grids/flag_scope.h"

#include "host/gdi/blit.h"
#include "host/runtime/rounding.h"
#include "host/ui/form.h"
#include "host/ui/window_procedure.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::int32_t kClickSound = 0;
constexpr std::int32_t kHoverSound = 1;
constexpr std::int32_t kWheelSound = 2;
constexpr std::int32_t kSortSound = 4;

} // namespace

// Hover: the pointer in the data area holds the capture and moves the frame
// from slot to slot; leaving the data area lets it go and clears the frame.
void ctrGraphicalGridVer2::onMouseMove(int, int, int x, int y) {
    const int rh = settings.RowHeight;
    // A stored row height of 0 lays out no slots to point at.
    if (busy_ || rh <= 0) return;
    const int tw = layout_.totalWidth;
    const int hdr = HeaderRows();
    const bool inside = x >= 0 && x < tw && y >= rh * hdr && y < Disp().height();
    if (inside) {
        SetCapture();
        captured_ = true;
    } else {
        if (hasCapture()) ReleaseCapture();
        if (hoveredRow_ >= 0) RestoreRow(slotOf(hoveredRow_), true);
        mouseSlot_ = -1;
        hoveredRow_ = -1;
        captured_ = false;
        MouseLeave.raise();
    }
    if (Control::Visible()) SetFocus();

    lastMouseX_ = x;
    const auto columns = static_cast<std::int16_t>(layout_.widths.size());
    for (std::int16_t c = 0; c < columns; ++c) {
        if (x < columnLeft(c) + ColumnWidth(c)) {
            mouseCol_ = c;
            break;
        }
    }
    const int s = y / rh;
    if (s == 0 && hdr == 1) {
        mouseSlot_ = 0;
        mouseRow_ = 0;
        return;
    }
    const bool overTrack = x > tw && y > scrollBar_.trackTop;
    if (x < 0 || x > Disp().width() || overTrack || y < 0 || y >= Disp().height()) {
        mouseSlot_ = -1;
        mouseRow_ = -1;
        return;
    }
    if (s == mouseSlot_ || x >= tw) return;
    mouseSlot_ = static_cast<std::int16_t>(s);
    MoveRowHighlight(mouseSlot_);
    mouseRow_ = static_cast<std::int16_t>(topRow_ + s - hdr);
    std::int16_t row = mouseRow_;
    std::int16_t column = mouseCol_;
    MouseSelect.raise(row, column);
    raiseSound(kHoverSound);
}

void ctrGraphicalGridVer2::onClick() {
    if (busy_ || lastMouseX_ >= layout_.totalWidth) return;
    if (mouseSlot_ == 0 && settings.HeaderVisible)
        headerClick();
    else if (layout_.hasCheckColumn)
        dataClick();
}

// Sorts by the column under the pointer (the same column again flips the
// direction) and draws the rows again at the same top row.
void ctrGraphicalGridVer2::headerClick() {
    if (sorting_ || !settings.SortFLG) return;
    {
        FlagScope sorting(sorting_);
        SortStart.raise();
        AddSortKey(mouseCol_);
        SortGridRows();
        host::gdi::BitBlt(Disp().hDC(), 0, 0, layout_.totalWidth, Disp().height(), backImage_, 0, 0,
                          host::gdi::SRCCOPY);
        DrawVisibleCells(topRow_);
        raiseSound(kSortSound);
        if (!settings.MultiSelect && checkedRow_ >= 0 && Checked(checkedRow_)) {
            std::int16_t checked = checkedRow_;
            CheckRowChange.raise(checked);
        }
    }
    SortEnd.raise();
}

// Checks the row under the pointer: a single-select grid moves its one check
// there (or clears it on the checked row), a multi-select grid turns it over.
void ctrGraphicalGridVer2::dataClick() {
    if (mouseRow_ < 0 || mouseRow_ > dataRows_) return;
    // A multi-select row is checked when its cell reads as 0, else unchecked.
    Checked(mouseRow_, !settings.MultiSelect || ParseNumber(cell(mouseRow_, 0)).value_or(0) == 0);
    std::int16_t row = mouseRow_;
    std::int16_t column = mouseCol_;
    RowSelect.raise(row, column);
    raiseSound(kClickSound);
}

void ctrGraphicalGridVer2::Scroll_MouseDown(int y) {
    dragging_ = true;
    grabOffset_ = y;
}

// Follows the pointer with the thumb, held inside its track, and shows the
// rows from the one the thumb stands for.
void ctrGraphicalGridVer2::Scroll_MouseMove() {
    if (!dragging_) return;
    host::ui::Form* owner = form();
    if (!owner) return;
    const int lowest = Disp().height() - scrollBar_.thumbHeight - settings.ScrollFrameWidth;
    if (lowest < scrollBar_.trackTop || scrollBar_.scale <= 0) return;
    // A quick drag past either end lands on that end.
    const int newTop =
        std::clamp(owner->cursorPositionIn(*this).y - grabOffset_, scrollBar_.trackTop, lowest);
    placeThumb(newTop);
    const int lastTop = dataRows_ + 1 - dataSlots();
    const int top =
        std::min(static_cast<int>(std::floor((newTop - scrollBar_.trackTop) / scrollBar_.scale)), lastTop);
    topRow_ = static_cast<std::int16_t>(top);
    if (topRow_ == lastDrawnTopRow_) return;
    RedrawAfterScroll(topRow_);
    lastDrawnTopRow_ = topRow_;
}

// Ends the drag; at either end of the rows the thumb goes to that end of
// its track.
void ctrGraphicalGridVer2::Scroll_MouseUp() {
    dragging_ = false;
    const int lastTop = dataRows_ + 1 - dataSlots();
    if (topRow_ == 0)
        placeThumb(scrollBar_.trackTop);
    else if (topRow_ == lastTop)
        placeThumb(scrollBar_.trackLength - scrollBar_.thumbHeight + scrollBar_.trackTop);
}

std::int32_t ctrGraphicalGridVer2::WindowProc(std::int32_t, std::uint32_t uMsg, std::int32_t wParam,
                                              std::int32_t) {
    if (uMsg == host::ui::WM_MOUSEWHEEL && layout_.scrollBarShown) ScrollGridByWheel(HIWORD(wParam));
    return -1;
}

// One wheel step while the pointer is over the data area: toward the user
// (a negative delta) the rows move up, away from the user down, by
// ScrollChenge rows or, with Scrolling set, by that share of the rows.
void ctrGraphicalGridVer2::ScrollGridByWheel(std::int32_t delta) {
    if (busy_ || !captured_) return;
    const int rows = dataRows_ + 1;
    const int change = std::max<int>(settings.ScrollChenge, 1);
    const int step = settings.ScrollingType == 0 ? change : std::max(rows / change, 1);
    const int hdr = HeaderRows();
    const int lastTop = rows - dataSlots();
    const auto thumbFor = [&](int top) {
        return scrollBar_.trackTop + static_cast<int>(std::trunc((top + hdr) * scrollBar_.scale));
    };
    const int trackEnd = scrollBar_.trackTop + scrollBar_.trackLength - scrollBar_.thumbHeight;
    int top = topRow_;
    if (delta < 0) {
        if (top == lastTop) return;
        if (rows > top + dataSlots() + step) {
            top += step;
            placeThumb(thumbFor(top));
        } else {
            top = lastTop;
            placeThumb(trackEnd);
        }
    } else {
        if (top == 0) return;
        if (top - step > 0) {
            top -= step;
            placeThumb(thumbFor(top));
        } else {
            top = 0;
            placeThumb(scrollBar_.trackTop);
        }
    }
    topRow_ = static_cast<std::int16_t>(top);
    host::gdi::BitBlt(Disp().hDC(), 0, 0, layout_.totalWidth, Disp().height(), backImage_, 0, 0,
                      host::gdi::SRCCOPY);
    DrawVisibleCells(topRow_);
    // Without a row under the pointer since the last fill there is nothing to hover.
    if (mouseSlot_ < hdr) return;
    hoveredRow_ = static_cast<std::int16_t>(topRow_ + mouseSlot_ - hdr);
    MoveRowHighlight(mouseSlot_);
    raiseSound(kWheelSound);
    std::int16_t row = hoveredRow_;
    std::int16_t column = mouseCol_;
    MouseSelect.raise(row, column);
    mouseRow_ = hoveredRow_;
}

void ctrGraphicalGridVer2::raiseSound(std::int32_t kind) {
    if (settings.Effect) Sound.raise(kind);
}
