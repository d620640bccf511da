#include "host/gdi/blit.h"

#include <gtest/gtest.h>

using namespace host::gdi;

namespace {

// Pixel (x, y) of a numbered source: distinct for every position.
COLORREF numbered(int x, int y) {
    return RGB(static_cast<std::uint8_t>(x + 1), static_cast<std::uint8_t>(y + 1), 7);
}

void fillNumbered(Bitmap& bitmap) {
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            bitmap.setPixel(x, y, numbered(x, y));
}

} // namespace

TEST(BitBlt, CombinesSourceAndDestinationByOperation) {
    const COLORREF d = RGB(0x12, 0x34, 0x56);
    const COLORREF s = RGB(0xF0, 0x0F, 0xAA);
    struct Case {
        RasterOp op;
        COLORREF expected;
    };
    const Case cases[] = {
        {SRCCOPY, s},
        {SRCAND, RGB(0x10, 0x04, 0x02)},
        {SRCPAINT, RGB(0xF2, 0x3F, 0xFE)},
        {SRCINVERT, RGB(0xE2, 0x3B, 0xFC)},
        {NOTSRCCOPY, RGB(0x0F, 0xF0, 0x55)},
        {BLACKNESS, kBlack},
        {WHITENESS, kWhite},
    };
    for (const Case& c : cases) {
        DeviceContext dst(1, 1), src(1, 1);
        dst.bitmap().setPixel(0, 0, d);
        src.bitmap().setPixel(0, 0, s);
        EXPECT_TRUE(BitBlt(dst, 0, 0, 1, 1, src, 0, 0, c.op));
        EXPECT_EQ(dst.bitmap().pixel(0, 0), c.expected) << std::hex << c.op;
    }
}

TEST(BitBlt, RefusesAnUnknownOperationAndDrawsNothing) {
    DeviceContext dst(1, 1), src(1, 1);
    src.bitmap().setPixel(0, 0, kBlack);
    EXPECT_FALSE(BitBlt(dst, 0, 0, 1, 1, src, 0, 0, static_cast<RasterOp>(0x12345678)));
    EXPECT_EQ(dst.bitmap().pixel(0, 0), kWhite);
}

TEST(BitBlt, ClipsToBothBitmaps) {
    // A 4x4 numbered source onto a white 4x4 destination; `changed` is the
    // destination rectangle that must receive source pixels.
    struct Case {
        int x, y, w, h, sx, sy;
        Rect changed;
    };
    const Case cases[] = {
        {0, 0, 4, 4, 0, 0, {0, 0, 4, 4}},   // whole
        {2, 1, 5, 5, 0, 0, {2, 1, 4, 4}},   // past the destination's right and bottom
        {-1, -2, 4, 4, 0, 0, {0, 0, 3, 2}}, // from above and left of the destination
        {0, 0, 4, 4, 2, 3, {0, 0, 2, 1}},   // past the source's right and bottom
        {1, 1, 3, 3, -1, -1, {2, 2, 4, 4}}, // from above and left of the source
        {0, 0, 4, 4, 4, 0, {0, 0, 0, 0}},   // wholly beside the source
        {1, 1, 0, 3, 0, 0, {0, 0, 0, 0}},   // no width
        {0, 0, -2, 2, 0, 0, {0, 0, 0, 0}},  // negative width
    };
    for (const Case& c : cases) {
        DeviceContext dst(4, 4), src(4, 4);
        fillNumbered(src.bitmap());
        EXPECT_TRUE(BitBlt(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, SRCCOPY));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                const bool inside =
                    x >= c.changed.left && x < c.changed.right && y >= c.changed.top && y < c.changed.bottom;
                const COLORREF expected = inside ? numbered(x - c.x + c.sx, y - c.y + c.sy) : kWhite;
                EXPECT_EQ(dst.bitmap().pixel(x, y), expected)
                    << "case " << c.x << "," << c.y << " " << c.w << "x" << c.h << " from " << c.sx << ","
                    << c.sy << " at pixel " << x << "," << y;
            }
    }
}

TEST(BitBlt, OverlappingCopyWithinOneBitmapReadsThePixelsAsTheyWere) {
    DeviceContext dc(4, 2);
    fillNumbered(dc.bitmap());
    BitBlt(dc, 1, 0, 3, 2, dc, 0, 0, SRCCOPY);
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(dc.bitmap().pixel(0, y), numbered(0, y));
        EXPECT_EQ(dc.bitmap().pixel(1, y), numbered(0, y));
        EXPECT_EQ(dc.bitmap().pixel(2, y), numbered(1, y));
        EXPECT_EQ(dc.bitmap().pixel(3, y), numbered(2, y));
    }
}

