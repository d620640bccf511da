#include "content/pictures/archive_pictures.h"

#include "tools/assets/picture_generators.h"

#include "host/gdi/color.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <string>

namespace {

using host::gdi::Bitmap;
using host::gdi::COLORREF;
using host::gdi::kWhite;
using tools::PictureKind;

bool masked(PictureKind kind) {
    return kind != PictureKind::Background;
}

// Fraction of the rectangle's pixels that are not the white key.
double coverage(const Bitmap& bitmap, int x0, int y0, int w, int h) {
    int visible = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            visible += bitmap.pixel(x, y) != kWhite;
    return double(visible) / (w * h);
}

TEST(PictureContent, EveryPictureDecodesAtItsRecordSize) {
    for (const auto& picture : ArchivePictures()) {
        SCOPED_TRACE(std::string(picture.budget().name));
        ASSERT_NE(picture.bitmap(), nullptr);
        EXPECT_EQ(picture.bitmap()->width(), picture.budget().width);
        EXPECT_EQ(picture.bitmap()->height(), picture.budget().height);
    }
}

// The loader keys masks on pure white. A colour a hair away from white (an
// anti-aliased edge, a highlight) would show as a pale fringe, so masked
// pictures hold white where transparent and nothing close to it elsewhere.
TEST(PictureContent, MaskedPicturesHoldNoNearWhite) {
    for (const auto& picture : ArchivePictures()) {
        if (!masked(picture.budget().kind)) continue;
        SCOPED_TRACE(std::string(picture.budget().name));
        ASSERT_NE(picture.bitmap(), nullptr);
        const Bitmap& bitmap = *picture.bitmap();
        int nearWhite = 0;
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x) {
                const COLORREF c = bitmap.pixel(x, y);
                nearWhite += c != kWhite && host::gdi::GetRValue(c) > 244 && host::gdi::GetGValue(c) > 244 &&
                             host::gdi::GetBValue(c) > 244;
            }
        EXPECT_EQ(nearWhite, 0);
    }
}

// Every frame of an animation shows something, and the frames differ.
TEST(PictureContent, EffectFramesAreAnAnimation) {
    for (const auto& picture : ArchivePictures()) {
        const auto& record = picture.budget();
        if (record.kind != PictureKind::Effect) continue;
        SCOPED_TRACE(std::string(record.name));
        ASSERT_NE(picture.bitmap(), nullptr);
        const int w = record.frameWidth(), h = record.frameHeight();
        std::set<std::vector<COLORREF>> frames;
        for (int i = 0; i < record.frames; ++i) {
            const int x0 = record.layout == tools::FrameLayout::Horizontal ? i * w : 0;
            const int y0 = record.layout == tools::FrameLayout::Vertical ? i * h : 0;
            EXPECT_GT(coverage(*picture.bitmap(), x0, y0, w, h), 0.01) << "frame " << i;
            std::vector<COLORREF> pixels;
            for (int y = y0; y < y0 + h; ++y)
                for (int x = x0; x < x0 + w; ++x)
                    pixels.push_back(picture.bitmap()->pixel(x, y));
            frames.insert(pixels);
        }
        EXPECT_EQ(frames.size(), static_cast<std::size_t>(record.frames));
    }
}

