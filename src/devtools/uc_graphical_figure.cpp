#include "devtools/uc_graphical_figure.h"

#include "host/gdi/arc.h"
#include "host/gdi/blit.h"
#include "host/gdi/draw_text.h"
#include "host/gdi/lines.h"
#include "host/gdi/region.h"
#include "host/runtime/rounding.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "platform/drawing/graphical_controls_props.h"
#include "platform/drawing/memory_dc.h"
#include "platform/drawing/translucent.h"

#include <cmath>
#include <string>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

namespace {

constexpr std::int16_t kFewestAxes = 3;
constexpr std::int16_t kMostAxes = 12;
// The angles are worked out with this value of pi.
constexpr double kPi = 3.14159;

} // namespace

ucGraphicalFigure::ucGraphicalFigure() : OwnerDrawn("ucGraphicalFigure") {}

void ucGraphicalFigure::ReadProperties(const FigureSettings& stored) {
    settings = stored;
    Coordinate(stored.Coordinates);
    Font(stored.Font);
}

ucGraphicalFigure::FigureAxis& ucGraphicalFigure::axis(std::int16_t pCoordinate) {
    if (pCoordinate < 0 || pCoordinate >= static_cast<std::int16_t>(axes_.size()))
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "radar axis " + std::to_string(pCoordinate));
    return axes_[static_cast<std::size_t>(pCoordinate)];
}

const ucGraphicalFigure::FigureAxis& ucGraphicalFigure::axis(std::int16_t pCoordinate) const {
    return const_cast<ucGraphicalFigure*>(this)->axis(pCoordinate);
}

std::int32_t ucGraphicalFigure::FigureColor(std::int16_t pCoordinate) const {
    return axis(pCoordinate).Color;
}

void ucGraphicalFigure::FigureColor(std::int16_t pCoordinate, std::int32_t value) {
    axis(pCoordinate).Color = value;
}

std::int16_t ucGraphicalFigure::FigurePoint(std::int16_t pCoordinate) const {
    if (pCoordinate < 0 || pCoordinate >= static_cast<std::int16_t>(axes_.size())) return 0;
    return axes_[static_cast<std::size_t>(pCoordinate)].Point;
}

void ucGraphicalFigure::FigurePoint(std::int16_t pCoordinate, std::int16_t value) {
    if (pCoordinate < 0 || pCoordinate >= static_cast<std::int16_t>(axes_.size())) return;
    FigureAxis& a = axes_[static_cast<std::size_t>(pCoordinate)];
    if (value > a.Max) value = a.Max;
    if (value < a.Min) value = a.Min;
    a.Point = value;
}

void ucGraphicalFigure::Font(const clsFont& value) {
    settings.Font = value;
    CreateFigureFont();
}

void ucGraphicalFigure::Coordinate(std::int16_t value) {
    if (value < kFewestAxes || value > kMostAxes) return;
    createAxes(value);
}

void ucGraphicalFigure::createAxes(std::int16_t count) {
    settings.Coordinates = count;
    axes_.assign(static_cast<std::size_t>(count), FigureAxis{});
    vertices_.assign(static_cast<std::size_t>(count), host::gdi::Point{});
}

void ucGraphicalFigure::SetFigurePoint(std::int16_t pCoordinate, std::int16_t pMax, std::int16_t pMin) {
    FigureAxis& a = axis(pCoordinate);
    a.Max = pMax;
    a.Min = pMin;
}

host::gdi::Point ucGraphicalFigure::GetFigureVertex(std::int16_t i, std::int32_t d) const {
    const FigureAxis& a = axis(i);
    const int range = a.Max - a.Min;
    const double r = range == 0 ? 0.0 : host::runtime::Int(static_cast<double>(settings.Radius) / range * d);
    const int degrees = (360 / static_cast<int>(axes_.size())) * i;
    const double angle = degrees * kPi / 180;
    double sx = std::sin(angle);
    double sy = -std::cos(angle);
    if (degrees == 90 || degrees == 270) sy = 0;
    if (degrees == 180) sx = 0;
    const double centre = side_ / 2;
    return {static_cast<int>(host::runtime::roundHalfEven(r * sx + centre)),
            static_cast<int>(host::runtime::roundHalfEven(r * sy + centre))};
}

void ucGraphicalFigure::SetFigure(std::int16_t pCoordinate, std::int16_t pRadius, std::int16_t pBlank,
                                  std::int16_t pTR) {
    if (pCoordinate < kFewestAxes || pCoordinate > kMostAxes) return;
    createAxes(pCoordinate);
    if (pRadius != 0) settings.Radius = pRadius;
    if (pBlank != 0) settings.Blank = pBlank;
    if (pTR != 0) settings.TR = pTR;
    if (pRadius != 0) {
        side_ = host::runtime::saturate16(std::int64_t{Width()});
    } else {
        side_ = host::runtime::saturate16((std::int64_t{settings.Blank} + settings.Radius) * 2);
        Move(Left(), Top(), side_, side_);
    }
    for (FigureAxis& a : axes_)
        a.Color = settings.FontColor;
}

