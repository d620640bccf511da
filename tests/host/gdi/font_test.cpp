#include "host/gdi/font.h"
#include "host/runtime/rounding.h"

#include <gtest/gtest.h>

using namespace host::gdi;

TEST(Font, FaceNamesMapToTheTwoGothicFiles) {
    const struct {
        const char* name;
        FontFace face;
    } cases[] = {
        {"ＭＳ ゴシック", FontFace::FixedGothic},
        {"MS ｺﾞｼｯｸ", FontFace::FixedGothic},      // width-insensitive
        {"ｍｓ ゴシック", FontFace::FixedGothic}, // case-insensitive
        {"ＭＳ Ｐゴシック", FontFace::ProportionalGothic},
        {"MS UI Gothic", FontFace::ProportionalGothic},
        {"", FontFace::ProportionalGothic},
        {"Arial", FontFace::ProportionalGothic},
        {"ＭＳ ゴシック体", FontFace::ProportionalGothic},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchFace(c.name), c.face) << c.name;
}

TEST(Font, PositiveHeightIsTheCellNegativeTheCharacter) {
    // Point sizes as the controls turn them into pixels.
    for (int pt : {8, 9, 12, 13, 14, 16, 24, 72}) {
        const int pixels = host::runtime::MulDiv(pt, kLogPixelsY, 72);
        const auto cell = CreateFontIndirect({pixels, 0, "ＭＳ Ｐゴシック"});
        EXPECT_EQ(cell->height(), pixels) << pt;
        EXPECT_EQ(cell->ascent() + cell->descent(), pixels);
        // The character height leaves the internal leading out, so its cell is taller.
        const auto character = CreateFontIndirect({-pixels, 0, "ＭＳ Ｐゴシック"});
        EXPECT_GT(character->height(), pixels) << pt;
        EXPECT_GE(character->glyph(U'国').advance, pixels - 1) << pt;
    }
    EXPECT_EQ(host::runtime::MulDiv(12, kLogPixelsY, 72), 16);
    EXPECT_EQ(CreateFontIndirect({0, 0, ""})->height(), 16);
}

TEST(Font, SameRequestSharesOneFontAndItsGlyphs) {
    const auto a = CreateFontIndirect({16, 0, "ＭＳ Ｐゴシック"});
    const auto b = CreateFontIndirect({16, 0, "ms ui gothic"});
    EXPECT_EQ(a.get(), b.get());
    EXPECT_EQ(&a->glyph(U'学'), &b->glyph(U'学'));
    EXPECT_NE(a.get(), CreateFontIndirect({16, FW_BOLD, "ＭＳ Ｐゴシック"}).get());
    EXPECT_NE(a.get(), CreateFontIndirect({16, 0, "ＭＳ ゴシック"}).get());
}

TEST(Font, FixedFaceHasHalfAndFullWidthsProportionalFaceDoesNot) {
    // An even em, so half widths are exact halves.
    const auto fixed = CreateFontIndirect({-16, 0, "ＭＳ ゴシック"});
    const int full = fixed->glyph(U'学').advance;
    for (char32_t c : {U'あ', U'ア', U'Ｗ', U'。'})
        EXPECT_EQ(fixed->glyph(c).advance, full);
    for (char32_t c : {U'i', U'W', U'1', U' '})
        EXPECT_EQ(fixed->glyph(c).advance * 2, full) << static_cast<int>(c);

    const auto proportional = CreateFontIndirect({16, 0, "ＭＳ Ｐゴシック"});
    EXPECT_LT(proportional->glyph(U'i').advance, proportional->glyph(U'W').advance);
}

TEST(Font, BoldDrawsEachGlyphOnePixelWiderWithMoreInk) {
    const auto regular = CreateFontIndirect({16, FW_NORMAL, ""});
    const auto bold = CreateFontIndirect({16, FW_BOLD, ""});
    for (char32_t c : {U'学', U'A', U'l'}) {
        const Glyph& r = regular->glyph(c);
        const Glyph& b = bold->glyph(c);
        EXPECT_EQ(b.advance, r.advance + 1);
        int inkR = 0, inkB = 0;
        for (auto v : r.ink)
            inkR += v;
        for (auto v : b.ink)
            inkB += v;
        EXPECT_GT(inkB, inkR);
    }
}

TEST(Font, ControlCharactersTakeNoSpace) {
    const auto font = CreateFontIndirect({16, 0, ""});
    for (char32_t c : {U'\r', U'\n', U'\t', U'\0'}) {
        EXPECT_EQ(font->glyph(c).advance, 0);
        EXPECT_TRUE(font->glyph(c).ink.empty());
    }
}