TEST(StretchBlt, TakesTheNearestSourcePixel) {
    DeviceContext src(4, 2);
    fillNumbered(src.bitmap());

    // Doubling: each source pixel becomes a 2x2 block.
    DeviceContext big(8, 4);
    ASSERT_TRUE(StretchBlt(big, 0, 0, 8, 4, src, 0, 0, 4, 2, SRCCOPY));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(big.bitmap().pixel(x, y), numbered(x / 2, y / 2));

    // Halving the width takes columns 1 and 3, the centres of each pair.
    DeviceContext small(2, 2);
    ASSERT_TRUE(StretchBlt(small, 0, 0, 2, 2, src, 0, 0, 4, 2, SRCCOPY));
    EXPECT_EQ(small.bitmap().pixel(0, 0), numbered(1, 0));
    EXPECT_EQ(small.bitmap().pixel(1, 1), numbered(3, 1));

    // Three source columns over five destination columns.
    DeviceContext odd(5, 1);
    ASSERT_TRUE(StretchBlt(odd, 0, 0, 5, 1, src, 1, 0, 3, 1, SRCCOPY));
    const int columns[] = {1, 1, 2, 3, 3};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(odd.bitmap().pixel(x, 0), numbered(columns[x], 0)) << x;
}

TEST(StretchBlt, LeavesPixelsWhoseSourceOrTargetIsOutsideAlone) {
    DeviceContext src(2, 2);
    fillNumbered(src.bitmap());
    DeviceContext dst(6, 6);
    // The source rectangle starts one column left of the bitmap; the target
    // runs past the destination's bottom.
    ASSERT_TRUE(StretchBlt(dst, 0, 2, 6, 6, src, -1, 0, 3, 3, SRCCOPY));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const int sx = x / 2 - 1;
            const int sy = (y - 2) / 2;
            const bool drawn = y >= 2 && sx >= 0 && sy < 2;
            EXPECT_EQ(dst.bitmap().pixel(x, y), drawn ? numbered(sx, sy) : kWhite) << x << "," << y;
        }
}

TEST(StretchBlt, AppliesTheOperationAndRefusesEmptyOrMirroredExtents) {
    DeviceContext src(1, 1), dst(3, 3);
    src.bitmap().setPixel(0, 0, RGB(0, 255, 0));
    dst.bitmap().fill({0, 0, 3, 3}, RGB(255, 255, 0));
    ASSERT_TRUE(StretchBlt(dst, 0, 0, 2, 2, src, 0, 0, 1, 1, SRCAND));
    EXPECT_EQ(dst.bitmap().pixel(1, 1), RGB(0, 255, 0));
    EXPECT_EQ(dst.bitmap().pixel(2, 2), RGB(255, 255, 0));

    EXPECT_FALSE(StretchBlt(dst, 0, 0, -2, 2, src, 0, 0, 1, 1, SRCCOPY));
    EXPECT_FALSE(StretchBlt(dst, 0, 0, 2, 2, src, 0, 0, 0, 1, SRCCOPY));
}

TEST(PatBlt, PaintsWhiteOrBlackWithinTheBitmap) {
    DeviceContext dc(4, 4);
    EXPECT_TRUE(PatBlt(dc, 2, -1, 5, 3, BLACKNESS));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(dc.bitmap().pixel(x, y), (x >= 2 && y < 2) ? kBlack : kWhite);
    EXPECT_TRUE(PatBlt(dc, 0, 0, 4, 4, WHITENESS));
    EXPECT_EQ(dc.bitmap().pixel(3, 0), kWhite);
    EXPECT_FALSE(PatBlt(dc, 0, 0, 4, 4, SRCCOPY));
}

TEST(Bitmap, NewBitmapsAreWhiteAndPixelQueriesOutsideAreInvalid) {
    Bitmap colour(3, 2);
    Bitmap mono(3, 2, Bitmap::Format::Monochrome);
    EXPECT_EQ(colour.width(), 3);
    EXPECT_EQ(colour.height(), 2);
    EXPECT_EQ(colour.pixel(2, 1), kWhite);
    EXPECT_EQ(mono.pixel(0, 0), kWhite);
    EXPECT_EQ(colour.pixel(3, 0), CLR_INVALID);
    EXPECT_EQ(colour.pixel(0, -1), CLR_INVALID);
    colour.setPixel(-1, 0, kBlack); // ignored
    EXPECT_EQ(Bitmap(-5, 4).width(), 0);
}
