#include "grids/list_grid/ctr_graphical_grid_ver2.h"

#include "toolkit/see_through.h"

#include "platform/drawing/graphical_controls_props.h"

#include <algorithm>

namespace {

// A solid pen of the width in the colour; none for a width below 1.
std::optional<host::gdi::Pen> CreateFramePen(std::int16_t width, host::gdi::COLORREF colour) {
    if (width < 1) return std::nullopt;
    return host::gdi::Pen{width, colour};
}

} // namespace

// A new grid keeps the defaults of its settings as they are: its pens and
// fonts are made by the first setter or load that needs them.
ctrGraphicalGridVer2::ctrGraphicalGridVer2() : OwnerDrawn("ctrGraphicalGridVer2") {
    scroll_.setName("Scroll");
    scroll_.setParent(this);
    scroll_.setVisible(false);
    scroll_.MouseDown.subscribe([this](int&, int&, int&, int& y) { Scroll_MouseDown(y); });
    scroll_.MouseMove.subscribe([this](int&, int&, int&, int&) { Scroll_MouseMove(); });
    scroll_.MouseUp.subscribe([this](int&, int&, int&, int&) { Scroll_MouseUp(); });
}

ctrGraphicalGridVer2::~ctrGraphicalGridVer2() {
    SubClassEnding();
}

void ctrGraphicalGridVer2::ReadProperties(const GridSettings& stored) {
    Font(ambientFont());
    settings.Font = stored.Font;
    GridFontSize(stored.FontSize);
    HeaderFontSize(stored.HeaderFontSize);
    settings.RowHeight = stored.RowHeight;
    settings.SemiTransAP = stored.SemiTransAP;
    settings.MultiSelect = stored.MultiSelect;
    settings.FrameWidth = stored.FrameWidth;
    settings.HeaderVisible = stored.HeaderVisible;
    settings.SemiTransColor = stored.SemiTransColor;
    FrameForeColor(stored.FrameForeColor);
    FrameBackColor(stored.FrameBackColor);
    settings.FontColor = stored.FontColor;
    settings.HeaderFontColor = stored.HeaderFontColor;
    settings.ScrollBarColor = stored.ScrollBarColor;
    ScrollFrameColor(stored.ScrollFrameColor);
    settings.GraphicColor = stored.GraphicColor;
    settings.MaskColor = stored.MaskColor;
    settings.ScrollChenge = stored.ScrollChenge;
    settings.ScrollWidth = stored.ScrollWidth;
    settings.ScrollingType = stored.ScrollingType;
    ScrollFrameWidth(stored.ScrollFrameWidth);
    GraphicalCellAP(stored.GraphicalAP);
    settings.Effect = stored.Effect;
    settings.SortFLG = stored.SortFLG;
}

void ctrGraphicalGridVer2::FrameWidth(std::int16_t value) {
    settings.FrameWidth = std::max<std::int16_t>(value, 0);
    rebuildLinePens();
}

void ctrGraphicalGridVer2::FrameForeColor(std::int32_t value) {
    settings.FrameForeColor = value;
    rebuildLinePens();
}

void ctrGraphicalGridVer2::FrameBackColor(std::int32_t value) {
    settings.FrameBackColor = value;
    rebuildLinePens();
}

void ctrGraphicalGridVer2::GraphicalCellAP(std::int16_t value) {
    settings.GraphicalAP = std::clamp<std::int16_t>(value, 0, 100);
}

void ctrGraphicalGridVer2::GridFontSize(std::int16_t value) {
    settings.FontSize = std::max<std::int16_t>(value, 9);
    rebuildFonts();
}

void ctrGraphicalGridVer2::HeaderFontSize(std::int16_t value) {
    settings.HeaderFontSize = std::max<std::int16_t>(value, 9);
    rebuildFonts();
}

host::ui::FontChoice ctrGraphicalGridVer2::Font() const {
    return ambientFont();
}

void ctrGraphicalGridVer2::Font(const host::ui::FontChoice& value) {
    settings.Font = value;
    rebuildFonts();
}

void ctrGraphicalGridVer2::SemiTransAP(std::int16_t value) {
    settings.SemiTransAP = std::clamp<std::int16_t>(value, 0, 100);
}

void ctrGraphicalGridVer2::ScrollFrameColor(std::int32_t value) {
    settings.ScrollFrameColor = value;
    rebuildScrollPen();
}

void ctrGraphicalGridVer2::ScrollFrameWidth(std::int16_t value) {
    settings.ScrollFrameWidth = std::max<std::int16_t>(value, 0);
    rebuildScrollPen();
}

void ctrGraphicalGridVer2::rebuildLinePens() {
    forePen_ = CreateFramePen(settings.FrameWidth, toolkit::rgbOf(colours_, settings.FrameForeColor));
    backPen_ = CreateFramePen(settings.FrameWidth, toolkit::rgbOf(colours_, settings.FrameBackColor));
}

void ctrGraphicalGridVer2::rebuildScrollPen() {
    scrollPen_ =
        CreateFramePen(settings.ScrollFrameWidth, toolkit::rgbOf(colours_, settings.ScrollFrameColor));
}

void ctrGraphicalGridVer2::rebuildFonts() {
    gridFont_ = CreateFontHandle(settings.FontSize, settings.Font.bold, settings.Font.name);
    headerFont_ = CreateFontHandle(settings.HeaderFontSize, settings.Font.bold, settings.Font.name);
}

// The font of the picture the grid lies on; the form's default elsewhere.
host::ui::FontChoice ctrGraphicalGridVer2::ambientFont() const {
    if (const auto* container = dynamic_cast<const host::ui::PictureBox*>(Parent())) return container->Font();
    return {};
}

void ctrGraphicalGridVer2::SubClassStarting() {
    if (subscribed_) return;
    subscribed_ = true;
    mdlSubClass::SubClassHook(*this);
}

void ctrGraphicalGridVer2::SubClassEnding() {
    if (!subscribed_) return;
    subscribed_ = false;
    mdlSubClass::SubClassUnhook(*this);
}

std::string ctrGraphicalGridVer2::ContainerName() const {
    return Parent() ? Parent()->Name() : std::string();
}
