#include "toolkit/ctr_graphical_panel.h"

#include "toolkit/see_through.h"

#include "platform/drawing/memory_dc.h"

#include "host/gdi/blit.h"

#include <algorithm>

PanelSettings PanelSettings::readDefaults() {
    PanelSettings stored;
    stored.FrameColor = 5;
    stored.PanelTextColor = 3;
    return stored;
}

ctrGraphicalPanel::ctrGraphicalPanel() : OwnerDrawn("ctrGraphicalPanel") {}

void ctrGraphicalPanel::Clear() {
    if (settings.HLine == 0 || settings.VLine == 0) return;
    for (Panel& p : panels_) {
        p.enabled = false;
        p.selected = false;
    }
}

void ctrGraphicalPanel::SetPanelImage(std::int16_t Row, std::int16_t Col,
                                      const host::gdi::DeviceContext* dcImage,
                                      const host::gdi::DeviceContext* dcMask) {
    if (Panel* p = panel(Row, Col)) {
        p->picture = dcImage;
        p->mask = dcMask;
    }
}

void ctrGraphicalPanel::SetPanelEnabled(std::int16_t Row, std::int16_t Col, bool Enabled) {
    if (Panel* p = panel(Row, Col)) p->enabled = Enabled;
}

void ctrGraphicalPanel::SetPanelText(std::int16_t Row, std::int16_t Col, std::string pText) {
    if (Panel* p = panel(Row, Col)) p->text = std::move(pText);
}

void ctrGraphicalPanel::SetPanels(std::int16_t pVLine, std::int16_t pHLine, std::int16_t pPanelWidth,
                                  std::int16_t pPanelHeight) {
    settings.VLine = pVLine;
    settings.HLine = pHLine;
    settings.PanelWidth = pPanelWidth;
    settings.PanelHeight = pPanelHeight;
    rows_ = std::max<int>(pVLine, 0);
    cols_ = std::max<int>(pHLine, 0);
    panels_.assign(static_cast<std::size_t>(rows_ * cols_), Panel{});
    hoveredRow_ = 0;
    hoveredCol_ = 0;
    Move(Left(), Top(), pHLine * pPanelWidth, pVLine * pPanelHeight);
}

void ctrGraphicalPanel::SetImage(host::gdi::DeviceContext& dcImage, std::int16_t pLeft, std::int16_t pTop) {
    source_ = &dcImage;
    left_ = pLeft;
    top_ = pTop;
}

void ctrGraphicalPanel::Paint() {
    const int pw = settings.PanelWidth;
    const int ph = settings.PanelHeight;
    host::gdi::DeviceContext& dc = Disp().hDC();
    border_.build(dc, pw, ph,
                  {{{0, 0, pw, ph}, toolkit::rgbOf(colours_, settings.BorderColor)},
                   {{1, 1, pw - 1, ph - 1}, toolkit::OutlinePicture::kKey}});
    ring_.build(dc, pw, ph,
                {{{1, 1, pw - 1, ph - 1}, toolkit::rgbOf(colours_, settings.SelectedColor)},
                 {{2, 2, pw - 2, ph - 2}, toolkit::OutlinePicture::kKey}});
    if (source_) host::gdi::BitBlt(dc, 0, 0, Width(), Height(), *source_, left_, top_, host::gdi::SRCCOPY);
    for (int row = 1; row <= rows_; ++row)
        for (int col = 1; col <= cols_; ++col)
            drawPicture(*panel(row, col), pw * (col - 1), ph * (row - 1));
    Disp().Refresh();
}

bool ctrGraphicalPanel::PanelSelect(std::int16_t Row, std::int16_t Col) const {
    const Panel* p = panel(Row, Col);
    return p && p->selected;
}

