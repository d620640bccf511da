#include "host/gdi/text_layout.h"

#include "host/text/utf.h"

#include <gtest/gtest.h>

using namespace host::gdi;

namespace {

std::string textOf(const TextLine& line) {
    std::string out;
    for (const auto& c : line.characters)
        host::text::appendUtf8(out, c.code);
    return out;
}

std::vector<std::string> lines(const Font& font, const std::string& text, TextLayoutOptions options) {
    std::vector<std::string> out;
    for (const auto& line : layoutText(font, text, options))
        out.push_back(textOf(line));
    return out;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(TextLayout, LineBreaks) {
    const auto font = CreateFontIndirect({16, 0, ""});
    const struct {
        const char* text;
        bool singleLine;
        Lines expected;
    } cases[] = {
        {"", false, {""}},
        {"abc", false, {"abc"}},
        {"a\r\nb", false, {"a", "b"}},
        {"a\rb\nc", false, {"a", "b", "c"}},
        {"a\r\n", false, {"a"}}, // a break at the end adds no line
        {"a\r\n\r\n", false, {"a", ""}},
        {"\r\n", false, {""}},
        {"a\n\nb", false, {"a", "", "b"}},
        {"a\r\nb", true, {"a\r\nb"}}, // one line; CR and LF take no space
    };
    for (const auto& c : cases)
        EXPECT_EQ(lines(*font, c.text, {c.singleLine, false, 0}), c.expected) << c.text;
}

TEST(TextLayout, AmpersandUnderlinesTheNextCharacterAndDoubledIsLiteral) {
    const auto font = CreateFontIndirect({16, 0, ""});
    const struct {
        const char* text;
        const char* shown;
        int underlined; // index into the shown text, -1 for none
    } cases[] = {
        {"&File", "File", 0}, {"Save && Quit", "Save & Quit", -1}, {"a&&&b", "a&b", 2}, {"end&", "end", -1},
        {"&学園", "学園", 0},
    };
    for (const auto& c : cases) {
        const auto laid = layoutText(*font, c.text, {});
        ASSERT_EQ(laid.size(), 1u);
        EXPECT_EQ(textOf(laid[0]), c.shown) << c.text;
        int underlined = -1;
        for (std::size_t i = 0; i < laid[0].characters.size(); ++i)
            if (laid[0].characters[i].underlined) underlined = static_cast<int>(i);
        EXPECT_EQ(underlined, c.underlined) << c.text;
    }
    EXPECT_EQ(layoutText(*font, "&&", {})[0].width, font->glyph(U'&').advance);
    EXPECT_EQ(layoutText(*font, "&a", {})[0].width, font->glyph(U'a').advance);
}

TEST(TextLayout, WordBreakWrapsCjkAnywhereLatinAtSpacesAndSplitsOverlongWords) {
    // The fixed face at an even em: a full-width character is two half-width ones wide.
    const auto font = CreateFontIndirect({-16, 0, "ＭＳ ゴシック"});
    const int half = font->glyph(U'a').advance;
    const struct {
        const char* text;
        int halves; // wrap width in half-width characters
        Lines expected;
    } cases[] = {
        {"日本語のテキスト", 6, {"日本語", "のテキ", "スト"}},
        {"日本語のテキスト", 7, {"日本語", "のテキ", "スト"}}, // no partial character
        {"aaa bbb ccc", 7, {"aaa bbb", "ccc"}},
        {"aaa bbb ccc", 8, {"aaa bbb", "ccc"}},
        {"aaa bbb ccc", 6, {"aaa", "bbb", "ccc"}},
        {"aaa    bbb", 5, {"aaa", "bbb"}}, // the spaces at a wrap are dropped
        {"abcdefghij", 4, {"abcd", "efgh", "ij"}},
        {"ab cdefghij", 4, {"ab", "cdef", "ghij"}},
        {"abc日本", 4, {"abc", "日本"}}, // a break next to a CJK character
        {"日abcdef", 4, {"日", "abcd", "ef"}},
        {"生徒Ａは、Quorvel学園へ", 8, {"生徒Ａは", "、", "Quorvel", "学園へ"}},
        {"  indent", 20, {"  indent"}},
        {"学", 0, {"学"}}, // at least one character per line
        {"a\r\n\r\nbb cc", 3, {"a", "", "bb", "cc"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lines(*font, c.text, {false, true, c.halves * half}), c.expected)
            << c.text << " in " << c.halves;
}

TEST(TextLayout, WrappedLineWidthLeavesTrailingSpacesOut) {
    const auto font = CreateFontIndirect({16, 0, "ＭＳ ゴシック"});
    const int half = font->glyph(U'a').advance;
    const auto laid = layoutText(*font, "aaa bbb", {false, true, 5 * half});
    ASSERT_EQ(laid.size(), 2u);
    EXPECT_EQ(laid[0].width, 3 * half);
    EXPECT_EQ(laid[1].width, 3 * half);
}

TEST(TextLayout, SingleLineIgnoresWordBreak) {
    const auto font = CreateFontIndirect({16, 0, ""});
    EXPECT_EQ(lines(*font, "aaa bbb ccc", {true, true, 1}), Lines{"aaa bbb ccc"});
}
