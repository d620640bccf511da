#include "grids/table_view/ctr_graphical_view_ver2.h"

#include "toolkit/see_through.h"

#include "platform/drawing/graphical_controls_props.h"
#include "platform/drawing/memory_dc.h"
#include "platform/drawing/translucent.h"

#include "host/gdi/blit.h"
#include "host/gdi/draw_text.h"
#include "host/gdi/lines.h"

namespace {

constexpr int kTextInset = 2;

bool odd(int n) {
    return n % 2 != 0;
}

// A line from (x1, y1) up to, not including, (x2, y2).
void line(host::gdi::DeviceContext& dc, int x1, int y1, int x2, int y2) {
    host::gdi::MoveToEx(dc, x1, y1);
    host::gdi::LineTo(dc, x2, y2);
}

} // namespace

void ctrGraphicalViewVer2::RePaint() {
    std::int16_t w = 0;
    std::int16_t h = 0;
    headers_.GetControlSize(w, h);
    Move(Left(), Top(), w, h);

    host::gdi::DeviceContext& dc = Disp().hDC();
    const host::gdi::DeviceContext* source = background_;
    int sourceLeft = backLeft_;
    int sourceTop = backTop_;
    if (settings.Translucent) {
        washed_ = CreateMemoryDC(dc, w, h);
        if (background_)
            host::gdi::BitBlt(*washed_, 0, 0, w, h, *background_, backLeft_, backTop_, host::gdi::SRCCOPY);
        Translucent2(*washed_, toolkit::rgbOf(colours_, settings.TransColor), settings.TR);
        source = washed_.get();
        sourceLeft = 0;
        sourceTop = 0;
    }
    if (source) host::gdi::BitBlt(dc, 0, 0, w, h, *source, sourceLeft, sourceTop, host::gdi::SRCCOPY);
    if (settings.Frame) DrawFrameLines();
    DrawCells();
    Disp().Refresh();
}

void ctrGraphicalViewVer2::Text(const std::string& pID, std::string value) {
    headers_.TextAsID(pID, std::move(value));
    std::int16_t row = 0;
    std::int16_t col = 0;
    headers_.GetIDtoHeader(pID, row, col);
    RestoreCellBack(row, col);
    DrawCell(row, col);
    Disp().Refresh();
}

// Odd rows carry their top and bottom lines, odd columns their left and
// right ones, the last column of a row its right line and the last row its
// bottom line, so each boundary between two cells is drawn once. Every line
// runs the whole side of its cell.
void ctrGraphicalViewVer2::DrawFrameLines() {
    host::gdi::DeviceContext& dc = Disp().hDC();
    const host::gdi::Pen previous = dc.selectPen({1, toolkit::rgbOf(colours_, settings.FrameColor)});
    const std::int16_t rows = headers_.RowCount();
    for (std::int16_t r = 1; r <= rows; ++r) {
        const std::int16_t cols = headers_.ColCount(r);
        for (std::int16_t c = 1; c <= cols; ++c) {
            const clsGVHeaders::CellBox box = headers_.cellBox(r, c);
            const int right = box.x + box.W - 1;
            const int bottom = box.y + box.H - 1;
            if (odd(r)) line(dc, box.x, box.y, box.x + box.W, box.y);
            if (odd(r) || r == rows) line(dc, box.x, bottom, box.x + box.W, bottom);
            if (odd(c)) line(dc, box.x, box.y, box.x, box.y + box.H);
            if (odd(c) || c == cols) line(dc, right, box.y, right, box.y + box.H);
        }
    }
    dc.selectPen(previous);
}

void ctrGraphicalViewVer2::DrawCells() {
    for (std::int16_t r = 1; r <= headers_.RowCount(); ++r)
        for (std::int16_t c = 1; c <= headers_.ColCount(r); ++c)
            DrawCell(r, c);
}

void ctrGraphicalViewVer2::DrawCell(std::int16_t pRow, std::int16_t pCol) {
    if (headers_.IsImage(pRow, pCol)) DrawCellImage(pRow, pCol);
    if (!headers_.Text(pRow, pCol).empty()) DrawCellText(pRow, pCol);
}

void ctrGraphicalViewVer2::DrawCellImage(std::int16_t pRow, std::int16_t pCol) {
    const host::gdi::DeviceContext* image = headers_.Image(pRow, pCol);
    clsRECT inner;
    if (!image || !headers_.GetCellRect(pRow, pCol, inner)) return;
    std::int16_t iw = 0;
    std::int16_t ih = 0;
    headers_.GetImageSize(pRow, pCol, iw, ih);
    // An unknown alignment keeps the picture at the cell's left.
    int x = inner.Left();
    switch (headers_.ImageAlign(pRow, pCol)) {
    case 2:
        x = inner.Left() + (inner.Right() - inner.Left() - iw) / 2;
        break;
    case 3:
        x = inner.Right() - iw;
        break;
    }
    if (settings.Frame) ++x;
    const int y = inner.Top() + (inner.Bottom() - inner.Top() - ih) / 2;
    host::gdi::DeviceContext& dc = Disp().hDC();
    if (const host::gdi::DeviceContext* mask = headers_.MaskImage(pRow, pCol))
        toolkit::drawMasked(dc, x, y, iw, ih, *mask, *image);
    else
        host::gdi::BitBlt(dc, x, y, iw, ih, *image, 0, 0, host::gdi::SRCCOPY);
}

void ctrGraphicalViewVer2::DrawCellText(std::int16_t pRow, std::int16_t pCol) {
    clsRECT textRect;
    if (!headers_.GetTextRect(pRow, pCol, textRect)) return;
    host::gdi::DeviceContext& dc = Disp().hDC();
    const std::int32_t colour =
        headers_.IsTextColor(pRow, pCol) ? headers_.TextColor(pRow, pCol) : settings.TextColor;
    dc.setTextColor(toolkit::rgbOf(colours_, colour));
    dc.setBkMode(host::gdi::BkMode::Transparent);
    const clsFont* own = headers_.IsFont(pRow, pCol) ? headers_.Font(pRow, pCol) : nullptr;
    const auto previousFont = dc.selectFont(CreateFontHandle(own ? *own : font_));
    host::gdi::Rect rect = GetRectFromClsRECT(textRect);
    // Space between the text and the line or picture on its aligned side.
    const unsigned format = GetDrawTextFlags(headers_.TextAlign(pRow, pCol), true, 2);
    if (format & host::gdi::DT_RIGHT)
        rect.right -= kTextInset;
    else if (!(format & host::gdi::DT_CENTER))
        rect.left += kTextInset;
    host::gdi::DrawText(dc, headers_.Text(pRow, pCol), rect, format);
    dc.selectFont(previousFont);
}

void ctrGraphicalViewVer2::RestoreCellBack(std::int16_t pRow, std::int16_t pCol) {
    clsRECT inner;
    if (!headers_.GetCellRect(pRow, pCol, inner)) return;
    const int w = inner.Right() - inner.Left();
    const int h = inner.Bottom() - inner.Top();
    host::gdi::DeviceContext& dc = Disp().hDC();
    if (settings.Translucent) {
        if (washed_)
            host::gdi::BitBlt(dc, inner.Left(), inner.Top(), w, h, *washed_, inner.Left(), inner.Top(),
                              host::gdi::SRCCOPY);
    } else if (background_) {
        host::gdi::BitBlt(dc, inner.Left(), inner.Top(), w, h, *background_, inner.Left() + backLeft_,
                          inner.Top() + backTop_, host::gdi::SRCCOPY);
    }
}
