#pragma once

#include <string>
#include <string_view>

namespace host::text {

// Full-width ASCII, the ideographic space, katakana and Japanese punctuation
// to their half-width forms; voiced and semi-voiced katakana become two
// characters (ガ -> ｶﾞ). Backslash, tilde and yen in either width, and
// characters without a half-width form, are left as they are.
std::string toNarrow(std::string_view utf8);

// The reverse: a half-width kana followed by ﾞ or ﾟ that it can take becomes
// one character (ｶﾞ -> ガ); any other ﾞ or ﾟ becomes ゛ or ゜.
std::string toWide(std::string_view utf8);

} // namespace host::text
