#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace host::text {

// Program text is UTF-8; files and lengths use UTF-16. Ill-formed input never
// fails: each ill-formed UTF-8 sequence, lone surrogate or odd trailing byte
// becomes U+FFFD. NULs are ordinary characters.

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Reads the code point at pos and moves pos past it (pos < s.size()).
char32_t nextCodePoint(std::string_view s, std::size_t& pos);
void appendUtf8(std::string& out, char32_t codePoint);

std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view units);

std::vector<std::uint8_t> utf8ToUtf16le(std::string_view utf8);
std::string utf16leToUtf8(std::span<const std::uint8_t> bytes);

} // namespace host::text
