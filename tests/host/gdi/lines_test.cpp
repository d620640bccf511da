#include "host/gdi/lines.h"

#include "host/gdi/draw_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace host::gdi;
using gdi_test::count;
using gdi_test::picture;

TEST(LineTo, ThinPenDrawsFromTheStartAndLeavesOutTheEndPixel) {
    struct Case {
        Point from, to;
    };
    const Case cases[] = {
        {{1, 4}, {8, 4}}, {{8, 4}, {1, 4}}, {{4, 1}, {4, 8}}, {{4, 8}, {4, 1}},
        {{1, 1}, {8, 8}}, {{8, 1}, {1, 8}}, {{2, 1}, {5, 8}}, {{1, 6}, {8, 3}},
    };
    for (const Case& c : cases) {
        DeviceContext dc(10, 10);
        MoveToEx(dc, c.from.x, c.from.y);
        LineTo(dc, c.to.x, c.to.y);
        const Bitmap& b = dc.bitmap();
        const int steps = std::max(std::abs(c.to.x - c.from.x), std::abs(c.to.y - c.from.y));
        EXPECT_EQ(b.pixel(c.from.x, c.from.y), kBlack);
        EXPECT_EQ(b.pixel(c.to.x, c.to.y), kWhite);
        EXPECT_EQ(count(b, kBlack), steps) << picture(b, kBlack);
        EXPECT_EQ(dc.position(), c.to);
    }
}

TEST(LineTo, FourLinesOfTheFrameRuleCloseTheBorderWithAThinPen) {
    // (0,0)-(W,0), (0,0)-(0,H), (W-1,0)-(W-1,H), (0,H-1)-(W-1,H-1)
    const int w = 7, h = 5;
    DeviceContext dc(w, h);
    dc.selectPen(Pen{1, RGB(255, 215, 0)});
    auto line = [&](int x1, int y1, int x2, int y2) {
        MoveToEx(dc, x1, y1);
        LineTo(dc, x2, y2);
    };
    line(0, 0, w, 0);
    line(0, 0, 0, h);
    line(w - 1, 0, w - 1, h);
    line(0, h - 1, w - 1, h - 1);
    EXPECT_EQ(picture(dc.bitmap(), RGB(255, 215, 0)), "#######\n"
                                                      "#.....#\n"
                                                      "#.....#\n"
                                                      "#.....#\n"
                                                      "#######\n");
}

TEST(LineTo, WidePensAreCentredWithRoundEnds) {
    struct Case {
        int width;
        Point from, to;
        const char* expected;
    };
    const Case cases[] = {
        {2,
         {2, 3},
         {6, 3},
         "..........\n"
         "..........\n"
         ".######...\n"
         ".######...\n"
         "..........\n"
         "..........\n"},
        {3,
         {2, 3},
         {6, 3},
         "..........\n"
         "..........\n"
         ".#######..\n"
         ".#######..\n"
         ".#######..\n"
         "..........\n"},
        {3,
         {4, 1},
         {4, 4},
         "...###....\n"
         "...###....\n"
         "...###....\n"
         "...###....\n"
         "...###....\n"
         "...###....\n"},
        {5,
         {4, 2},
         {6, 2},
         "...#####..\n"
         "..#######.\n"
         "..#######.\n"
         "..#######.\n"
         "...#####..\n"
         "..........\n"},
    };
    for (const Case& c : cases) {
        DeviceContext dc(10, 6);
        dc.selectPen(Pen{c.width, kBlack});
        MoveToEx(dc, c.from.x, c.from.y);
        LineTo(dc, c.to.x, c.to.y);
        EXPECT_EQ(picture(dc.bitmap(), kBlack), c.expected) << "width " << c.width;
    }
}

TEST(LineTo, ZeroWidthPenDrawsNothingButMoves) {
    DeviceContext dc(5, 5);
    dc.selectPen(Pen{0, kBlack});
    MoveToEx(dc, 0, 0);
    LineTo(dc, 4, 4);
    EXPECT_EQ(count(dc.bitmap(), kBlack), 0);
    EXPECT_EQ(dc.position(), (Point{4, 4}));
}

TEST(LineTo, LinesRunningOffTheBitmapAreClipped) {
    DeviceContext dc(4, 4);
    MoveToEx(dc, -3, 1);
    LineTo(dc, 10, 1);
    MoveToEx(dc, -50, -50);
    LineTo(dc, -40, -10);
    EXPECT_EQ(picture(dc.bitmap(), kBlack), "....\n####\n....\n....\n");
}

TEST(MoveToEx, AnswersThePreviousPosition) {
    DeviceContext dc(1, 1);
    EXPECT_EQ(MoveToEx(dc, 3, 4), (Point{0, 0}));
    EXPECT_EQ(MoveToEx(dc, 5, 6), (Point{3, 4}));
}
