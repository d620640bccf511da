#include "host/gdi/blit.h"
#include "host/gdi/fill.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace host::gdi;

TEST(Monochrome, ColourBecomesWhiteExactlyWhereItEqualsTheSourceBackground) {
    const COLORREF key = RGB(255, 192, 203);
    DeviceContext image(4, 1);
    image.bitmap().setPixel(0, 0, key);
    image.bitmap().setPixel(1, 0, RGB(255, 192, 202)); // one step off the key
    image.bitmap().setPixel(2, 0, kWhite);
    image.bitmap().setPixel(3, 0, key);
    image.setBkColor(key);

    DeviceContext mono(4, 1, Bitmap::Format::Monochrome);
    BitBlt(mono, 0, 0, 4, 1, image, 0, 0, SRCCOPY);
    const COLORREF expected[] = {kWhite, kBlack, kBlack, kWhite};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(mono.bitmap().pixel(x, 0), expected[x]) << x;
}

TEST(Monochrome, BitsBecomeTheDestinationsBackgroundAndTextColours) {
    DeviceContext mono(2, 1, Bitmap::Format::Monochrome);
    mono.bitmap().setPixel(1, 0, kBlack);
    DeviceContext colour(2, 1);
    colour.setBkColor(RGB(10, 20, 30));
    colour.setTextColor(RGB(40, 50, 60));
    BitBlt(colour, 0, 0, 2, 1, mono, 0, 0, SRCCOPY);
    EXPECT_EQ(colour.bitmap().pixel(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(colour.bitmap().pixel(1, 0), RGB(40, 50, 60));
}

TEST(Monochrome, DrawingOnAMonochromeBitmapTakesTheNearerOfBlackAndWhite) {
    DeviceContext mono(2, 1, Bitmap::Format::Monochrome);
    FillRect(mono, {0, 0, 1, 1}, Brush{RGB(255, 192, 203)});
    FillRect(mono, {1, 0, 2, 1}, Brush{RGB(0, 0, 255)});
    EXPECT_EQ(mono.bitmap().pixel(0, 0), kWhite);
    EXPECT_EQ(mono.bitmap().pixel(1, 0), kBlack);
}

// The mask recipe the game uses for every keyed picture: a monochrome copy
// by the key, the mask in colour, its inverse ANDed onto the picture; then
// drawing is mask AND, picture OR.
TEST(Monochrome, MaskRecipeIsExactForEveryKeyColour) {
    const COLORREF keys[] = {kWhite, kBlack, RGB(1, 1, 1), RGB(255, 0, 0), RGB(255, 192, 203)};
    for (const COLORREF key : keys) {
        // Key pixels, near misses of the key and unrelated colours.
        const COLORREF near = key ^ RGB(1, 0, 0);
        const std::vector<COLORREF> pixels = {key,    near,   RGB(12, 34, 56), key,
                                              kWhite, kBlack, RGB(1, 1, 1),    key};
        const int w = static_cast<int>(pixels.size());
        DeviceContext image(w, 1);
        for (int x = 0; x < w; ++x)
            image.bitmap().setPixel(x, 0, pixels[x]);

        const COLORREF oldBk = image.setBkColor(key);
        DeviceContext mono(w, 1, Bitmap::Format::Monochrome);
        BitBlt(mono, 0, 0, w, 1, image, 0, 0, SRCCOPY);
        image.setBkColor(oldBk);
        DeviceContext mask(w, 1);
        BitBlt(mask, 0, 0, w, 1, mono, 0, 0, SRCCOPY);
        DeviceContext inverse(w, 1);
        BitBlt(inverse, 0, 0, w, 1, mask, 0, 0, NOTSRCCOPY);
        BitBlt(image, 0, 0, w, 1, inverse, 0, 0, SRCAND);

        const COLORREF background = RGB(90, 80, 70);
        DeviceContext screen(w, 1);
        screen.bitmap().fill({0, 0, w, 1}, background);
        BitBlt(screen, 0, 0, w, 1, mask, 0, 0, SRCAND);
        BitBlt(screen, 0, 0, w, 1, image, 0, 0, SRCPAINT);

        for (int x = 0; x < w; ++x) {
            const bool isKey = pixels[x] == key;
            EXPECT_EQ(mask.bitmap().pixel(x, 0), isKey ? kWhite : kBlack) << std::hex << key << " at " << x;
            EXPECT_EQ(image.bitmap().pixel(x, 0), isKey ? kBlack : pixels[x])
                << std::hex << key << " at " << x;
            EXPECT_EQ(screen.bitmap().pixel(x, 0), isKey ? background : pixels[x])
                << std::hex << key << " at " << x;
        }
    }
}

TEST(DeviceContext, SelectingAnswersThePreviousObject) {
    DeviceContext dc(2, 2);
    EXPECT_EQ(dc.pen().width, 1);
    EXPECT_EQ(dc.pen().colour, kBlack);
    EXPECT_EQ(dc.brush().colour, kWhite);

    const Pen old = dc.selectPen(Pen{3, RGB(1, 2, 3)});
    EXPECT_EQ(old.width, 1);
    EXPECT_EQ(dc.selectPen(old).colour, RGB(1, 2, 3));

    auto replacement = std::make_unique<Bitmap>(5, 7);
    const Bitmap* raw = replacement.get();
    std::unique_ptr<Bitmap> previous = dc.selectBitmap(std::move(replacement));
    ASSERT_NE(previous, nullptr);
    EXPECT_EQ(previous->width(), 2);
    EXPECT_EQ(&dc.bitmap(), raw);
    EXPECT_EQ(dc.selectBitmap(nullptr), nullptr);
    EXPECT_EQ(&dc.bitmap(), raw);
}
