#include "host/gdi/picture.h"

#include <gtest/gtest.h>

#include <stb_image_write.h>

#include <cstdlib>
#include <vector>

using namespace host::gdi;

namespace {

Bitmap sample() {
    Bitmap b(5, 3);
    const COLORREF colours[] = {kWhite, kBlack, RGB(255, 192, 203), RGB(1, 1, 1), RGB(12, 200, 99)};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            b.setPixel(x, y, colours[(x + y) % 5]);
    return b;
}

void appendTo(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    out->insert(out->end(), static_cast<std::uint8_t*>(data), static_cast<std::uint8_t*>(data) + size);
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

} // namespace

TEST(Picture, PngKeepsEveryPixelExactly) {
    const Bitmap original = sample();
    const std::vector<std::uint8_t> png = EncodePng(original);
    const auto decoded = DecodePicture(png);
    ASSERT_NE(decoded, nullptr);
    ASSERT_EQ(decoded->width(), 5);
    ASSERT_EQ(decoded->height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(decoded->pixel(x, y), original.pixel(x, y)) << x << "," << y;
}

TEST(Picture, JpegKeepsSizeAndFlatColoursClosely) {
    Bitmap flat(16, 8);
    flat.fill({0, 0, 8, 8}, RGB(200, 40, 40));
    flat.fill({8, 0, 16, 8}, RGB(30, 60, 220));
    const auto decoded = DecodePicture(EncodeJpeg(flat, 95));
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->width(), 16);
    EXPECT_EQ(decoded->height(), 8);
    auto near = [](COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) <= 8 && std::abs(GetGValue(a) - GetGValue(b)) <= 8 &&
               std::abs(GetBValue(a) - GetBValue(b)) <= 8;
    };
    EXPECT_TRUE(near(decoded->pixel(2, 3), RGB(200, 40, 40)));
    EXPECT_TRUE(near(decoded->pixel(13, 4), RGB(30, 60, 220)));
}

TEST(Picture, BmpRowsAreStoredBottomUp) {
    // A 2x2 24-bit file: bottom row red, blue; top row green, white.
    std::vector<std::uint8_t> bmp = {'B', 'M'};
    put32(bmp, 54 + 16);
    put32(bmp, 0);
    put32(bmp, 54);
    put32(bmp, 40);
    put32(bmp, 2);
    put32(bmp, 2);
    bmp.insert(bmp.end(), {1, 0, 24, 0});
    put32(bmp, 0);
    put32(bmp, 16);
    put32(bmp, 2835);
    put32(bmp, 2835);
    put32(bmp, 0);
    put32(bmp, 0);
    bmp.insert(bmp.end(), {0, 0, 255, 255, 0, 0, 0, 0}); // B, G, R per pixel, padded to 8
    bmp.insert(bmp.end(), {0, 255, 0, 255, 255, 255, 0, 0});
    const auto decoded = DecodePicture(bmp);
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->pixel(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(decoded->pixel(1, 0), kWhite);
    EXPECT_EQ(decoded->pixel(0, 1), RGB(255, 0, 0));
    EXPECT_EQ(decoded->pixel(1, 1), RGB(0, 0, 255));
}

TEST(Picture, GifTakesItsPaletteColours) {
    // 2x1, palette red and blue, pixels 0 and 1.
    const std::vector<std::uint8_t> gif = {'G', 'I',  'F', '8', '9', 'a', 2,    0,    1,    0, 0x80, 0,
                                           0,   0xFF, 0,   0,   0,   0,   0xFF, 0x2C, 0,    0, 0,    0,
                                           2,   0,    1,   0,   0,   2,   2,    0x44, 0x0A, 0, 0x3B};
    const auto decoded = DecodePicture(gif);
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->width(), 2);
    EXPECT_EQ(decoded->pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(decoded->pixel(1, 0), RGB(0, 0, 255));
}

TEST(Picture, TransparentPixelsBecomeWhiteAndOthersKeepTheirColour) {
    const std::uint8_t rgba[] = {0, 0, 0, 0, 10, 20, 30, 128, 40, 50, 60, 255};
    std::vector<std::uint8_t> png;
    ASSERT_NE(stbi_write_png_to_func(appendTo, &png, 3, 1, 4, rgba, 12), 0);
    const auto decoded = DecodePicture(png);
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->pixel(0, 0), kWhite);
    EXPECT_EQ(decoded->pixel(1, 0), RGB(10, 20, 30));
    EXPECT_EQ(decoded->pixel(2, 0), RGB(40, 50, 60));
}

TEST(Picture, BytesThatAreNoPictureGiveNothing) {
    const std::vector<std::uint8_t> png = EncodePng(sample());
    const std::vector<std::uint8_t> truncated(png.begin(), png.begin() + png.size() / 2);
    const std::vector<std::uint8_t> garbage(300, 0x5A);
    EXPECT_EQ(DecodePicture({}), nullptr);
    EXPECT_EQ(DecodePicture(truncated), nullptr);
    EXPECT_EQ(DecodePicture(garbage), nullptr);
}
