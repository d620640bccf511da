#include "devtools/uc_graphical_figure.h"
#include "platform/drawing/translucent.h"
#include "support/error_of.h"
#include "toolkit/toolkit_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using host::gdi::COLORREF;
using host::gdi::Point;
using host::gdi::RGB;
using host::runtime::ErrorNumber;
using testsupport::errorOf;

constexpr COLORREF kGround = RGB(100, 150, 200);

// A chart of n axes 0..100 on a plain background, (Blank + Radius) x 2 square.
struct Chart {
    explicit Chart(std::int16_t n, std::int16_t value = 100) {
        background.bitmap().fill({0, 0, 300, 300}, kGround);
        figure.SetFigure(n, 0, 0, 0);
        for (std::int16_t i = 0; i < n; ++i) {
            figure.SetFigurePoint(i, 100, 0);
            figure.FigurePoint(i, value);
        }
        figure.SetImage(background, 10, 10);
    }
    COLORREF at(int x, int y) { return figure.HDC().bitmap().pixel(x, y); }
    // The background washed as the chart washes it.
    COLORREF washed() const {
        host::gdi::DeviceContext one(1, 1);
        one.bitmap().setPixel(0, 0, kGround);
        Translucent2(one, clsColor().ColorasLong(figure.SemiTransColor()), figure.TR());
        return one.bitmap().pixel(0, 0);
    }

    host::gdi::DeviceContext background{300, 300};
    ucGraphicalFigure figure;
};

TEST(RadarChart, FourAxesOfRadiusFiftyEndAtTheSidesOfA104PixelSquare) {
    Chart chart(4);
    EXPECT_EQ(chart.figure.side(), 104);
    EXPECT_EQ(chart.figure.Width(), 104);
    EXPECT_EQ(chart.figure.Height(), 104);
    struct Case {
        std::int16_t axis;
        Point end;
    } cases[] = {{0, {52, 2}}, {1, {102, 52}}, {2, {52, 102}}, {3, {2, 52}}};
    for (const Case& c : cases)
        EXPECT_EQ(chart.figure.GetFigureVertex(c.axis, 100), c.end) << c.axis;
    EXPECT_EQ(chart.figure.GetFigureVertex(1, 0), (Point{52, 52}));
}

TEST(RadarChart, SevenAxesStepBy51DegreesClockwiseFromTheTop) {
    Chart chart(7);
    const std::array<int, 7> degrees = {0, 51, 102, 153, 204, 255, 306};
    for (std::int16_t i = 0; i < 7; ++i) {
        const double a = degrees[static_cast<std::size_t>(i)] * 3.14159 / 180;
        const Point end = chart.figure.GetFigureVertex(i, 100);
        EXPECT_NEAR(end.x, 52 + 50 * std::sin(a), 0.51) << i;
        EXPECT_NEAR(end.y, 52 - 50 * std::cos(a), 0.51) << i;
    }
}

TEST(RadarChart, InsideThePolygonTheBackgroundIsWashedOutsideItIsUntouched) {
    struct Case {
        std::int16_t axes;
        std::int16_t value;
        Point inside;
        Point outside;
    } cases[] = {
        {.axes = 3, .value = 100, .inside = {52, 10}, .outside = {5, 5}},
        {.axes = 5, .value = 50, .inside = {52, 30}, .outside = {52, 20}},
        {.axes = 12, .value = 100, .inside = {52, 4}, .outside = {1, 1}},
    };
    for (const Case& c : cases) {
        Chart chart(c.axes, c.value);
        chart.figure.Paint();
        EXPECT_EQ(chart.at(52, 52), chart.washed()) << c.axes;
        EXPECT_EQ(chart.at(c.inside.x, c.inside.y), chart.washed()) << c.axes;
        EXPECT_EQ(chart.at(c.outside.x, c.outside.y), kGround) << c.axes;
    }
}

TEST(RadarChart, ASmallerPolygonPaintedLaterLeavesNoTraceOfTheLargerOne) {
    Chart chart(4);
    chart.figure.Paint();
    EXPECT_EQ(chart.at(52, 8), chart.washed());
    for (std::int16_t i = 0; i < 4; ++i)
        chart.figure.FigurePoint(i, 20);
    chart.figure.Paint();
    EXPECT_EQ(chart.at(52, 8), kGround);
    EXPECT_EQ(chart.at(52, 45), chart.washed());
}

