#include "host/gdi/text_layout.h"

#include "host/text/utf.h"

#include <string_view>

namespace host::gdi {
namespace {

using Paragraph = std::vector<TextCharacter>;

// CJK text may break between any two characters (half-width katakana aside).
bool isWide(char32_t c) {
    return c >= 0x2E80 && !(c >= 0xFF61 && c <= 0xFF9F);
}

bool isIn(char32_t c, std::u32string_view set) {
    return set.find(c) != std::u32string_view::npos;
}

// Marks that never start a line: closing brackets and quotes, stops and
// commas, the middle dot, the long-vowel, iteration and sound marks, small
// kana, exclamation and question marks (full-width, half-width and ASCII).
bool mayNotStartLine(char32_t c) {
    static constexpr std::u32string_view kClosing = U")]}’”〉》」』】〕〗〙）］｝｣";
    static constexpr std::u32string_view kMarks = U"!?,.:;‼⁇⁈⁉、。・ー゛゜ゝゞヽヾ々〻！？，．：；｡､･ｰﾞﾟ";
    static constexpr std::u32string_view kSmallKana =
        U"ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶｧｨｩｪｫｬｭｮｯ";
    constexpr char32_t kSmallKatakanaExtFirst = 0x31F0, kSmallKatakanaExtLast = 0x31FF;
    return isIn(c, kClosing) || isIn(c, kMarks) || isIn(c, kSmallKana) ||
           (c >= kSmallKatakanaExtFirst && c <= kSmallKatakanaExtLast);
}

// Opening brackets and quotes never end a line.
bool mayNotEndLine(char32_t c) {
    static constexpr std::u32string_view kOpening = U"([{‘“〈《「『【〔〖〘（［｛｢";
    return isIn(c, kOpening);
}

bool canBreakBetween(char32_t before, char32_t after) {
    if (mayNotStartLine(after) || mayNotEndLine(before)) return false;
    return before == U' ' || isWide(before) || isWide(after);
}

std::vector<Paragraph> splitParagraphs(std::string_view text, bool singleLine) {
    std::vector<Paragraph> paragraphs(1);
    bool underlineNext = false;
    bool endsWithBreak = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t c = text::nextCodePoint(text, pos);
        endsWithBreak = false;
        if (!singleLine && (c == U'\r' || c == U'\n')) {
            if (c == U'\r' && pos < text.size() && text[pos] == '\n') ++pos;
            paragraphs.emplace_back();
            underlineNext = false;
            endsWithBreak = true;
            continue;
        }
        if (c == U'&' && !underlineNext) {
            underlineNext = true;
            continue;
        }
        paragraphs.back().push_back({c, underlineNext && c != U'&'});
        underlineNext = false;
    }
    if (endsWithBreak) paragraphs.pop_back();
    return paragraphs;
}

int widthOf(const Font& font, const Paragraph& p, std::size_t begin, std::size_t end) {
    int width = 0;
    for (std::size_t i = begin; i < end; ++i)
        width += font.glyph(p[i].code).advance;
    return width;
}

TextLine makeLine(const Font& font, const Paragraph& p, std::size_t begin, std::size_t end) {
    TextLine line;
    line.characters.assign(p.begin() + static_cast<std::ptrdiff_t>(begin),
                           p.begin() + static_cast<std::ptrdiff_t>(end));
    line.width = widthOf(font, p, begin, end);
    return line;
}

void wrapParagraph(const Font& font, const Paragraph& p, int wrapWidth, std::vector<TextLine>& out) {
    std::size_t start = 0;
    do {
        int width = 0;
        std::size_t i = start;
        std::size_t lastBreak = start;
        while (i < p.size()) {
            const int advance = font.glyph(p[i].code).advance;
            if (i > start && width + advance > wrapWidth) break;
            width += advance;
            ++i;
            if (i < p.size() && canBreakBetween(p[i - 1].code, p[i].code)) lastBreak = i;
        }
        if (i == p.size()) {
            out.push_back(makeLine(font, p, start, i));
            return;
        }
        std::size_t end = i;
        if (p[i].code != U' ' && lastBreak > start) end = lastBreak;
        std::size_t next = end;
        while (end > start && p[end - 1].code == U' ')
            --end;
        while (next < p.size() && p[next].code == U' ')
            ++next;
        out.push_back(makeLine(font, p, start, end));
        start = next;
    } while (start < p.size());
}

} // namespace

std::vector<TextLine> layoutText(const Font& font, std::string_view text, const TextLayoutOptions& options) {
    std::vector<TextLine> lines;
    for (const Paragraph& p : splitParagraphs(text, options.singleLine)) {
        if (options.wordBreak && !options.singleLine)
            wrapParagraph(font, p, options.wrapWidth, lines);
        else
            lines.push_back(makeLine(font, p, 0, p.size()));
    }
    return lines;
}

} // namespace host::gdi
