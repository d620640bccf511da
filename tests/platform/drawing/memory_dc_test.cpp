#include "platform/drawing/memory_dc.h"

#include "host/gdi/blit.h"

#include <gtest/gtest.h>

using namespace host::gdi;

namespace {
constexpr COLORREF kPink = RGB(255, 192, 203);
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
} // namespace

TEST(CreateMemoryDC, IsWhiteOfTheSizeAndKindOfTheReference) {
    const DeviceContext screen(1, 1);
    const auto dc = CreateMemoryDC(screen, 7, 3);
    EXPECT_EQ(dc->bitmap().width(), 7);
    EXPECT_EQ(dc->bitmap().height(), 3);
    EXPECT_FALSE(dc->bitmap().monochrome());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(dc->bitmap().pixel(x, y), kWhite);
    EXPECT_EQ(GetBitmapSize(*dc).width, 7);
    EXPECT_EQ(GetBitmapSize(*dc).height, 3);

    const DeviceContext mono(1, 1, Bitmap::Format::Monochrome);
    EXPECT_TRUE(CreateMemoryDC(mono, 2, 2)->bitmap().monochrome());
}

TEST(CreateMaskDC, MaskIsWhiteOnTheKeyAndTheImageKeyTurnsBlack) {
    // Key pixels among colours close to it; pixels beyond width x height are
    // not the mask's business.
    DeviceContext image(4, 2);
    const COLORREF pixels[2][4] = {{kPink, kRed, RGB(255, 192, 204), kPink}, {kGreen, kPink, kWhite, kBlack}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            image.bitmap().setPixel(x, y, pixels[y][x]);
    image.setBkColor(kGreen);
    const DeviceContext screen(1, 1);

    const auto mask = CreateMaskDC(image, 3, 2, kPink, screen);
    ASSERT_EQ(GetBitmapSize(*mask).width, 3);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const bool key = pixels[y][x] == kPink;
            EXPECT_EQ(mask->bitmap().pixel(x, y), key ? kWhite : kBlack) << x << "," << y;
            EXPECT_EQ(image.bitmap().pixel(x, y), key ? kBlack : pixels[y][x]) << x << "," << y;
        }
    EXPECT_EQ(image.bitmap().pixel(3, 0), kPink);
    EXPECT_EQ(image.bkColor(), kGreen); // put back

    // Mask with SRCAND, then the image with SRCPAINT: the key shows the background.
    DeviceContext scene(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            scene.bitmap().setPixel(x, y, RGB(10, 20, 30));
    BitBlt(scene, 0, 0, 3, 2, *mask, 0, 0, SRCAND);
    BitBlt(scene, 0, 0, 3, 2, image, 0, 0, SRCPAINT);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(scene.bitmap().pixel(x, y), pixels[y][x] == kPink ? RGB(10, 20, 30) : pixels[y][x]);
}

TEST(CreateMaskDC, MasksLargerThanThePictureOrOfAnotherKindKeepTheirRules) {
    const struct {
        const char* name;
        Bitmap::Format reference;
        int width;
        int height;
    } cases[] = {
        {.name = "colour, wider than the picture",
         .reference = Bitmap::Format::Colour,
         .width = 4,
         .height = 2},
        {.name = "colour, taller than the picture",
         .reference = Bitmap::Format::Colour,
         .width = 3,
         .height = 3},
        {.name = "monochrome reference", .reference = Bitmap::Format::Monochrome, .width = 3, .height = 2},
    };
    const COLORREF pixels[2][3] = {{kPink, kRed, kPink}, {kGreen, kPink, kBlack}};
    for (const auto& c : cases) {
        DeviceContext image(3, 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                image.bitmap().setPixel(x, y, pixels[y][x]);
        const DeviceContext reference(1, 1, c.reference);
        const auto mask = CreateMaskDC(image, c.width, c.height, kPink, reference);
        EXPECT_EQ(mask->bitmap().monochrome(), c.reference == Bitmap::Format::Monochrome) << c.name;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                const bool inside = x < 3 && y < 2;
                const bool key = !inside || pixels[y][x] == kPink; // nothing beyond the picture is drawn
                EXPECT_EQ(mask->bitmap().pixel(x, y), key ? kWhite : kBlack)
                    << c.name << " " << x << "," << y;
                if (inside) {
                    EXPECT_EQ(image.bitmap().pixel(x, y), pixels[y][x] == kPink ? kBlack : pixels[y][x])
                        << c.name << " " << x << "," << y;
                }
            }
    }
}
