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
        {"生徒Ａは、Quorvel学園へ", 8, {"生徒Ａ", "は、", "Quorvel", "学園へ"}},
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

TEST(TextLayout, JapaneseLinesStartWithNoClosingMarkAndEndWithNoOpeningBracket) {
    const auto font = CreateFontIndirect({-16, 0, "ＭＳ ゴシック"});
    const int half = font->glyph(U'a').advance;
    const struct {
        const char* what;
        const char* text;
        int halves; // wrap width in half-width characters
        Lines expected;
    } cases[] = {
        {"full stop", "あいう。えお", 6, {"あい", "う。え", "お"}},
        {"comma", "あいう、え", 6, {"あい", "う、え"}},
        {"closing bracket", "あいう」え", 6, {"あい", "う」え"}},
        {"closing double bracket", "あいう』え", 6, {"あい", "う』え"}},
        {"full-width closing parenthesis", "あいう）え", 6, {"あい", "う）え"}},
        {"middle dot", "アイウ・エ", 6, {"アイ", "ウ・エ"}},
        {"long-vowel mark", "アイウーエ", 6, {"アイ", "ウーエ"}},
        {"small tsu", "あいうっえ", 6, {"あい", "うっえ"}},
        {"small katakana ya", "アイウャエ", 6, {"アイ", "ウャエ"}},
        {"exclamation mark", "あいう！え", 6, {"あい", "う！え"}},
        {"question mark", "あいう？え", 6, {"あい", "う？え"}},
        {"half-width full stop", "あいう｡え", 6, {"あい", "う｡え"}},
        {"half-width closing bracket", "あいう｣え", 6, {"あい", "う｣え"}},
        {"ASCII exclamation mark", "あいう!え", 6, {"あい", "う!え"}},
        {"ASCII closing parenthesis", "あいう)え", 6, {"あい", "う)え"}},
        {"two closing marks in a row", "あいう」。え", 6, {"あい", "う」。", "え"}},
        {"opening bracket", "あい「うえ", 6, {"あい", "「うえ"}},
        {"full-width opening parenthesis", "あい（うえ", 6, {"あい", "（うえ"}},
        {"ASCII opening parenthesis", "あい(うえ", 6, {"あい", "(うえ"}},
        {"half-width opening bracket", "あい｢うえ", 6, {"あい", "｢うえ"}},
        {"marks of a quote kept with their neighbours", "彼は「はい。」と", 8, {"彼は「は", "い。」と"}},
        {"a run with no allowed break still wraps", "ーーーーー", 4, {"ーー", "ーー", "ー"}},
        {"ordinary characters still break anywhere", "あいうえお", 6, {"あいう", "えお"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lines(*font, c.text, {false, true, c.halves * half}), c.expected) << c.what;
}

TEST(TextLayout, NoWrappedLineOfAReportStartsWithAClosingMarkAtAnyWidth) {
    const auto font = CreateFontIndirect({12, 0, "ＭＳ Ｐゴシック"});
    const std::string report = "本日の授業は「剣術基礎」でした。生徒たちは、よく頑張りました！"
                               "次回は（予定通り）ミルトナ騎士団との練習試合です。"
                               "チャレンジャー精神を忘れずに、しっかり準備しましょう？"
                               "ショップ・アイテム『ポーション』を買っておくこと。";
    const std::u32string noStart = U"。、」』）！？ーっゃャョッ・";
    const std::u32string noEnd = U"「『（";
    for (int width = 60; width <= 400; ++width) { // wider than the longest run without a break
        const auto laid = layoutText(*font, report, {false, true, width});
        ASSERT_GT(laid.size(), 1u);
        std::string joined;
        for (std::size_t i = 0; i < laid.size(); ++i) {
            const auto& line = laid[i].characters;
            ASSERT_FALSE(line.empty()) << "width " << width;
            if (i > 0) {
                EXPECT_EQ(noStart.find(line.front().code), std::u32string::npos) << "width " << width;
            }
            if (i + 1 < laid.size()) {
                EXPECT_EQ(noEnd.find(line.back().code), std::u32string::npos) << "width " << width;
            }
            EXPECT_LE(laid[i].width, width) << "width " << width;
            joined += textOf(laid[i]);
        }
        EXPECT_EQ(joined, report) << "width " << width; // nothing lost or repeated
    }
}