TEST(RadarChart, PointsStayWithinTheirAxisAndACountOutsideThreeToTwelveIsIgnored) {
    Chart chart(5, 0);
    chart.figure.FigurePoint(0, 150);
    chart.figure.FigurePoint(1, -5);
    chart.figure.FigurePoint(5, 60); // no such axis: ignored
    EXPECT_EQ(chart.figure.FigurePoint(0), 100);
    EXPECT_EQ(chart.figure.FigurePoint(1), 0);
    EXPECT_EQ(chart.figure.FigurePoint(5), 0);
    EXPECT_EQ(errorOf([&] { chart.figure.FigureColor(5); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { chart.figure.SetFigurePoint(-1, 1, 0); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(chart.figure.FigureColor(4), chart.figure.FontColor());

    chart.figure.Coordinate(2);
    chart.figure.Coordinate(13);
    EXPECT_EQ(chart.figure.Coordinate(), 5);
    EXPECT_EQ(chart.figure.FigurePoint(0), 100);
    chart.figure.Coordinate(5);
    EXPECT_EQ(chart.figure.FigurePoint(0), 0);
    EXPECT_EQ(chart.figure.FigureColor(0), 0);
}

TEST(RadarChart, WithARadiusTheChartKeepsTheControlsSize) {
    ucGraphicalFigure figure;
    figure.Move(0, 0, 120, 120);
    figure.SetFigure(6, 40, 0, 0);
    EXPECT_EQ(figure.Radius(), 40);
    EXPECT_EQ(figure.Blank(), 2);
    EXPECT_EQ(figure.side(), 120);
    EXPECT_EQ(figure.Width(), 120);
    figure.SetFigure(6, 0, 0, 0);
    EXPECT_EQ(figure.side(), 84);
    EXPECT_EQ(figure.Width(), 84);
}

TEST(RadarChart, DegenerateSetUpsDrawWithoutFailing) {
    ucGraphicalFigure fresh;
    fresh.Paint(); // no axes yet: nothing to draw
    EXPECT_EQ(fresh.HDC().bitmap().width(), 0);

    Chart chart(3);
    chart.figure.SetFigurePoint(1, 50, 50); // an axis without range sits at the centre
    chart.figure.LineDraw(true);
    chart.figure.ValueDraw(true);
    chart.figure.Paint();
    EXPECT_EQ(chart.figure.GetFigureVertex(1, 50), (Point{52, 52}));

    ucGraphicalFigure huge;
    huge.Blank(30000);
    huge.Radius(30000);
    huge.SetFigure(3, 0, 0, 0);
    EXPECT_EQ(huge.side(), 32767);
}

TEST(RadarChart, ANewChartHasTheStoredDefaultsAndAStoredCountOutsideTheRangeMakesNoAxes) {
    const FigureSettings fresh;
    EXPECT_EQ(fresh.Blank, 2);
    EXPECT_EQ(fresh.TR, 50);
    EXPECT_EQ(fresh.Radius, 50);
    EXPECT_EQ(fresh.MaskColor, 118);
    EXPECT_EQ(fresh.SemiTransColor, 1);
    EXPECT_EQ(fresh.Coordinates, 3);
    EXPECT_EQ(fresh.FontColor, 4);
    EXPECT_FALSE(fresh.DrawArc || fresh.DrawLine || fresh.DrawValue);

    FigureSettings stored;
    stored.Coordinates = 14;
    ucGraphicalFigure figure;
    figure.ReadProperties(stored);
    EXPECT_EQ(errorOf([&] { figure.FigureColor(0); }), ErrorNumber::SubscriptOutOfRange);
    stored.Coordinates = 6;
    figure.ReadProperties(stored);
    EXPECT_EQ(figure.FigureColor(5), 0);
}

// Charts of 3, 5 and 12 axes over a painted scene with lines, ring and
// values, written to looks/devtools_radar_N.png for a person to look at.
TEST(RadarChart, LooksOverAScene) {
    for (std::int16_t n : {3, 5, 12}) {
        host::gdi::DeviceContext scene(400, 400);
        toolkit_test::paintScene(scene.bitmap());
        ucGraphicalFigure figure;
        clsFont font;
        font.Size(9);
        font.Bold(true);
        font.Name("MS UI Gothic");
        figure.Font(font);
        figure.Radius(80);
        figure.Blank(12);
        figure.SetFigure(n, 0, 0, 30);
        for (std::int16_t i = 0; i < n; ++i) {
            figure.SetFigurePoint(i, 100, 0);
            figure.FigurePoint(i, static_cast<std::int16_t>(35 + (i * 37) % 66));
        }
        figure.LineDraw(true);
        figure.ArcDraw(true);
        figure.ValueDraw(true);
        figure.SetImage(scene, 150, 200);
        figure.Paint();
        EXPECT_EQ(figure.side(), 184);
        toolkit_test::writeLook(figure.HDC().bitmap(), "devtools_radar_" + std::to_string(n) + ".png");
    }
}

} // namespace
