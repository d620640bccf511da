#include "tools/assets/budget_table.h"

#include "host/gdi/picture.h"
#include "host/sound/riff.h"
#include "host/sys/paths.h"
#include "platform/assets/asset_table.h"
#include "platform/drawing/byte_range.h"
#include "platform/files/cls_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::vector<std::uint8_t> readData(const char* gamePath) {
    std::ifstream in(host::sys::gamePath(gamePath), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The record's bytes with bytes 4 to 7 restored.
std::vector<std::uint8_t> restored(const std::vector<std::uint8_t>& archive, std::size_t first,
                                   std::size_t size) {
    std::vector<std::uint8_t> record(archive.begin() + static_cast<std::ptrdiff_t>(first),
                                     archive.begin() + static_cast<std::ptrdiff_t>(first + size));
    for (std::size_t i = 4; i < 8; ++i)
        record[i] = static_cast<std::uint8_t>(record[i] - i);
    return record;
}

bool startsWith(const std::vector<std::uint8_t>& bytes, std::string_view magic) {
    return bytes.size() >= magic.size() &&
           std::equal(magic.begin(), magic.end(), bytes.begin(),
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

TEST(AssetArchives, PicturesHaveTheFormatOfTheirKindAndSpritesNoBlack) {
    const auto archive = readData(AssetTable::kImageArchivePath);
    ASSERT_EQ(archive.size(), static_cast<std::size_t>(AssetTable::kImageArchiveSize));
    for (const auto& picture : tools::PictureBudgets()) {
        SCOPED_TRACE(std::string(picture.name));
        const auto record = restored(archive, static_cast<std::size_t>(picture.first), picture.budget);
        EXPECT_TRUE(
            startsWith(record, picture.format == tools::PictureFormat::Jpeg ? "\xFF\xD8\xFF" : "\x89PNG"));
        if (picture.kind != tools::PictureKind::Monster && picture.kind != tools::PictureKind::Unit) continue;
        const auto bitmap = host::gdi::DecodePicture(record, {picture.width, picture.height});
        ASSERT_NE(bitmap, nullptr);
        // Battle sprites are keyed on black as well as on white.
        bool black = false;
        for (int y = 0; y < bitmap->height() && !black; ++y)
            for (int x = 0; x < bitmap->width() && !black; ++x)
                black = bitmap->pixel(x, y) == host::gdi::kBlack;
        EXPECT_FALSE(black);
    }
}

TEST(AssetArchives, SoundsAreOggMusicAndWavEffectsWithinTheirBudgets) {
    const auto archive = readData(AssetTable::kSoundArchivePath);
    ASSERT_EQ(archive.size(), static_cast<std::size_t>(AssetTable::kSoundArchiveSize));
    for (const auto& sound : tools::SoundBudgets()) {
        SCOPED_TRACE(std::string(sound.name));
        const auto record = restored(archive, static_cast<std::size_t>(sound.first), sound.budget);
        if (sound.format == tools::SoundFormat::OggVorbis) {
            EXPECT_TRUE(startsWith(record, "OggS"));
        } else {
            EXPECT_TRUE(host::sound::riffLength(record).has_value());
        }
    }
}

// The title is read whole and decoded as the title screen does it.
TEST(AssetArchives, TitleIsOneScrambledPictureOfTheWholeFile) {
    clsFile file;
    auto title = file.FileReadBinary(AssetTable::kTitlePath);
    ASSERT_TRUE(title.has_value());
    ASSERT_GE(title->size(), 8u);
    const auto picture = CreatePictureFromBytes(*title, 0, static_cast<std::int32_t>(title->size()) - 1, true,
                                                {AssetTable::kTitleWidth, AssetTable::kTitleHeight});
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width(), 800);
    EXPECT_EQ(picture->height(), 600);
}

} // namespace
