#include "host/text/cp932.h"

#include <gtest/gtest.h>

#include <vector>

using namespace host::text;

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(TextCp932, EncodesAndDecodesJapaneseText) {
    struct Case {
        std::string text;
        Bytes bytes;
    };
    const Case cases[] = {
        {"日本語", {0x93, 0xFA, 0x96, 0x7B, 0x8C, 0xEA}},
        {"ｶﾅ", {0xB6, 0xC5}},
        {"a\\~", {0x61, 0x5C, 0x7E}},
        {"～①㈱髙", {0x81, 0x60, 0x87, 0x40, 0x87, 0x8A, 0xFB, 0xFC}},
        {std::string("\0x", 2), {0x00, 0x78}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeCp932(c.text), c.bytes) << c.text;
        EXPECT_EQ(decodeCp932(c.bytes), c.text) << c.text;
    }
}

TEST(TextCp932, ReportsEveryCharacterItCannotHoldOnce) {
    try {
        encodeCp932("pass😀wordé😀あ");
        FAIL() << "no error";
    } catch (const Cp932Error& e) {
        EXPECT_EQ(e.characters(), "😀é");
        EXPECT_NE(std::string(e.what()).find("😀é"), std::string::npos);
    }
}

TEST(TextCp932, IllFormedUtf8IsReportedNotDropped) {
    EXPECT_THROW(encodeCp932("ab\xFF"), Cp932Error);
    EXPECT_THROW(encodeCp932("ab\xE3\x81"), Cp932Error);
}

TEST(TextCp932, BytesThatAreNotCp932DecodeToReplacement) {
    struct Case {
        Bytes bytes;
        std::string expected;
    };
    const Case cases[] = {
        {{0x61, 0x81, 0x20, 0x62}, "a\xEF\xBF\xBD b"}, // bad trail byte: the lead is skipped
        {{0x61, 0x82}, "a\xEF\xBF\xBD"},               // lead byte at the end
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeCp932(c.bytes), c.expected) << ::testing::PrintToString(c.bytes);
}

} // namespace