void ucGraphicalFigure::SetImage(host::gdi::DeviceContext& HDCImage, std::int16_t pLeft, std::int16_t pTop) {
    ensurePictures();
    source_ = &HDCImage;
    left_ = pLeft;
    top_ = pTop;
    host::gdi::BitBlt(*washed_, 0, 0, Width(), Height(), HDCImage, pLeft, pTop, host::gdi::SRCCOPY);
    Translucent2(*washed_, rgb(settings.SemiTransColor), settings.TR);
}

void ucGraphicalFigure::resized() {
    OwnerDrawnControl::resized();
    washed_.reset();
    polygon_.reset();
    work_.reset();
}

void ucGraphicalFigure::ensurePictures() {
    if (washed_) return;
    washed_ = CreateMemoryDC(HDC(), Width(), Height());
    polygon_ = CreateMemoryDC(HDC(), Width(), Height());
    work_ = CreateMemoryDC(HDC(), Width(), Height());
}

void ucGraphicalFigure::Paint() {
    if (axes_.empty() || !source_) return;
    ensurePictures();
    const host::gdi::Brush key{rgb(settings.MaskColor)};
    for (std::size_t i = 0; i < axes_.size(); ++i) {
        const auto n = static_cast<std::int16_t>(i);
        vertices_[i] = GetFigureVertex(n, axes_[i].Point);
    }
    host::gdi::FillRgn(*polygon_, host::gdi::CreatePolygonRgn(vertices_), key);
    polygonMask_ = CreateMaskDC(*polygon_, side_, side_, key.colour, HDC());

    host::gdi::BitBlt(HDC(), 0, 0, Width(), Height(), *source_, left_, top_, host::gdi::SRCCOPY);
    host::gdi::BitBlt(*work_, 0, 0, side_, side_, *washed_, 0, 0, host::gdi::SRCCOPY);
    host::gdi::BitBlt(*work_, 0, 0, side_, side_, *polygonMask_, 0, 0, host::gdi::SRCAND);
    const auto outside = CreateMaskDC(*work_, side_, side_, host::gdi::kBlack, HDC());
    host::gdi::BitBlt(HDC(), 0, 0, side_, side_, *outside, 0, 0, host::gdi::SRCAND);
    host::gdi::BitBlt(HDC(), 0, 0, side_, side_, *work_, 0, 0, host::gdi::SRCPAINT);

    if (settings.DrawLine) DrawFigureLines();
    if (settings.DrawArc) DrawFigureArc();
    if (settings.DrawValue) DrawFigureValues();
    Disp().Refresh();
}

void ucGraphicalFigure::DrawFigureLines() {
    const int centre = side_ / 2;
    for (std::size_t i = 0; i < axes_.size(); ++i) {
        const auto n = static_cast<std::int16_t>(i);
        const host::gdi::Point end = GetFigureVertex(n, axes_[i].Max - axes_[i].Min);
        host::gdi::MoveToEx(HDC(), centre, centre);
        host::gdi::LineTo(HDC(), end.x, end.y);
    }
}

// The ring runs through the axes' ends: its box spans the chart less the blank.
void ucGraphicalFigure::DrawFigureArc() {
    const int b = settings.Blank;
    host::gdi::Arc(HDC(), b, b, side_ - b + 1, side_ - b + 1, b, b, b, b);
}

void ucGraphicalFigure::DrawFigureValues() {
    const auto previous = HDC().selectFont(figureFont_ ? figureFont_ : host::gdi::defaultFont());
    const auto previousMode = HDC().setBkMode(host::gdi::BkMode::Transparent);
    const auto previousColour = HDC().textColor();
    for (std::size_t i = 0; i < axes_.size(); ++i) {
        const auto n = static_cast<std::int16_t>(i);
        const FigureAxis& a = axes_[i];
        const host::gdi::Point anchor = GetFigureVertex(n, (a.Max - a.Min) / 2);
        const std::string text = std::to_string(a.Point);
        host::gdi::Rect measured{};
        host::gdi::DrawText(HDC(), text, measured, host::gdi::DT_SINGLELINE | host::gdi::DT_CALCRECT);
        const int w = measured.right - measured.left;
        const int h = measured.bottom - measured.top;
        host::gdi::Rect box{anchor.x - w / 2, anchor.y - h / 2, anchor.x - w / 2 + w, anchor.y - h / 2 + h};
        HDC().setTextColor(rgb(a.Color));
        host::gdi::DrawText(HDC(), text, box,
                            host::gdi::DT_SINGLELINE | host::gdi::DT_CENTER | host::gdi::DT_VCENTER);
    }
    HDC().setTextColor(previousColour);
    HDC().setBkMode(previousMode);
    HDC().selectFont(previous);
}

void ucGraphicalFigure::CreateFigureFont() {
    figureFont_ = CreateFontHandle(settings.Font.Size(), settings.Font.Bold(), settings.Font.Name());
}
