#include "host/gdi/region.h"

#include "host/gdi/draw_test_util.h"

#include <gtest/gtest.h>

#include <vector>

using namespace host::gdi;
using gdi_test::count;
using gdi_test::picture;

namespace {

std::string painted(int w, int h, const std::vector<Point>& points) {
    DeviceContext dc(w, h);
    dc.selectBrush(Brush{kBlack});
    PaintRgn(dc, CreatePolygonRgn(points));
    return picture(dc.bitmap(), kBlack);
}

} // namespace

TEST(PolygonRegion, FillsPixelsWhoseCentresAreInside) {
    struct Case {
        std::vector<Point> points;
        const char* expected;
    };
    const Case cases[] = {
        // A rectangle covers its pixels without the right and bottom edges.
        {{{1, 1}, {5, 1}, {5, 4}, {1, 4}},
         "......\n"
         ".####.\n"
         ".####.\n"
         ".####.\n"
         "......\n"},
        // A right triangle: the hypotenuse takes only pixels whose centre is inside.
        {{{0, 0}, {5, 0}, {0, 5}},
         "####..\n"
         "###...\n"
         "##....\n"
         "#.....\n"
         "......\n"},
        // Clockwise and counter-clockwise give the same pixels.
        {{{0, 5}, {5, 0}, {0, 0}},
         "####..\n"
         "###...\n"
         "##....\n"
         "#.....\n"
         "......\n"},
        // Partly outside the bitmap: clipped.
        {{{-3, -3}, {3, -3}, {3, 2}, {-3, 2}},
         "###...\n"
         "###...\n"
         "......\n"
         "......\n"
         "......\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(painted(6, 5, c.points), c.expected);
}

TEST(PolygonRegion, WindingRuleFillsTheCentreOfAnOverlappingStar) {
    // A five-pointed star drawn in one stroke: the inner pentagon is wound
    // twice and must be filled.
    const std::vector<Point> star = {{20, 1}, {32, 38}, {1, 15}, {39, 15}, {8, 38}};
    DeviceContext dc(40, 40);
    dc.selectBrush(Brush{kBlack});
    PaintRgn(dc, CreatePolygonRgn(star));
    EXPECT_EQ(dc.bitmap().pixel(20, 22), kBlack);
    EXPECT_EQ(dc.bitmap().pixel(20, 4), kBlack);  // a point
    EXPECT_EQ(dc.bitmap().pixel(5, 35), kWhite);  // between two points
    EXPECT_EQ(dc.bitmap().pixel(20, 36), kWhite); // between the lower points
}

TEST(PolygonRegion, FillRgnUsesItsBrushAndPaintRgnTheSelectedOne) {
    const std::vector<Point> square = {{0, 0}, {2, 0}, {2, 2}, {0, 2}};
    const Region region = CreatePolygonRgn(square);
    DeviceContext dc(3, 3);
    dc.selectBrush(Brush{RGB(255, 192, 203)});
    FillRgn(dc, region, Brush{RGB(0, 0, 255)});
    EXPECT_EQ(count(dc.bitmap(), RGB(0, 0, 255)), 4);
    PaintRgn(dc, region);
    EXPECT_EQ(count(dc.bitmap(), RGB(255, 192, 203)), 4);
}

TEST(PolygonRegion, FewerThanThreePointsOrNoAreaIsEmpty) {
    EXPECT_TRUE(CreatePolygonRgn(std::vector<Point>{{0, 0}, {5, 5}}).spans().empty());
    EXPECT_TRUE(CreatePolygonRgn(std::vector<Point>{{0, 2}, {5, 2}, {9, 2}}).spans().empty());
}
