#pragma once

#include "host/gdi/font.h"

#include <string_view>
#include <vector>

namespace host::gdi {

// One character of laid-out text; an underlined one was marked with "&".
struct TextCharacter {
    char32_t code = 0;
    bool underlined = false;
    friend bool operator==(const TextCharacter&, const TextCharacter&) = default;
};

struct TextLine {
    std::vector<TextCharacter> characters;
    int width = 0; // in pixels, trailing spaces of a wrapped line left out
};

struct TextLayoutOptions {
    bool singleLine = false; // CR and LF do not break the line
    bool wordBreak = false;  // lines wrap at wrapWidth
    int wrapWidth = 0;
};

// Splits UTF-8 text into the lines DrawText shows. A single "&" is dropped
// and underlines the next character; "&&" is one "&". Lines break at CR LF,
// CR or LF (a break at the very end adds no line); with word break, a line
// ends before the character that would pass the wrap width, at the last
// space or at the last place next to a CJK character where Japanese allows
// a break (no closing bracket, stop, small kana or long-vowel mark starts a
// line, no opening bracket ends one), else (an over-long word) right there;
// the spaces at a wrap are dropped. Empty text is one empty line.
std::vector<TextLine> layoutText(const Font& font, std::string_view text, const TextLayoutOptions& options);

} // namespace host::gdi
