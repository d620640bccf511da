#include "platform/drawing/translucent.h"

#include <gtest/gtest.h>

using namespace host::gdi;

TEST(Translucent2, WashesEachChannelTowardTheColourRoundingDown) {
    const struct {
        COLORREF pixel;
        COLORREF colour;
        std::int16_t AP;
        COLORREF expected;
    } cases[] = {
        {kWhite, kBlack, 50, RGB(127, 127, 127)},
        {kBlack, kWhite, 50, RGB(127, 127, 127)},
        {RGB(200, 100, 0), RGB(0, 50, 255), 30, RGB(60, 65, 178)},
        {RGB(12, 34, 56), RGB(255, 0, 128), 100, RGB(12, 34, 56)}, // kept whole
        {RGB(12, 34, 56), RGB(255, 0, 128), 0, RGB(255, 0, 128)},  // the plain colour
        {RGB(1, 1, 1), RGB(0, 0, 0), 99, RGB(0, 0, 0)},
    };
    for (const auto& c : cases) {
        DeviceContext dc(2, 1);
        dc.bitmap().setPixel(0, 0, c.pixel);
        dc.bitmap().setPixel(1, 0, c.pixel);
        Translucent2(dc, c.colour, c.AP);
        EXPECT_EQ(dc.bitmap().pixel(0, 0), c.expected) << std::hex << c.pixel << " AP " << std::dec << c.AP;
        EXPECT_EQ(dc.bitmap().pixel(1, 0), c.expected);
    }
}

TEST(Translucent2, PercentOutsideZeroToHundredChangesNothing) {
    for (std::int16_t AP : {-1, 101, -32768, 32767}) {
        DeviceContext dc(3, 3);
        dc.bitmap().setPixel(1, 1, RGB(10, 20, 30));
        Translucent2(dc, kBlack, AP);
        EXPECT_EQ(dc.bitmap().pixel(1, 1), RGB(10, 20, 30)) << AP;
        EXPECT_EQ(dc.bitmap().pixel(0, 0), kWhite) << AP;
    }
}

TEST(Translucent2, FourthByteIsKeptAndEveryPixelWashed) {
    DeviceContext dc(800, 600);
    dc.bitmap().row(599)[799] = 0xAB000000u | RGB(100, 100, 100);
    Translucent2(dc, RGB(0, 0, 0), 50);
    EXPECT_EQ(dc.bitmap().row(599)[799], 0xAB000000u | RGB(50, 50, 50));
    EXPECT_EQ(dc.bitmap().pixel(0, 0), RGB(127, 127, 127));
    EXPECT_EQ(dc.bitmap().pixel(799, 0), RGB(127, 127, 127));
}

TEST(ColorToBytes, GivesBlueGreenRedZero) {
    EXPECT_EQ(ColorToBytes(RGB(1, 2, 3)), (std::array<std::uint8_t, 4>{3, 2, 1, 0}));
    EXPECT_EQ(ColorToBytes(RGB(255, 192, 203)), (std::array<std::uint8_t, 4>{203, 192, 255, 0}));
}
