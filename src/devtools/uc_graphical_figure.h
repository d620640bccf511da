#pragma once

#include "host/gdi/device_context.h"
#include "host/gdi/font.h"
#include "host/ui/owner_drawn.h"
#include "platform/graphics/cls_color.h"
#include "platform/records/cls_font.h"

#include <cstdint>
#include <memory>
#include <vector>

// The persisted settings of a radar chart, as a new chart has them; the
// keys that differ from the properties: Coordinates (Coordinate), DrawArc
// (ArcDraw), DrawLine (LineDraw), DrawValue (ValueDraw).
struct FigureSettings {
    std::int16_t Blank = 2;
    std::int16_t TR = 50;
    std::int16_t Radius = 50;
    std::int32_t MaskColor = 118;    // pink, never shown
    std::int32_t SemiTransColor = 1; // gold
    std::int16_t Coordinates = 3;
    bool DrawArc = false;
    bool DrawLine = false;
    clsFont Font;               // the container's font
    std::int32_t FontColor = 4; // black
    bool DrawValue = false;
};

// A radar chart of 3 to 12 axes: the polygon through the axes' values shows
// the background under the chart washed toward a colour, the rest shows it
// untouched; axis lines, a ring and the values as text can be added. Axis 0
// points up, the others follow clockwise. Sizes are in pixels, colours are
// numbers of the colour table.
class ucGraphicalFigure : public host::ui::OwnerDrawn<FigureSettings> {
  public:
    ucGraphicalFigure();

    // A stored chart: Coordinates and Font through their properties.
    void ReadProperties(const FigureSettings& stored);

    // An index outside 0..N-1 raises the subscript error.
    std::int32_t FigureColor(std::int16_t pCoordinate) const;
    void FigureColor(std::int16_t pCoordinate, std::int32_t value);
    // 0 for an index outside 0..N-1, which the let ignores; the let keeps
    // the value within the axis's Min..Max.
    std::int16_t FigurePoint(std::int16_t pCoordinate) const;
    void FigurePoint(std::int16_t pCoordinate, std::int16_t value);
    const clsFont& Font() const { return settings.Font; }
    void Font(const clsFont& value);
    std::int32_t FontColor() const { return settings.FontColor; }
    void FontColor(std::int32_t value) { settings.FontColor = value; }
    // 3..12; another value is ignored. A new count clears every axis.
    std::int16_t Coordinate() const { return settings.Coordinates; }
    void Coordinate(std::int16_t value);
    // The share of the background kept inside the polygon, in percent.
    std::int16_t TR() const { return settings.TR; }
    void TR(std::int16_t value) { settings.TR = value; }
    std::int16_t Blank() const { return settings.Blank; }
    void Blank(std::int16_t value) { settings.Blank = value; }
    std::int16_t Radius() const { return settings.Radius; }
    void Radius(std::int16_t value) { settings.Radius = value; }
    std::int32_t MaskColor() const { return settings.MaskColor; }
    void MaskColor(std::int32_t value) { settings.MaskColor = value; }
    std::int32_t SemiTransColor() const { return settings.SemiTransColor; }
    void SemiTransColor(std::int32_t value) { settings.SemiTransColor = value; }
    bool ValueDraw() const { return settings.DrawValue; }
    void ValueDraw(bool value) { settings.DrawValue = value; }
    bool LineDraw() const { return settings.DrawLine; }
    void LineDraw(bool value) { settings.DrawLine = value; }
    bool ArcDraw() const { return settings.DrawArc; }
    void ArcDraw(bool value) { settings.DrawArc = value; }

    // The axis's range; its value is not re-clamped. An index outside
    // 0..N-1 raises the subscript error.
    void SetFigurePoint(std::int16_t pCoordinate, std::int16_t pMax, std::int16_t pMin);
    // Draws the chart; nothing before the axes exist.
    void Paint();
    // N axes (3..12, else nothing happens), cleared and coloured FontColor.
    // A non-zero radius, blank or wash replaces the setting. With a radius
    // the chart side is the control's width; without one the control becomes
    // a square of (Blank + Radius) x 2.
    void SetFigure(std::int16_t pCoordinate, std::int16_t pRadius, std::int16_t pBlank, std::int16_t pTR);
    // The picture under the chart and the chart's place on it.
    void SetImage(host::gdi::DeviceContext& HDCImage, std::int16_t pLeft, std::int16_t pTop);

    // The point of axis i at distance parameter d from the centre. An axis
    // without range (Max = Min) has every point at the centre.
    host::gdi::Point GetFigureVertex(std::int16_t i, std::int32_t d) const;
    std::int16_t side() const { return side_; }

  protected:
    void resized() override;

  private:
    struct FigureAxis {
        std::int16_t Max = 0;
        std::int16_t Min = 0;
        std::int16_t Point = 0;
        std::int32_t Color = 0;
    };
    void createAxes(std::int16_t count);
    // The washed background, the polygon and the work picture at the control's
    // size, white; made when a picture is first handed over, not on each resize.
    void ensurePictures();
    FigureAxis& axis(std::int16_t pCoordinate);
    const FigureAxis& axis(std::int16_t pCoordinate) const;
    void CreateFigureFont();
    void DrawFigureLines();
    void DrawFigureArc();
    void DrawFigureValues();
    host::gdi::COLORREF rgb(std::int32_t colour) const { return colours_.ColorasLong(colour); }

    clsColor colours_;
    std::vector<FigureAxis> axes_;
    std::vector<host::gdi::Point> vertices_;
    std::int16_t side_ = 0;
    host::gdi::DeviceContext* source_ = nullptr;
    std::int16_t left_ = 0;
    std::int16_t top_ = 0;
    std::unique_ptr<host::gdi::DeviceContext> washed_;
    std::unique_ptr<host::gdi::DeviceContext> polygon_;
    std::unique_ptr<host::gdi::DeviceContext> work_;
    std::unique_ptr<host::gdi::DeviceContext> polygonMask_;
    std::shared_ptr<const host::gdi::Font> figureFont_;
};