void ctrGraphicalPanel::PanelSelect(std::int16_t Row, std::int16_t Col, bool Selected) {
    Panel* p = panel(Row, Col);
    if (!p) return;
    p->selected = Selected;
    redrawCell(Row, Col, false);
    if (Row == hoveredRow_ && Col == hoveredCol_) redrawCell(Row, Col, true);
    Disp().Refresh();
}

void ctrGraphicalPanel::onMouseMove(int, int, int x, int y) {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) {
        // Moves outside reach the matrix only until the capture has gone.
        if (!hasCapture()) return;
        ReleaseCapture();
        redrawCell(hoveredRow_, hoveredCol_, false);
        Disp().Refresh();
        hoveredRow_ = 0;
        hoveredCol_ = 0;
        PanelLeave.raise();
        return;
    }
    SetCapture();
    if (settings.PanelWidth <= 0 || settings.PanelHeight <= 0) return;
    const int col = x / settings.PanelWidth + 1;
    const int row = y / settings.PanelHeight + 1;
    if (row == hoveredRow_ && col == hoveredCol_) return;
    redrawCell(hoveredRow_, hoveredCol_, false);
    hoveredRow_ = row;
    hoveredCol_ = col;
    const Panel* p = panel(row, col);
    if (p && p->enabled) {
        redrawCell(row, col, true);
        std::int16_t r = static_cast<std::int16_t>(row);
        std::int16_t c = static_cast<std::int16_t>(col);
        PanelHover.raise(r, c);
    }
    Disp().Refresh();
}

void ctrGraphicalPanel::onClick() {
    Panel* p = panel(hoveredRow_, hoveredCol_);
    if (!p || !p->enabled) return;
    p->selected = !p->selected;
    redrawCell(hoveredRow_, hoveredCol_, true);
    Disp().Refresh();
    std::int16_t row = static_cast<std::int16_t>(hoveredRow_);
    std::int16_t col = static_cast<std::int16_t>(hoveredCol_);
    bool selected = p->selected;
    PanelClick.raise(row, col, selected);
    // A handler may have rebuilt the table.
    if (Panel* clicked = panel(hoveredRow_, hoveredCol_)) clicked->selected = selected;
}

ctrGraphicalPanel::Panel* ctrGraphicalPanel::panel(int row, int col) {
    if (row < 1 || col < 1 || row > rows_ || col > cols_) return nullptr;
    return &panels_[static_cast<std::size_t>((row - 1) * cols_ + (col - 1))];
}

const ctrGraphicalPanel::Panel* ctrGraphicalPanel::panel(int row, int col) const {
    return const_cast<ctrGraphicalPanel*>(this)->panel(row, col);
}

void ctrGraphicalPanel::redrawCell(int row, int col, bool border) {
    const Panel* p = panel(row, col);
    if (!p) return;
    const int pw = settings.PanelWidth;
    const int ph = settings.PanelHeight;
    const int x = pw * (col - 1);
    const int y = ph * (row - 1);
    host::gdi::DeviceContext& dc = Disp().hDC();
    if (source_) host::gdi::BitBlt(dc, x, y, pw, ph, *source_, left_ + x, top_ + y, host::gdi::SRCCOPY);
    if (border) border_.draw(dc, x, y);
    if (p->selected) ring_.draw(dc, x, y);
    drawPicture(*p, x, y);
}

void ctrGraphicalPanel::drawPicture(const Panel& p, int x, int y) {
    if (!p.picture) return;
    const int pw = settings.PanelWidth;
    const int ph = settings.PanelHeight;
    const BitmapSize size = GetBitmapSize(*p.picture);
    const int ox = std::max(0, (pw - size.width) / 2);
    const int oy = std::max(0, (ph - size.height) / 2);
    host::gdi::DeviceContext& dc = Disp().hDC();
    if (p.mask)
        toolkit::drawMasked(dc, x + ox, y + oy, pw, ph, *p.mask, *p.picture);
    else
        host::gdi::BitBlt(dc, x + ox, y + oy, pw, ph, *p.picture, 0, 0, host::gdi::SRCCOPY);
}
