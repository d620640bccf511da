#include "host/text/utf.h"

#include <gtest/gtest.h>

#include <vector>

using namespace host::text;

namespace {

const std::string kFffd = "\xEF\xBF\xBD";

TEST(TextUtf, Utf8AndUtf16RoundTripKeepingNulsAndSurrogatePairs) {
    const std::string text = std::string("A\0あ😀ｶﾞ", 15) + "z";
    std::u16string units = utf8ToUtf16(text);
    EXPECT_EQ(units, (std::u16string{u'A', 0, u'あ', 0xD83D, 0xDE00, u'ｶ', u'ﾞ', u'z'}));
    EXPECT_EQ(utf16ToUtf8(units), text);
}

TEST(TextUtf, Utf16leBytesAreLittleEndianUnits) {
    std::vector<std::uint8_t> bytes = utf8ToUtf16le("Aあ😀");
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x41, 0x00, 0x42, 0x30, 0x3D, 0xD8, 0x00, 0xDE}));
    EXPECT_EQ(utf16leToUtf8(bytes), "Aあ😀");
}

TEST(TextUtf, Utf16leDecodingIsLenient) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::string expected;
    };
    const Case cases[] = {
        {{0x41, 0x00, 0x42}, "A" + kFffd},                   // odd byte count
        {{0x41}, kFffd},                                     // a single byte
        {{0x3D, 0xD8, 0x41, 0x00}, kFffd + "A"},             // high surrogate alone
        {{0x41, 0x00, 0x00, 0xDE}, "A" + kFffd},             // low surrogate alone
        {{0x00, 0xDE, 0x3D, 0xD8}, kFffd + kFffd},           // pair in the wrong order
        {{0x3D, 0xD8, 0x3D, 0xD8, 0x00, 0xDE}, kFffd + "😀"}, // second high pairs up
        {{0x41, 0x00, 0x00, 0x00, 0x00, 0x00, 0x42, 0x00}, std::string("A\0\0B", 4)}, // NULs kept
        {{}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(utf16leToUtf8(c.bytes), c.expected) << ::testing::PrintToString(c.bytes);
}

TEST(TextUtf, LoneSurrogateUnitsBecomeReplacementInUtf8) {
    EXPECT_EQ(utf16ToUtf8(std::u16string{0xD800, u'x', 0xDFFF}), kFffd + "x" + kFffd);
}

TEST(TextUtf, IllFormedUtf8BecomesOneReplacementPerMaximalSubpart) {
    struct Case {
        std::string utf8;
        std::u16string expected;
    };
    const Case cases[] = {
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                     // overlong lead
        {"\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD"},           // overlong three-byte form
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},           // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // beyond U+10FFFF
        {"\xE3\x81", u"\uFFFD"},                           // cut off at the end
        {"\xE3\x81"
         "A",
         u"\uFFFDA"}, // cut off before ASCII
        {"\xF0\x9F\x98"
         "b",
         u"\uFFFDb"},
        {"a\xFF"
         "b\x80",
         u"a\uFFFDb\uFFFD"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(utf8ToUtf16(c.utf8), c.expected) << ::testing::PrintToString(c.utf8);
}

} // namespace
