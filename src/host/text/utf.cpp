#include "host/text/utf.h"

namespace host::text {

namespace {

bool isHighSurrogate(char32_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLowSurrogate(char32_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

void appendUtf16(std::u16string& out, char32_t codePoint) {
    if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

// Reads one code point from UTF-16 units; a lone surrogate gives U+FFFD.
char32_t nextCodePoint(std::u16string_view units, std::size_t& pos) {
    char32_t unit = units[pos++];
    if (isHighSurrogate(unit) && pos < units.size() && isLowSurrogate(units[pos])) {
        char32_t low = units[pos++];
        return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    }
    if (isHighSurrogate(unit) || isLowSurrogate(unit)) return kReplacementCharacter;
    return unit;
}

} // namespace

// One U+FFFD per maximal ill-formed subpart, as Unicode recommends.
char32_t nextCodePoint(std::string_view s, std::size_t& pos) {
    auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80) return lead;
    int trailing = 0;
    char32_t codePoint = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trailing = 1;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trailing = 2;
        codePoint = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;  // overlong
        if (lead == 0xED) high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trailing = 3;
        codePoint = lead & 0x07;
        if (lead == 0xF0) low = 0x90;  // overlong
        if (lead == 0xF4) high = 0x8F; // beyond U+10FFFF
    } else {
        return kReplacementCharacter;
    }
    for (int i = 0; i < trailing; ++i) {
        if (pos >= s.size()) return kReplacementCharacter;
        auto byte = static_cast<unsigned char>(s[pos]);
        if (byte < low || byte > high) return kReplacementCharacter;
        codePoint = (codePoint << 6) | (byte & 0x3F);
        low = 0x80;
        high = 0xBF;
        ++pos;
    }
    return codePoint;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    auto put = [&out](char32_t byte) { out.push_back(static_cast<char>(byte)); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

std::u16string utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();)
        appendUtf16(out, nextCodePoint(utf8, pos));
    return out;
}

std::string utf16ToUtf8(std::u16string_view units) {
    std::string out;
    out.reserve(units.size() * 3);
    for (std::size_t pos = 0; pos < units.size();)
        appendUtf8(out, nextCodePoint(units, pos));
    return out;
}

std::vector<std::uint8_t> utf8ToUtf16le(std::string_view utf8) {
    std::u16string units = utf8ToUtf16(utf8);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(units.size() * 2);
    for (char16_t unit : units) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

std::string utf16leToUtf8(std::span<const std::uint8_t> bytes) {
    std::u16string units;
    units.reserve(bytes.size() / 2 + 1);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        units.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    if (bytes.size() % 2 != 0) units.push_back(static_cast<char16_t>(kReplacementCharacter));
    return utf16ToUtf8(units);
}

} // namespace host::text
