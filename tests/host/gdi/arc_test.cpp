#include "host/gdi/arc.h"

#include "host/gdi/draw_test_util.h"

#include <gtest/gtest.h>

using namespace host::gdi;
using gdi_test::count;
using gdi_test::picture;

namespace {

int neighbours(const Bitmap& b, int x, int y) {
    int n = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            n += (dx || dy) && b.pixel(x + dx, y + dy) == kBlack;
    return n;
}

} // namespace

TEST(Arc, EqualStartAndEndDrawAThinClosedEllipseInsideItsBox) {
    struct Box {
        int left, top, right, bottom;
    };
    const Box boxes[] = {{2, 2, 22, 22}, {1, 3, 30, 14}, {0, 0, 7, 7}};
    for (const Box& box : boxes) {
        DeviceContext dc(32, 24);
        Arc(dc, box.left, box.top, box.right, box.bottom, box.left, box.top, box.left, box.top);
        const Bitmap& b = dc.bitmap();
        const std::string shown = picture(b, kBlack);
        ASSERT_GT(count(b, kBlack), 0);
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x) {
                if (b.pixel(x, y) != kBlack) continue;
                // Inside the box, mirrored about its centre, and part of a closed
                // line: at least two neighbours, never a solid 2x2 block.
                EXPECT_TRUE(x >= box.left && x < box.right && y >= box.top && y < box.bottom) << shown;
                EXPECT_EQ(b.pixel(box.left + box.right - 1 - x, y), kBlack) << shown;
                EXPECT_EQ(b.pixel(x, box.top + box.bottom - 1 - y), kBlack) << shown;
                EXPECT_GE(neighbours(b, x, y), 2) << x << "," << y << "\n" << shown;
                EXPECT_FALSE(b.pixel(x + 1, y) == kBlack && b.pixel(x, y + 1) == kBlack &&
                             b.pixel(x + 1, y + 1) == kBlack)
                    << x << "," << y << "\n"
                    << shown;
            }
        // Every row and column of the box is touched; the centre is not.
        for (int y = box.top; y < box.bottom; ++y) {
            int n = 0;
            for (int x = box.left; x < box.right; ++x)
                n += b.pixel(x, y) == kBlack;
            EXPECT_GT(n, 0) << "row " << y << "\n" << shown;
        }
        for (int x = box.left; x < box.right; ++x) {
            int n = 0;
            for (int y = box.top; y < box.bottom; ++y)
                n += b.pixel(x, y) == kBlack;
            EXPECT_GT(n, 0) << "column " << x << "\n" << shown;
        }
        EXPECT_EQ(b.pixel((box.left + box.right) / 2, (box.top + box.bottom) / 2), kWhite);
    }
}

TEST(Arc, RunsCounterClockwiseFromStartRayToEndRay) {
    // From the ray pointing right to the ray pointing up: the upper right quarter.
    DeviceContext dc(20, 20);
    Arc(dc, 0, 0, 20, 20, 20, 10, 10, 0);
    const Bitmap& b = dc.bitmap();
    ASSERT_GT(count(b, kBlack), 5);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (b.pixel(x, y) == kBlack) {
                EXPECT_TRUE(x >= 10 && y < 10) << x << "," << y;
            }

    // The other way round takes the remaining three quarters.
    DeviceContext rest(20, 20);
    Arc(rest, 0, 0, 20, 20, 10, 0, 20, 10);
    EXPECT_EQ(rest.bitmap().pixel(0, 10), kBlack);
    EXPECT_EQ(rest.bitmap().pixel(10, 19), kBlack);
    EXPECT_EQ(rest.bitmap().pixel(16, 2), kWhite);
}

TEST(Arc, PenWidthSetsTheRingAndZeroDrawsNothing) {
    DeviceContext thick(24, 24);
    thick.selectPen(Pen{3, kBlack});
    Arc(thick, 2, 2, 22, 22, 0, 0, 0, 0);
    // Across the middle row the ring is three pixels thick on each side.
    EXPECT_EQ(picture(thick.bitmap(), kBlack).substr(12 * 25, 24), ".###................###.");

    DeviceContext none(10, 10);
    none.selectPen(Pen{0, kBlack});
    Arc(none, 0, 0, 10, 10, 0, 0, 0, 0);
    EXPECT_EQ(count(none.bitmap(), kBlack), 0);
}
