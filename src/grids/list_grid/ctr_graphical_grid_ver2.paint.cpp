#include "grids/list_grid/ctr_graphical_grid_ver2.h"

#include "grids/columns/column_kinds.h"

#include "toolkit/see_through.h"

#include "platform/drawing/font_to_fit.h"
#include "platform/drawing/memory_dc.h"
#include "platform/drawing/translucent.h"

#include "host/gdi/blit.h"
#include "host/gdi/draw_text.h"
#include "host/gdi/fill.h"
#include "host/gdi/lines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

using host::gdi::BitBlt;
using host::gdi::DeviceContext;

namespace {

constexpr std::int32_t kHighlightColour = 9; // aqua
constexpr host::gdi::COLORREF kHighlightKey = host::gdi::RGB(255, 0, 0);
constexpr int kHighlightFrame = 2;
constexpr int kTextInset = 2;

// A cell read as a 16-bit whole number (rounded half to even, kept in the
// range); nullopt when it is not a number.
std::optional<std::int16_t> cellNumber(const std::string& text) {
    const std::optional<std::int32_t> value = ParseNumber(text);
    if (!value) return std::nullopt;
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(
        *value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

// Draws w x h pixels of a picture with its mask at (x, y), both taken from
// (0, sourceY): the mask with SRCAND, then the picture with SRCPAINT.
void drawMaskedFrom(DeviceContext& dc, int x, int y, int w, int h, const DeviceContext* mask,
                    const DeviceContext* picture, int sourceY) {
    if (!mask || !picture) return;
    BitBlt(dc, x, y, w, h, *mask, 0, sourceY, host::gdi::SRCAND);
    BitBlt(dc, x, y, w, h, *picture, 0, sourceY, host::gdi::SRCPAINT);
}

void line(DeviceContext& dc, int x1, int y1, int x2, int y2) {
    host::gdi::MoveToEx(dc, x1, y1);
    host::gdi::LineTo(dc, x2, y2);
}

// Draws with the pen selected, then puts the previous one back; nothing
// without a pen.
template <class Draw> void withPen(DeviceContext& dc, const std::optional<host::gdi::Pen>& pen, Draw draw) {
    if (!pen) return;
    const host::gdi::Pen previous = dc.selectPen(*pen);
    draw();
    dc.selectPen(previous);
}

// One line of text in the rectangle, vertically centred, over what lies there.
void drawLine(DeviceContext& dc, const std::string& text, host::gdi::Rect rect, unsigned align,
              host::gdi::COLORREF colour) {
    dc.setTextColor(colour);
    dc.setBkMode(host::gdi::BkMode::Transparent);
    host::gdi::DrawText(dc, text, rect, align | host::gdi::DT_SINGLELINE | host::gdi::DT_VCENTER);
}

} // namespace

void ctrGraphicalGridVer2::SetBackImage(DeviceContext& targetHDC, std::int16_t targetLeft,
                                        std::int16_t targetTop) {
    background_ = &targetHDC;
    backgroundLeft_ = targetLeft;
    backgroundTop_ = targetTop;
}

void ctrGraphicalGridVer2::SetScrollBarImage(const DeviceContext& targetHDC, bool Stretch) {
    thumbPicture_ = &targetHDC;
    thumbStretch_ = Stretch;
}

void ctrGraphicalGridVer2::Paint(std::int16_t SortCol, std::int32_t SortType) {
    sizeToLayout();
    SortFromStart(SortCol, SortType);
    BuildHighlightImage();
    RedrawGrid();
    topRow_ = 0;
    lastDrawnTopRow_ = 0;
    // The rows are drawn afresh from the top: no slot keeps a hovered row.
    mouseSlot_ = -1;
    hoveredRow_ = -1;
    DrawVisibleCells(topRow_);
    if (layout_.scrollBarShown)
        SubClassStarting();
    else
        SubClassEnding();
}

int ctrGraphicalGridVer2::columnLeft(std::int16_t c) const {
    int left = 0;
    for (std::int16_t i = 0; i < c; ++i)
        left += layout_.widths[static_cast<std::size_t>(i)];
    return left;
}

bool ctrGraphicalGridVer2::onScreen(std::int16_t row) const {
    return row >= 0 && row <= dataRows_ && row >= topRow_ && row < topRow_ + dataSlots();
}

std::int16_t ctrGraphicalGridVer2::slotOf(std::int16_t row) const {
    return static_cast<std::int16_t>(row - topRow_ + HeaderRows());
}

// The control takes the size of its columns (and scroll bar) by its shown
// slots; the background copy and the bar picture follow it.
void ctrGraphicalGridVer2::sizeToLayout() {
    const int width = layout_.totalWidth + (layout_.scrollBarShown ? settings.ScrollWidth : 0);
    const int height = settings.RowHeight * layout_.shownSlots;
    if (Width() == width && Height() == height && barSource_) return;
    Move(Left(), Top(), width, height);
    backImage_.selectBitmap(std::make_unique<host::gdi::Bitmap>(width, height));
    barSource_ =
        CreateMemoryDC(Disp().hDC(), static_cast<std::int16_t>(width), static_cast<std::int16_t>(height));
}

// The hover frame: a picture as wide as the columns and as high as a row,
// less the lines, whose outer two pixels are aqua and whose inside is
// transparent through its mask.
void ctrGraphicalGridVer2::BuildHighlightImage() {
    const int w = layout_.totalWidth - 2 * settings.FrameWidth;
    const int h = settings.RowHeight - 2 * settings.FrameWidth;
    highlight_.reset();
    highlightMask_.reset();
    if (w <= 0 || h <= 0) return;
    const auto width = static_cast<std::int16_t>(w);
    const auto height = static_cast<std::int16_t>(h);
    highlight_ = CreateMemoryDC(Disp().hDC(), width, height);
    host::gdi::FillRect(*highlight_, {0, 0, w, h},
                        host::gdi::Brush{toolkit::rgbOf(colours_, kHighlightColour)});
    host::gdi::FillRect(*highlight_,
                        {kHighlightFrame, kHighlightFrame, w - kHighlightFrame, h - kHighlightFrame},
                        host::gdi::Brush{kHighlightKey});
    highlightMask_ = CreateMaskDC(*highlight_, width, height, kHighlightKey, Disp().hDC());
}

void ctrGraphicalGridVer2::RedrawGrid() {
    const int w = Width();
    const int h = Height();
    if (background_)
        BitBlt(backImage_, 0, 0, w, h, *background_, backgroundLeft_, backgroundTop_, host::gdi::SRCCOPY);
    Translucent2(backImage_, toolkit::rgbOf(colours_, settings.SemiTransColor), settings.SemiTransAP);
    DrawGridLines();
    DrawGridHeader();
    DrawGridScrollBar();
    BitBlt(Disp().hDC(), 0, 0, w, h, backImage_, 0, 0, host::gdi::SRCCOPY);
    BitBlt(*barSource_, 0, 0, w, h, backImage_, 0, 0, host::gdi::SRCCOPY);
    Translucent2(*barSource_, toolkit::rgbOf(colours_, settings.GraphicColor), settings.GraphicalAP);
}

// The row lines across the data slots and each column's left edge in the
// fore colour; each cell's inner bottom and right edge in the back colour.
void ctrGraphicalGridVer2::DrawGridLines() {
    if (settings.FrameWidth == 0) return;
    const int rh = settings.RowHeight;
    const int shown = layout_.shownSlots;
    const int tw = layout_.totalWidth;
    const auto columns = static_cast<std::int16_t>(layout_.widths.size());
    withPen(backImage_, forePen_, [&] {
        for (int i = HeaderRows(); i <= shown; ++i)
            line(backImage_, 0, i * rh, tw, i * rh);
        for (std::int16_t c = 0; c < columns; ++c)
            line(backImage_, columnLeft(c), 0, columnLeft(c), rh * shown);
    });
    withPen(backImage_, backPen_, [&] {
        for (int i = HeaderRows(); i <= shown; ++i) {
            for (std::int16_t c = 0; c < columns; ++c) {
                const int left = columnLeft(c);
                const int right = left + ColumnWidth(c);
                line(backImage_, left + 1, (i + 1) * rh - 1, right, (i + 1) * rh - 1);
                line(backImage_, right - 1, i * rh, right - 1, (i + 1) * rh - 1);
            }
        }
    });
}

void ctrGraphicalGridVer2::DrawGridHeader() {
    if (!settings.HeaderVisible) return;
    const int rh = settings.RowHeight;
    const auto columns = static_cast<std::int16_t>(layout_.widths.size());
    withPen(backImage_, forePen_, [&] {
        line(backImage_, 0, 0, layout_.totalWidth, 0);
        for (std::int16_t c = 0; c < columns; ++c)
            line(backImage_, columnLeft(c), 0, columnLeft(c), rh);
    });
    withPen(backImage_, backPen_, [&] {
        for (std::int16_t c = 0; c < columns; ++c) {
            const int left = columnLeft(c);
            const int right = left + ColumnWidth(c);
            line(backImage_, right - 1, 1, right - 1, rh - 1);
            line(backImage_, left + 1, rh - 1, right, rh - 1);
        }
    });
    const auto previous = headerFont_ ? backImage_.selectFont(headerFont_) : backImage_.font();
    for (std::int16_t c = 0; c < columns; ++c) {
        const int left = columnLeft(c);
        drawLine(backImage_, header(c).Name(), {left + 1, 1, left + ColumnWidth(c) - 1, rh - 1},
                 host::gdi::DT_CENTER, toolkit::rgbOf(colours_, settings.HeaderFontColor));
    }
    backImage_.selectFont(previous);
}

// The track's frame right of the columns and the thumb in its place at the
// top, its size from the share of the rows shown.
void ctrGraphicalGridVer2::DrawGridScrollBar() {
    if (!layout_.scrollBarShown) return;
    const int rh = settings.RowHeight;
    const int hdr = HeaderRows();
    const int shown = layout_.shownSlots;
    const int tw = layout_.totalWidth;
    const int sw = settings.ScrollWidth;
    scrollBar_ = gridScrollBar(rh, hdr, shown, dataRows_, settings.ScrollFrameWidth);
    withPen(backImage_, scrollPen_, [&] {
        line(backImage_, tw + 1, rh * hdr, tw + sw, rh * hdr);
        line(backImage_, tw, rh * hdr, tw, rh * shown);
        line(backImage_, tw + 1, rh * shown - 1, tw + sw, rh * shown - 1);
        line(backImage_, tw + sw - 1, rh * hdr, tw + sw - 1, rh * shown);
    });
    scroll_.Move(tw + settings.ScrollFrameWidth, scrollBar_.trackTop, sw - 2 * settings.ScrollFrameWidth,
                 scrollBar_.thumbHeight);
    scroll_.Cls();
    if (thumbPicture_) {
        const auto& picture = thumbPicture_->bitmap();
        if (!thumbStretch_)
            BitBlt(scroll_.hDC(), 0, 0, scroll_.Width(), scroll_.Height(), *thumbPicture_, 0, 0,
                   host::gdi::SRCCOPY);
        else if (picture.width() > 0)
            host::gdi::StretchBlt(scroll_.hDC(), 0, 0, scroll_.Width(), scroll_.Height(), *thumbPicture_, 0,
                                  0, picture.width(), picture.height(), host::gdi::SRCCOPY);
    }
    scroll_.Refresh();
    scroll_.setVisible(true);
}

void ctrGraphicalGridVer2::placeThumb(int top) {
    scroll_.setTop(top);
}

void ctrGraphicalGridVer2::DrawVisibleCells(std::int16_t top) {
    DrawGridCells(HeaderRows(), static_cast<std::int16_t>(layout_.shownSlots - 1), top);
    Disp().Refresh();
}

void ctrGraphicalGridVer2::RedrawAfterScroll(std::int16_t top) {
    BitBlt(Disp().hDC(), 0, 0, Width(), Height(), backImage_, 0, 0, host::gdi::SRCCOPY);
    DrawVisibleCells(top);
}

// The cells of the slots first..last, slot j showing row top + j - header rows.
void ctrGraphicalGridVer2::DrawGridCells(std::int16_t first, std::int16_t last, std::int16_t top) {
    if (!headers_) return;
    const auto columns = static_cast<std::int16_t>(layout_.widths.size());
    for (std::int16_t c = 0; c < columns; ++c) {
        for (std::int16_t j = first; j <= last; ++j) {
            const int r = top + j - HeaderRows();
            if (r < 0 || r > dataRows_) continue;
            drawCell(c, j, static_cast<std::int16_t>(r));
        }
    }
}

// One cell by its column's kind: the bar, check mark or picture, then the
// text of the text and bar kinds.
void ctrGraphicalGridVer2::drawCell(std::int16_t c, std::int16_t slot, std::int16_t r) {
    const clsGGVer2Header& column = header(c);
    const std::string& text = cell(r, c);
    const host::gdi::Rect rect = SlotRect(slot, c);
    const int fw = settings.FrameWidth;
    DeviceContext& dc = Disp().hDC();
    switch (column.TextAlign()) {
    case kColumnBar: {
        const std::optional<std::int16_t> value = cellNumber(text);
        const int range = column.MaxorImageHeight() - column.MinorImageWidth();
        const int room = rect.right - rect.left - fw;
        if (value && range != 0) {
            const std::int32_t product = *value * room;
            const int width =
                std::min(static_cast<int>(std::floor(product / static_cast<double>(range))), room);
            if (width > 0)
                BitBlt(dc, rect.left, rect.top, width, settings.RowHeight - 2 * fw, *barSource_, rect.left,
                       rect.top, host::gdi::SRCCOPY);
        }
        drawTextCell(column, rect, text);
        return;
    }
    case kColumnCheckMark: {
        const CheckMarkGeometry& mark = layout_.checkMark;
        const int state = std::abs(cellNumber(text).value_or(0));
        drawMaskedFrom(dc, rect.left + mark.xOffset, slot * settings.RowHeight + mark.yOffset, mark.width,
                       mark.halfHeight, column.ImageMaskHDC(), column.ImageHDC(), state * mark.halfHeight);
        return;
    }
    case kColumnPicture:
        drawPictureCell(column, rect.left, slot, text);
        return;
    default:
        drawTextCell(column, rect, text);
    }
}

// Frame n of the picture, centred in the cell (n = 0 the topmost).
void ctrGraphicalGridVer2::drawPictureCell(const clsGGVer2Header& column, int left, std::int16_t slot,
                                           const std::string& text) {
    const std::optional<std::int16_t> frame = cellNumber(text);
    if (!frame) return;
    const int xOffset = std::max((column.Width() - column.MinorImageWidth()) / 2, 0);
    const int yOffset = std::max((settings.RowHeight - column.MaxorImageHeight()) / 2, 0);
    drawMaskedFrom(Disp().hDC(), left + xOffset, slot * settings.RowHeight + yOffset, column.Width(),
                   column.MaxorImageHeight(), column.ImageMaskHDC(), column.ImageHDC(),
                   *frame * column.MaxorImageHeight());
}

// The text in the grid's font, or smaller where it is wider than the cell
// less its right line and a pixel of space on either side.
void ctrGraphicalGridVer2::drawTextCell(const clsGGVer2Header& column, host::gdi::Rect rect,
                                        const std::string& text) {
    DeviceContext& dc = Disp().hDC();
    const int room = rect.right - rect.left - 2 * kTextInset;
    std::shared_ptr<const host::gdi::Font> font = gridFont_ ? gridFont_ : dc.font();
    if (!font) font = host::gdi::defaultFont();
    if (singleLineWidth(*font, text) > room)
        font = CreateFontHandleToFit(settings.FontSize, settings.Font.bold, settings.Font.name, text, room);
    unsigned align = host::gdi::DT_CENTER;
    if (column.TextAlign() == kColumnTextLeft) {
        rect.left += kTextInset;
        align = host::gdi::DT_LEFT;
    } else if (column.TextAlign() == kColumnTextRight) {
        rect.right -= kTextInset;
        align = host::gdi::DT_RIGHT;
    }
    const auto previous = dc.selectFont(std::move(font));
    drawLine(dc, text, rect, align, toolkit::rgbOf(colours_, settings.FontColor));
    dc.selectFont(previous);
}

// The hovered row's band back to the background with its cells drawn again.
void ctrGraphicalGridVer2::RestoreRow(std::int16_t slot, bool refresh) {
    if (hoveredRow_ < 0) return;
    const int rh = settings.RowHeight;
    BitBlt(Disp().hDC(), 0, slot * rh, layout_.totalWidth, rh, backImage_, 0, slot * rh, host::gdi::SRCCOPY);
    DrawGridCells(slot, slot, static_cast<std::int16_t>(hoveredRow_ - slot + HeaderRows()));
    if (refresh) Disp().Refresh();
}

// Moves the hover frame from the hovered row to the slot.
void ctrGraphicalGridVer2::MoveRowHighlight(std::int16_t slot) {
    if (hoveredRow_ >= 0 && hoveredRow_ <= topRow_ + dataSlots()) RestoreRow(slotOf(hoveredRow_), false);
    if (highlight_) {
        const int fw = settings.FrameWidth;
        const int w = layout_.totalWidth - 2 * fw;
        const int h = settings.RowHeight - 2 * fw;
        BitBlt(Disp().hDC(), fw, slot * settings.RowHeight + fw, w, h, *highlightMask_, 0, 0,
               host::gdi::SRCAND);
        BitBlt(Disp().hDC(), fw, slot * settings.RowHeight + fw, w, h, *highlight_, 0, 0,
               host::gdi::SRCPAINT);
    }
    hoveredRow_ = static_cast<std::int16_t>(mouseSlot_ + topRow_ - HeaderRows());
    Disp().Refresh();
}

// The row's check mark over what the slot shows.
void ctrGraphicalGridVer2::DrawCheckMark(std::int16_t slot, std::int16_t row, const DeviceContext* picture,
                                         const DeviceContext* mask) {
    const CheckMarkGeometry& mark = layout_.checkMark;
    const int state = std::abs(cellNumber(cell(row, 0)).value_or(0));
    drawMaskedFrom(Disp().hDC(), settings.FrameWidth + mark.xOffset, slot * settings.RowHeight + mark.yOffset,
                   mark.width, mark.halfHeight, mask, picture, state * mark.halfHeight);
}

void ctrGraphicalGridVer2::redrawCheckMark(std::int16_t row) {
    if (!onScreen(row)) return;
    const clsGGVer2Header& checkColumn = header(0);
    DrawCheckMark(slotOf(row), row, checkColumn.ImageHDC(), checkColumn.ImageMaskHDC());
}

DeviceContext* ctrGraphicalGridVer2::HDC() {
    composite_ =
        CreateMemoryDC(Disp().hDC(), static_cast<std::int16_t>(Width()), static_cast<std::int16_t>(Height()));
    BitBlt(*composite_, 0, 0, Width(), Height(), Disp().hDC(), 0, 0, host::gdi::SRCCOPY);
    if (layout_.scrollBarShown)
        BitBlt(*composite_, scroll_.Left(), scroll_.Top(), scroll_.Width(), scroll_.Height(), scroll_.hDC(),
               0, 0, host::gdi::SRCCOPY);
    return composite_.get();
}

void ctrGraphicalGridVer2::HDCDelete() {
    composite_.reset();
}
