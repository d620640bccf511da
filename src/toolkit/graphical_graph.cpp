#include "toolkit/graphical_graph.h"

#include "toolkit/see_through.h"

#include "platform/drawing/frames.h"
#include "platform/drawing/graphical_controls_props.h"

#include "host/gdi/blit.h"
#include "host/gdi/draw_text.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::int32_t kClickSound = 0;
constexpr std::int32_t kEnterSound = 1;

// A share of the range, truncated toward zero; nothing for a range without length.
int shareOf(std::int16_t value, std::int16_t max, std::int16_t min, int whole) {
    const int range = max - min;
    if (range == 0) return 0;
    return static_cast<int>(static_cast<double>(value) / range * whole);
}

constexpr std::pair<int, int> kOutlineOffsets[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                                   {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

// Black for a light colour, white for a dark one.
host::gdi::COLORREF contrastOf(host::gdi::COLORREF colour) {
    const int sum =
        host::gdi::GetRValue(colour) + host::gdi::GetGValue(colour) + host::gdi::GetBValue(colour);
    return sum >= 3 * 128 ? host::gdi::kBlack : host::gdi::kWhite;
}

} // namespace

GraphSettings GraphSettings::readDefaults() {
    GraphSettings stored;
    stored.ProgressColor = 6;
    stored.DrawPercent = true;
    stored.FontSize = 12;
    return stored;
}

GraphicalGraph::GraphicalGraph() : OwnerDrawn("GraphicalGraph") {}

void GraphicalGraph::ReadProperties(const GraphSettings& stored) {
    settings = stored;
    FontBold(stored.FontBold);
    FontSize(stored.FontSize);
}

void GraphicalGraph::SetImage(host::gdi::DeviceContext& ImageHDC, std::int16_t pLeft, std::int16_t pTop) {
    source_ = &ImageHDC;
    left_ = pLeft;
    top_ = pTop;
    capture();
    buildRing();
    drawFrame();
}

void GraphicalGraph::MouseLeave() {
    hover_ = false;
    redraw();
}

void GraphicalGraph::Refresh() {
    if (!source_) return;
    capture();
    drawFrame();
    redraw();
}

void GraphicalGraph::Value(std::int16_t value) {
    value = std::min(value, settings.Max);
    settings.Value = std::max(value, settings.Min);
    redraw();
}

void GraphicalGraph::FontBold(bool value) {
    settings.FontBold = value;
    makeCaptionFont();
}

void GraphicalGraph::FontSize(std::int16_t value) {
    settings.FontSize = std::clamp<std::int16_t>(value, 8, 72);
    makeCaptionFont();
}

void GraphicalGraph::Selected(bool value) {
    settings.Selected = value;
    redraw();
}

void GraphicalGraph::SelectedSize(std::int16_t value) {
    settings.SelectedSize = std::clamp<std::int16_t>(value, 0, 10);
}

void GraphicalGraph::MouseOverTR(std::int16_t value) {
    settings.MouseOverTR = std::clamp<std::int16_t>(value, 0, 100);
}

std::string GraphicalGraph::caption() const {
    if (settings.DrawPercent && settings.DrawValue)
        return text_ + " " + std::to_string(shareOf(settings.Value, settings.Max, settings.Min, 100)) + "％";
    if (settings.DrawPercent) return "";
    if (settings.DrawValue) return text_ + " " + std::to_string(settings.Value);
    return text_;
}

void GraphicalGraph::onMouseMove(int, int, int x, int y) {
    if (x >= 0 && y >= 0 && x < Width() && y < Height()) {
        SetCapture();
        if (hover_) return;
        hover_ = true;
        redraw();
        raiseSound(kEnterSound);
        GaugeEnter.raise();
        return;
    }
    // Moves outside reach the gauge only until the capture has gone.
    if (!hover_ && !hasCapture()) return;
    if (hasCapture()) ReleaseCapture();
    hover_ = false;
    redraw();
    GaugeLeave.raise();
}

void GraphicalGraph::onClick() {
    settings.Selected = !settings.Selected;
    redraw();
    raiseSound(kClickSound);
    bool selected = settings.Selected;
    GaugeClick.raise(selected);
    settings.Selected = selected;
}

void GraphicalGraph::resized() {
    OwnerDrawn::resized();
    for (auto* wash : {&backgroundWash_, &filledWash_, &highlightWash_})
        wash->create(Disp().hDC(), Width(), Height());
    ring_.blank(Disp().hDC(), Width(), Height());
    if (!source_) return;
    capture();
    buildRing();
    drawFrame();
}

void GraphicalGraph::capture() {
    host::gdi::DeviceContext& dc = Disp().hDC();
    host::gdi::BitBlt(dc, 0, 0, Width(), Height(), *source_, left_, top_, host::gdi::SRCCOPY);
    for (auto* wash : {&backgroundWash_, &filledWash_, &highlightWash_})
        if (!wash->exists()) wash->create(dc, Width(), Height());
    backgroundWash_.fill(dc, toolkit::rgbOf(colours_, settings.TransColor), settings.TransTR);
    filledWash_.fill(dc, toolkit::rgbOf(colours_, settings.ProgressColor), settings.ProgressTR);
    highlightWash_.fill(dc, toolkit::rgbOf(colours_, settings.MouseOverColor), settings.MouseOverTR);
}

void GraphicalGraph::buildRing() {
    const int w = Width();
    const int h = Height();
    const int fs = settings.FrameSize;
    const int ss = settings.SelectedSize;
    ring_.build(Disp().hDC(), w, h,
                {{{fs, fs, w - fs, h - fs}, toolkit::rgbOf(colours_, settings.SelectedColor)},
                 {{fs + ss, fs + ss, w - fs - ss, h - fs - ss}, toolkit::OutlinePicture::kKey}});
}

void GraphicalGraph::drawFrame() {
    DrawPictureFrame(Disp(), toolkit::rgbOf(colours_, settings.FrameColor), settings.FrameSize);
}

void GraphicalGraph::redraw() {
    host::gdi::DeviceContext& dc = Disp().hDC();
    const int fs = settings.FrameSize;
    const int innerWidth = Width() - 2 * fs;
    const int innerHeight = Height() - 2 * fs;
    if (settings.Translucent) {
        if (source_)
            host::gdi::BitBlt(dc, fs, fs, innerWidth, innerHeight, *source_, left_ + fs, top_ + fs,
                              host::gdi::SRCCOPY);
    } else if (backgroundWash_.exists()) {
        host::gdi::BitBlt(dc, fs, fs, innerWidth, innerHeight, backgroundWash_.dc(), fs, fs,
                          host::gdi::SRCCOPY);
    }
    const int filled = shareOf(settings.Value, settings.Max, settings.Min, innerWidth);
    toolkit::WashedPicture& fill = settings.EnableMouseOver && hover_ ? highlightWash_ : filledWash_;
    if (filled > 0 && fill.exists())
        host::gdi::BitBlt(dc, fs, fs, filled, innerHeight, fill.dc(), fs, fs, host::gdi::SRCCOPY);
    if (settings.EnableSelect && settings.Selected) ring_.draw(dc, 0, 0);
    drawCaption();
    Disp().Refresh();
}

void GraphicalGraph::drawCaption() {
    const std::string text = caption();
    if (text.empty()) return;
    host::gdi::DeviceContext& dc = Disp().hDC();
    const int fs = settings.FrameSize;
    const host::gdi::COLORREF colour = toolkit::rgbOf(colours_, settings.FontColor);
    dc.setBkMode(host::gdi::BkMode::Transparent);
    const auto previous = captionFont_ ? dc.selectFont(captionFont_) : dc.font();
    const unsigned format = GetDrawTextFlags(settings.TextAlign, true, 2);
    // A one-pixel outline of the opposite lightness keeps the caption legible
    // over the light and the dark parts of the picture alike.
    dc.setTextColor(contrastOf(colour));
    for (const auto& [dx, dy] : kOutlineOffsets) {
        host::gdi::Rect shifted{fs + dx, fs + dy, Width() - fs + dx, Height() - fs + dy};
        host::gdi::DrawText(dc, text, shifted, format);
    }
    dc.setTextColor(colour);
    host::gdi::Rect rect{fs, fs, Width() - fs, Height() - fs};
    host::gdi::DrawText(dc, text, rect, format);
    dc.selectFont(previous);
}

void GraphicalGraph::makeCaptionFont() {
    captionFont_ = CreateFontHandle(settings.FontSize, settings.FontBold, "");
}

void GraphicalGraph::raiseSound(std::int32_t kind) {
    Sound.raise(kind);
}
