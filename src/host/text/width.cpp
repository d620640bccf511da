#include "host/text/width.h"

#include "host/text/utf.h"

#include <array>

namespace host::text {

namespace {

constexpr char16_t kVoiced = u'ﾞ';
constexpr char16_t kSemiVoiced = u'ﾟ';

struct KanaWidth {
    char16_t full;
    char16_t half;
    char16_t mark; // kVoiced, kSemiVoiced or 0
};

// Every full-width character in U+3000..U+30FF that has a half-width form.
constexpr KanaWidth kKana[] = {
    {u'。', u'｡', 0},           {u'「', u'｢', 0},           {u'」', u'｣', 0},
    {u'、', u'､', 0},           {u'・', u'･', 0},           {u'ヲ', u'ｦ', 0},
    {u'ァ', u'ｧ', 0},           {u'ィ', u'ｨ', 0},           {u'ゥ', u'ｩ', 0},
    {u'ェ', u'ｪ', 0},           {u'ォ', u'ｫ', 0},           {u'ャ', u'ｬ', 0},
    {u'ュ', u'ｭ', 0},           {u'ョ', u'ｮ', 0},           {u'ッ', u'ｯ', 0},
    {u'ー', u'ｰ', 0},           {u'ア', u'ｱ', 0},           {u'イ', u'ｲ', 0},
    {u'ウ', u'ｳ', 0},           {u'エ', u'ｴ', 0},           {u'オ', u'ｵ', 0},
    {u'カ', u'ｶ', 0},           {u'キ', u'ｷ', 0},           {u'ク', u'ｸ', 0},
    {u'ケ', u'ｹ', 0},           {u'コ', u'ｺ', 0},           {u'サ', u'ｻ', 0},
    {u'シ', u'ｼ', 0},           {u'ス', u'ｽ', 0},           {u'セ', u'ｾ', 0},
    {u'ソ', u'ｿ', 0},           {u'タ', u'ﾀ', 0},           {u'チ', u'ﾁ', 0},
    {u'ツ', u'ﾂ', 0},           {u'テ', u'ﾃ', 0},           {u'ト', u'ﾄ', 0},
    {u'ナ', u'ﾅ', 0},           {u'ニ', u'ﾆ', 0},           {u'ヌ', u'ﾇ', 0},
    {u'ネ', u'ﾈ', 0},           {u'ノ', u'ﾉ', 0},           {u'ハ', u'ﾊ', 0},
    {u'ヒ', u'ﾋ', 0},           {u'フ', u'ﾌ', 0},           {u'ヘ', u'ﾍ', 0},
    {u'ホ', u'ﾎ', 0},           {u'マ', u'ﾏ', 0},           {u'ミ', u'ﾐ', 0},
    {u'ム', u'ﾑ', 0},           {u'メ', u'ﾒ', 0},           {u'モ', u'ﾓ', 0},
    {u'ヤ', u'ﾔ', 0},           {u'ユ', u'ﾕ', 0},           {u'ヨ', u'ﾖ', 0},
    {u'ラ', u'ﾗ', 0},           {u'リ', u'ﾘ', 0},           {u'ル', u'ﾙ', 0},
    {u'レ', u'ﾚ', 0},           {u'ロ', u'ﾛ', 0},           {u'ワ', u'ﾜ', 0},
    {u'ン', u'ﾝ', 0},           {u'゛', u'ﾞ', 0},           {u'゜', u'ﾟ', 0},

    {u'ガ', u'ｶ', kVoiced},     {u'ギ', u'ｷ', kVoiced},     {u'グ', u'ｸ', kVoiced},
    {u'ゲ', u'ｹ', kVoiced},     {u'ゴ', u'ｺ', kVoiced},     {u'ザ', u'ｻ', kVoiced},
    {u'ジ', u'ｼ', kVoiced},     {u'ズ', u'ｽ', kVoiced},     {u'ゼ', u'ｾ', kVoiced},
    {u'ゾ', u'ｿ', kVoiced},     {u'ダ', u'ﾀ', kVoiced},     {u'ヂ', u'ﾁ', kVoiced},
    {u'ヅ', u'ﾂ', kVoiced},     {u'デ', u'ﾃ', kVoiced},     {u'ド', u'ﾄ', kVoiced},
    {u'バ', u'ﾊ', kVoiced},     {u'ビ', u'ﾋ', kVoiced},     {u'ブ', u'ﾌ', kVoiced},
    {u'ベ', u'ﾍ', kVoiced},     {u'ボ', u'ﾎ', kVoiced},     {u'ヴ', u'ｳ', kVoiced},

    {u'パ', u'ﾊ', kSemiVoiced}, {u'ピ', u'ﾋ', kSemiVoiced}, {u'プ', u'ﾌ', kSemiVoiced},
    {u'ペ', u'ﾍ', kSemiVoiced}, {u'ポ', u'ﾎ', kSemiVoiced},
};

constexpr char16_t kFullBase = 0x3000;
constexpr char16_t kHalfFirst = u'｡';
constexpr char16_t kHalfLast = u'ﾟ';
constexpr char16_t kAsciiToFullWidth = 0xFF01 - 0x21;

struct Narrowed {
    char16_t half = 0;
    char16_t mark = 0;
};

constexpr auto kNarrowOf = [] {
    std::array<Narrowed, 0x100> table{};
    for (const KanaWidth& row : kKana)
        table[row.full - kFullBase] = {row.half, row.mark};
    return table;
}();

constexpr int markIndex(char16_t mark) {
    return mark == kVoiced ? 1 : mark == kSemiVoiced ? 2 : 0;
}

// Full-width form of a half-width kana with no mark, ﾞ or ﾟ.
constexpr auto kWideOf = [] {
    std::array<std::array<char16_t, 3>, kHalfLast - kHalfFirst + 1> table{};
    for (const KanaWidth& row : kKana)
        table[row.half - kHalfFirst][markIndex(row.mark)] = row.full;
    return table;
}();

const Narrowed* narrowedKana(char16_t c) {
    std::size_t index = static_cast<std::size_t>(c) - kFullBase;
    if (c < kFullBase || index >= kNarrowOf.size() || kNarrowOf[index].half == 0) return nullptr;
    return &kNarrowOf[index];
}

bool leftAsIs(char16_t c) {
    return c == u'\\' || c == u'~';
}

std::u16string narrowUnits(std::u16string_view units) {
    std::u16string out;
    out.reserve(units.size());
    for (char16_t c : units) {
        char16_t ascii = static_cast<char16_t>(c - kAsciiToFullWidth);
        if (c >= 0xFF01 && c <= 0xFF5E && !leftAsIs(ascii)) {
            out.push_back(ascii);
        } else if (c == u'　') {
            out.push_back(u' ');
        } else if (const Narrowed* n = narrowedKana(c)) {
            out.push_back(n->half);
            if (n->mark != 0) out.push_back(n->mark);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::u16string wideUnits(std::u16string_view units) {
    std::u16string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        char16_t c = units[i];
        if (c >= 0x21 && c <= 0x7E && !leftAsIs(c)) {
            out.push_back(static_cast<char16_t>(c + kAsciiToFullWidth));
        } else if (c == u' ') {
            out.push_back(u'　');
        } else if (c >= kHalfFirst && c <= kHalfLast) {
            const auto& forms = kWideOf[c - kHalfFirst];
            int mark = i + 1 < units.size() ? markIndex(units[i + 1]) : 0;
            if (mark != 0 && forms[mark] != 0) {
                out.push_back(forms[mark]);
                ++i;
            } else {
                out.push_back(forms[0]);
            }
        } else {
            out.push_back(c);
        }
    }
    return out;
}

} // namespace

std::string toNarrow(std::string_view utf8) {
    return utf16ToUtf8(narrowUnits(utf8ToUtf16(utf8)));
}

std::string toWide(std::string_view utf8) {
    return utf16ToUtf8(wideUnits(utf8ToUtf16(utf8)));
}

} // namespace host::text
