#include "host/gdi/picture.h"

#include <gtest/gtest.h>

#include <stb_image_write.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
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

std::vector<std::uint8_t> fixture(const char* name) {
    std::ifstream in(std::filesystem::path(QUORVEL_SOURCE_DIR) / "tests/fixtures/pictures" / name,
                     std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

constexpr PictureSize kScreen{800, 600};

} // namespace

TEST(Picture, PngKeepsEveryPixelExactly) {
    const Bitmap original = sample();
    const std::vector<std::uint8_t> png = EncodePng(original);
    const auto decoded = DecodePicture(png, kScreen);
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
    const auto decoded = DecodePicture(EncodeJpeg(flat, 95), kScreen);
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

TEST(Picture, TransparentPixelsBecomeWhiteAndOthersKeepTheirColour) {
    const std::uint8_t rgba[] = {0, 0, 0, 0, 10, 20, 30, 128, 40, 50, 60, 255};
    std::vector<std::uint8_t> png;
    ASSERT_NE(stbi_write_png_to_func(appendTo, &png, 3, 1, 4, rgba, 12), 0);
    const auto decoded = DecodePicture(png, kScreen);
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->pixel(0, 0), kWhite);
    EXPECT_EQ(decoded->pixel(1, 0), RGB(10, 20, 30));
    EXPECT_EQ(decoded->pixel(2, 0), RGB(40, 50, 60));
}

// The header is checked against the largest size before anything is decoded.
TEST(Picture, PicturesLargerThanAskedForAreRefused) {
    const std::vector<std::uint8_t> png = EncodePng(sample());
    const std::vector<std::uint8_t> jpeg = EncodeJpeg(sample(), 90);
    const struct {
        PictureSize largest;
        bool decoded;
    } cases[] = {
        {.largest = {5, 3}, .decoded = true},  {.largest = {800, 600}, .decoded = true},
        {.largest = {4, 3}, .decoded = false}, {.largest = {5, 2}, .decoded = false},
        {.largest = {0, 0}, .decoded = false}, {.largest = {-5, -3}, .decoded = false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.largest.width << "x" << c.largest.height);
        EXPECT_EQ(DecodePicture(png, c.largest) != nullptr, c.decoded);
        EXPECT_EQ(DecodePicture(jpeg, c.largest) != nullptr, c.decoded);
    }
}

// Damaged files and the two crafted ones (a JPEG of 9 bytes whose Huffman
// table claims more codes than there are, a 32 KB PNG claiming 16384 x 16384
// pixels) give nothing, without reading or allocating out of bounds.
TEST(Picture, BytesThatAreNoPictureGiveNothing) {
    const std::vector<std::uint8_t> png = EncodePng(sample());
    const std::vector<std::uint8_t> jpeg = EncodeJpeg(sample(), 90);
    std::vector<std::uint8_t> badCrc = png;
    badCrc[30] ^= 0x01; // the header chunk's checksum
    std::vector<std::uint8_t> bmp = {'B', 'M'};
    bmp.resize(70);
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {.what = "nothing", .bytes = {}},
        {.what = "garbage", .bytes = std::vector<std::uint8_t>(300, 0x5A)},
        {.what = "truncated png",
         .bytes = {png.begin(), png.begin() + static_cast<std::ptrdiff_t>(png.size() / 2)}},
        {.what = "truncated jpeg",
         .bytes = {jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(jpeg.size() - 20)}},
        {.what = "png with a bad checksum", .bytes = badCrc},
        {.what = "signature only", .bytes = {png.begin(), png.begin() + 8}},
        {.what = "not a format we read", .bytes = bmp},
        {.what = "crafted huffman table", .bytes = fixture("crafted_huffman.jpg")},
        {.what = "oversized claim", .bytes = fixture("oversized_claim.png")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DecodePicture(c.bytes, kScreen), nullptr);
    }
    EXPECT_EQ(fixture("crafted_huffman.jpg").size(), 9u);
    EXPECT_GT(fixture("oversized_claim.png").size(), 30000u);
}

// A decoded bitmap is not filled before the decoder writes it: every pixel,
// the last row and column included, must come from the picture. The memory
// is dirtied first (a freed bitmap of the same size; the sanitizer fills
// fresh blocks itself), so a pixel left unwritten shows.
TEST(Picture, EveryPixelComesFromThePictureThoughTheBitmapIsNotFilled) {
    constexpr int kWidth = 37, kHeight = 23; // no whole number of JPEG blocks, under 4 KB
    constexpr COLORREF kFlat = RGB(90, 140, 200);
    constexpr COLORREF kEdge = RGB(10, 220, 30);
    std::vector<std::uint8_t> rgb, greyAlpha;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const bool edge = x == kWidth - 1 || y == kHeight - 1;
            const COLORREF colour = edge ? kEdge : kFlat;
            rgb.insert(rgb.end(), {GetRValue(colour), GetGValue(colour), GetBValue(colour)});
            greyAlpha.insert(greyAlpha.end(),
                             {static_cast<std::uint8_t>(x * 6), edge ? std::uint8_t{0} : std::uint8_t{255}});
        }
    std::vector<std::uint8_t> rgbPng, greyAlphaPng;
    ASSERT_NE(stbi_write_png_to_func(appendTo, &rgbPng, kWidth, kHeight, 3, rgb.data(), kWidth * 3), 0);
    ASSERT_NE(
        stbi_write_png_to_func(appendTo, &greyAlphaPng, kWidth, kHeight, 2, greyAlpha.data(), kWidth * 2), 0);
    Bitmap flat(kWidth, kHeight);
    flat.fill({0, 0, kWidth, kHeight}, kFlat);

    auto rgbPixel = [&](int x, int y) { return x == kWidth - 1 || y == kHeight - 1 ? kEdge : kFlat; };
    auto greyAlphaPixel = [&](int x, int y) {
        const auto grey = static_cast<std::uint8_t>(x * 6);
        return x == kWidth - 1 || y == kHeight - 1 ? kWhite : RGB(grey, grey, grey);
    };
    auto flatPixel = [&](int, int) { return kFlat; };
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::function<COLORREF(int, int)> expected;
        int tolerance;
    } cases[] = {
        {.what = "colour png", .bytes = rgbPng, .expected = rgbPixel, .tolerance = 0},
        {.what = "grey png with transparent edges",
         .bytes = greyAlphaPng,
         .expected = greyAlphaPixel,
         .tolerance = 0},
        {.what = "jpeg", .bytes = EncodeJpeg(flat, 95), .expected = flatPixel, .tolerance = 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        {
            Bitmap stale(kWidth, kHeight);
            for (int y = 0; y < kHeight; ++y)
                std::fill(stale.row(y), stale.row(y) + kWidth, 0x7F0505FAu);
        }
        const auto decoded = DecodePicture(c.bytes, kScreen);
        ASSERT_NE(decoded, nullptr);
        ASSERT_EQ(decoded->width(), kWidth);
        ASSERT_EQ(decoded->height(), kHeight);
        int wrong = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const COLORREF got = decoded->row(y)[x];
                const COLORREF want = c.expected(x, y);
                const bool near = (got >> 24) == 0 &&
                                  std::abs(GetRValue(got) - GetRValue(want)) <= c.tolerance &&
                                  std::abs(GetGValue(got) - GetGValue(want)) <= c.tolerance &&
                                  std::abs(GetBValue(got) - GetBValue(want)) <= c.tolerance;
                if (!near && wrong++ < 3)
                    ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << got;
            }
        EXPECT_EQ(wrong, 0);
    }
}