// A creature stands out from its transparent ground without filling the
// square, and no two monsters look alike: their pictures, shrunk to 8 x 8
// cells of mean colour (transparency as a colour of its own), differ.
TEST(PictureContent, MonstersAreDistinctFiguresOnATransparentGround) {
    using Signature = std::array<double, 8 * 8 * 4>;
    std::vector<std::pair<std::string, Signature>> signatures;
    for (const auto& picture : ArchivePictures()) {
        if (picture.budget().kind != PictureKind::Monster) continue;
        SCOPED_TRACE(std::string(picture.budget().name));
        ASSERT_NE(picture.bitmap(), nullptr);
        const Bitmap& bitmap = *picture.bitmap();
        const double share = coverage(bitmap, 0, 0, bitmap.width(), bitmap.height());
        EXPECT_GT(share, 0.15);
        EXPECT_LT(share, 0.9);
        Signature signature{};
        std::array<int, 64> counts{};
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x) {
                const int cell = (y * 8 / bitmap.height()) * 8 + x * 8 / bitmap.width();
                const COLORREF c = bitmap.pixel(x, y);
                const bool clear = c == kWhite;
                signature[cell * 4] += clear ? 0 : host::gdi::GetRValue(c);
                signature[cell * 4 + 1] += clear ? 0 : host::gdi::GetGValue(c);
                signature[cell * 4 + 2] += clear ? 0 : host::gdi::GetBValue(c);
                signature[cell * 4 + 3] += clear ? 255 : 0;
                ++counts[cell];
            }
        for (std::size_t i = 0; i < signature.size(); ++i)
            signature[i] /= counts[i / 4];
        signatures.push_back({std::string(picture.budget().name), signature});
    }
    ASSERT_EQ(signatures.size(), 87u);
    for (std::size_t a = 0; a < signatures.size(); ++a)
        for (std::size_t b = a + 1; b < signatures.size(); ++b) {
            double distance = 0;
            for (std::size_t i = 0; i < signatures[a].second.size(); ++i)
                distance += std::abs(signatures[a].second[i] - signatures[b].second[i]);
            EXPECT_GT(distance / signatures[a].second.size(), 6.0)
                << signatures[a].first << " and " << signatures[b].first;
        }
}

// The two pictures of a unit type are one soldier facing either way.
TEST(PictureContent, UnitPicturesOfBothSidesAreMirrorImages) {
    const auto& pictures = ArchivePictures();
    const auto find = [&](std::string_view name) -> const Bitmap& {
        for (const auto& picture : pictures)
            if (picture.budget().name == name && picture.bitmap()) return *picture.bitmap();
        throw std::runtime_error("no picture " + std::string(name));
    };
    for (const char* arm : {"剣士", "槍兵", "弓兵", "騎兵"}) {
        SCOPED_TRACE(arm);
        const Bitmap& left = find(std::string(arm) + "左");
        const Bitmap& right = find(std::string(arm) + "右");
        EXPECT_GT(coverage(left, 0, 0, left.width(), left.height()), 0.2);
        int differ = 0;
        for (int y = 0; y < left.height(); ++y)
            for (int x = 0; x < left.width(); ++x)
                differ += left.pixel(x, y) != right.pixel(left.width() - 1 - x, y);
        EXPECT_EQ(differ, 0);
    }
}

// A scene, not a wash of colour: the brightness varies, and objects stand
// out with sharp edges.
TEST(PictureContent, BackgroundsAreDetailedScenes) {
    const auto luma = [](COLORREF c) {
        return 0.3 * host::gdi::GetRValue(c) + 0.59 * host::gdi::GetGValue(c) +
               0.11 * host::gdi::GetBValue(c);
    };
    for (const auto& picture : ArchivePictures()) {
        if (picture.budget().kind != PictureKind::Background) continue;
        SCOPED_TRACE(std::string(picture.budget().name));
        ASSERT_NE(picture.bitmap(), nullptr);
        const Bitmap& bitmap = *picture.bitmap();
        double sum = 0, squares = 0;
        int edges = 0;
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x + 1 < bitmap.width(); ++x) {
                const double l = luma(bitmap.pixel(x, y));
                sum += l;
                squares += l * l;
                edges += std::abs(l - luma(bitmap.pixel(x + 1, y))) > 24;
            }
        const double n = (bitmap.width() - 1.0) * bitmap.height();
        EXPECT_GT(std::sqrt(squares / n - (sum / n) * (sum / n)), 12.0);
        EXPECT_GT(edges / n, 0.001);
    }
}

// What the build packed is what the generators draw now, in this process:
// nothing depends on time, addresses or the order of generation. Every
// fourth record, which takes in every kind.
TEST(PictureContent, GenerationIsDeterministic) {
    const auto& budgets = tools::PictureBudgets();
    for (std::size_t i = 0; i < budgets.size(); i += 4) {
        const auto& budget = budgets[i];
        SCOPED_TRACE(std::string(budget.name));
        const auto generated = tools::GeneratePicture(budget);
        const auto packed = ArchiveRecord(budget);
        ASSERT_LE(generated.size(), packed.size());
        EXPECT_TRUE(std::equal(generated.begin(), generated.end(), packed.begin()));
    }
    EXPECT_EQ(tools::GenerateTitle(), TitleRecord());
}

} // namespace
