#include "host/text/utf.h"
#include "host/text/width.h"

#include <gtest/gtest.h>

using namespace host::text;

namespace {

std::string utf8Of(char32_t codePoint) {
    std::string s;
    appendUtf8(s, codePoint);
    return s;
}

bool allHalfWidthKana(const std::string& s) {
    std::u16string units = utf8ToUtf16(s);
    for (char16_t u : units)
        if (u < 0xFF61 || u > 0xFF9F) return false;
    return !units.empty();
}

TEST(TextWidth, FullWidthAsciiRangeRoundTrips) {
    for (char32_t c = 0xFF01; c <= 0xFF5E; ++c) {
        std::string full = utf8Of(c);
        std::string narrow = toNarrow(full);
        if (c == U'＼' || c == U'～')
            EXPECT_EQ(narrow, full);
        else
            EXPECT_EQ(narrow, std::string(1, static_cast<char>(c - 0xFEE0))) << full;
        EXPECT_EQ(toWide(narrow), full) << full;
    }
}

TEST(TextWidth, KatakanaWithHalfWidthFormRoundTrips) {
    const std::u32string withoutHalfWidth = U"ヮヰヱヵヶヷヸヹヺ";
    for (char32_t c = U'ァ'; c <= U'ー'; ++c) {
        std::string full = utf8Of(c);
        std::string narrow = toNarrow(full);
        if (withoutHalfWidth.find(c) != std::u32string::npos) {
            EXPECT_EQ(narrow, full);
            continue;
        }
        EXPECT_TRUE(allHalfWidthKana(narrow)) << full << " -> " << narrow;
        EXPECT_EQ(toWide(narrow), full) << full;
    }
}

TEST(TextWidth, Narrow) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"ガパヴ", "ｶﾞﾊﾟｳﾞ"},
        {"ヂヅボポ", "ﾁﾞﾂﾞﾎﾞﾎﾟ"},
        {"。「」、・ー゛゜", "｡｢｣､･ｰﾞﾟ"},
        {"ァィゥェォャュョッヲン", "ｧｨｩｪｫｬｭｮｯｦﾝ"},
        {"ＡＢｃ１２３！　＠", "ABc123! @"},
        {"＼～￥¥\\~", "＼～￥¥\\~"},
        {"ひらがな漢字ヰヱヮヵヶ😀", "ひらがな漢字ヰヱヮヵヶ😀"},
        {"ｶﾞ abc", "ｶﾞ abc"},
        {std::string("Ａ\0Ｂ", 7), std::string("A\0B", 3)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(toNarrow(c.in), c.out) << c.in;
}

TEST(TextWidth, Wide) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"ｶﾞﾊﾟｳﾞ", "ガパヴ"},
        {"ﾎﾞﾎﾟﾁﾞ", "ボポヂ"},
        {"｡｢｣､･ｰﾞﾟ", "。「」、・ー゛゜"},
        {"ｱﾞｶﾟﾝﾞ", "ア゛カ゜ン゛"}, // the kana cannot take the mark
        {"ﾞｶﾞﾞ", "゛ガ゛"},         // only the first mark joins
        {"aﾞ カﾞ", "ａ゛　カ゛"},   // a full-width kana is not joined
        {"ABc123! @", "ＡＢｃ１２３！　＠"},
        {"\\~¥", "\\~¥"},
        {"ひらがな漢字", "ひらがな漢字"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(toWide(c.in), c.out) << c.in;
}

} // namespace
