#include "platform/drawing/byte_range.h"

#include "host/gdi/picture.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;
constexpr host::gdi::PictureSize kLargest{800, 600};
using host::runtime::ErrorNumber;
using testsupport::errorOf;

TEST(GetByteRange, RestoresBytesFourToSevenOfTheRecordInTheSourceArray) {
    // A record at index 2: its bytes 4..7 are stored as 3, 5, 6, 200.
    Bytes archive{9, 9, 10, 11, 12, 13, 3, 5, 6, 200, 14, 15, 9};
    const Bytes record = GetByteRange(archive, 2, 11, true);
    EXPECT_EQ(record, (Bytes{10, 11, 12, 13, 255, 0, 0, 193, 14, 15}));
    EXPECT_EQ(archive, (Bytes{9, 9, 10, 11, 12, 13, 255, 0, 0, 193, 14, 15, 9}));

    // Without restoring the copy is exact and the array unchanged.
    Bytes plain{1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(GetByteRange(plain, 3, 8, false), (Bytes{4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(plain, (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(GetByteRange, ShortRecordRestoresOnlyItsOwnBytes) {
    // Bytes past the record's end belong to the next record.
    Bytes archive{0, 0, 0, 0, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(GetByteRange(archive, 0, 5, true), (Bytes{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(archive, (Bytes{0, 0, 0, 0, 0, 0, 6, 7, 8, 9}));
}

TEST(GetByteRange, RangeOutsideTheArrayIsSubscriptErrorAndChangesNothing) {
    const struct { std::int32_t first, last; } cases[] = {{-1, 5}, {0, 10}, {5, 3}, {10, 10}, {0, -1}};
    for (const auto& c : cases) {
        Bytes archive{1, 2, 3, 4, 10, 11, 12, 13, 5, 6};
        const Bytes before = archive;
        EXPECT_EQ(errorOf([&] { GetByteRange(archive, c.first, c.last, true); }),
                  ErrorNumber::SubscriptOutOfRange)
            << c.first << ".." << c.last;
        EXPECT_EQ(errorOf([&] { CreatePictureFromBytes(archive, c.first, c.last, true, kLargest); }),
                  ErrorNumber::SubscriptOutOfRange);
        EXPECT_EQ(archive, before);
    }
}

TEST(CreatePictureFromBytes, DecodesAScrambledRecordInsideAnArchive) {
    host::gdi::Bitmap picture(3, 2);
    picture.setPixel(1, 1, host::gdi::RGB(200, 10, 30));
    const Bytes png = host::gdi::EncodePng(picture);
    Bytes stored = png;
    for (int i = 4; i <= 7; ++i)
        stored[i] = static_cast<std::uint8_t>(stored[i] + i);

    Bytes archive{7, 7, 7};
    archive.insert(archive.end(), stored.begin(), stored.end());
    archive.push_back(7);
    const auto last = static_cast<std::int32_t>(2 + png.size());

    Bytes untouched = archive;
    EXPECT_EQ(CreatePictureFromBytes(untouched, 3, last, false, kLargest), nullptr); // still scrambled

    // Bigger than the caller expects: refused, though restored all the same.
    Bytes tooBig = archive;
    EXPECT_EQ(CreatePictureFromBytes(tooBig, 3, last, true, {3, 1}), nullptr);
    EXPECT_TRUE(std::equal(png.begin(), png.end(), tooBig.begin() + 3));

    const auto decoded = CreatePictureFromBytes(archive, 3, last, true, {3, 2});
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->width(), 3);
    EXPECT_EQ(decoded->height(), 2);
    EXPECT_EQ(decoded->pixel(1, 1), host::gdi::RGB(200, 10, 30));
    EXPECT_TRUE(std::equal(png.begin(), png.end(), archive.begin() + 3));
}

TEST(CreatePictureFromBytes, BytesThatAreNoPictureGiveNone) {
    Bytes junk(100, 0x5A);
    EXPECT_EQ(CreatePictureFromBytes(junk, 0, 99, true, kLargest), nullptr);
    EXPECT_EQ(CreatePictureFromBytes(junk, 10, 10, false, kLargest), nullptr);
}
