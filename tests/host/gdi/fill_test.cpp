#include "host/gdi/fill.h"

#include "host/gdi/draw_test_util.h"

#include <gtest/gtest.h>

using namespace host::gdi;
using gdi_test::picture;

TEST(FillRect, LeavesOutTheRightAndBottomEdges) {
    // A highlight picture: all aqua, then (2,2)-(w-2,h-2) red.
    const COLORREF aqua = RGB(0, 255, 255), red = RGB(255, 0, 0);
    DeviceContext dc(7, 6);
    FillRect(dc, {0, 0, 7, 6}, Brush{aqua});
    FillRect(dc, {2, 2, 5, 4}, Brush{red});
    EXPECT_EQ(picture(dc.bitmap(), red), ".......\n"
                                         ".......\n"
                                         "..###..\n"
                                         "..###..\n"
                                         ".......\n"
                                         ".......\n");
    EXPECT_EQ(dc.bitmap().pixel(0, 0), aqua);
    EXPECT_EQ(dc.bitmap().pixel(6, 5), aqua);
}

TEST(FillRect, ClipsAndIgnoresEmptyOrInvertedRectangles) {
    DeviceContext dc(4, 3);
    FillRect(dc, {-2, 1, 2, 9}, Brush{kBlack});
    FillRect(dc, {3, 0, 3, 3}, Brush{kBlack});
    FillRect(dc, {3, 2, 1, 0}, Brush{kBlack});
    EXPECT_EQ(picture(dc.bitmap(), kBlack), "....\n##..\n##..\n");
}
