#include "host/text/units.h"

#include "host/runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <functional>

using namespace host::text;
using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

namespace {

const std::string kFffd = "\xEF\xBF\xBD";

TEST(TextUnits, LenCountsUtf16Units) {
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(Len("abc"), 3);
    EXPECT_EQ(Len("あいう"), 3);
    EXPECT_EQ(Len("a😀b"), 4);
    EXPECT_EQ(Len("ｶﾞ"), 2);
    EXPECT_EQ(Len(std::string("a\0b", 3)), 3);
}

TEST(TextUnits, SlicesCountUnitsAcrossSurrogatePairs) {
    struct Case {
        std::string got, expected;
    };
    const std::string s = "a😀bあ";
    const Case cases[] = {
        {Mid(s, 2, 2), "😀"},       {Mid(s, 2, 1), kFffd},
        {Mid(s, 3, 1), kFffd},     {Mid(s, 4), "bあ"},
        {Mid(s, 5), "あ"},         {Mid(s, 6), ""},
        {Mid(s, 100, 3), ""},      {Mid(s, 1, 0), ""},
        {Mid(s, 4, 100), "bあ"},   {Left(s, 3), "a😀"},
        {Left(s, 2), "a" + kFffd}, {Left(s, 0), ""},
        {Left(s, 100), s},         {Right(s, 3), kFffd + "bあ"},
        {Right(s, 2), "bあ"},      {Right(s, 4), "😀bあ"},
        {Right(s, 0), ""},         {Right(s, 100), s},
        {Mid("", 1), ""},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].got, cases[i].expected) << "case " << i;
}

TEST(TextUnits, BadStartOrLengthIsInvalidCall) {
    const std::function<void()> calls[] = {
        [] { Mid("abc", 0); },   [] { Mid("abc", -1, 1); }, [] { Mid("abc", 1, -1); },
        [] { Left("abc", -1); }, [] { Right("abc", -1); },  [] { Mid("", 0); },
    };
    for (std::size_t i = 0; i < std::size(calls); ++i) {
        try {
            calls[i]();
            ADD_FAILURE() << "no error in call " << i;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), ErrorNumber::InvalidCall) << "call " << i;
        }
    }
}

TEST(TextUnits, InStrGivesUnitPositionOrZero) {
    struct Case {
        std::string s, needle;
        int expected;
    };
    const Case cases[] = {
        {"a😀bc", "b", 4}, {"abcabc", "c", 3}, {"abc", "d", 0}, {"abc", "abcd", 0},
        {"abc", "", 1},   {"", "", 0},        {"ガ", "ｶ", 0},  {"あいう", "いう", 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InStr(c.s, c.needle), c.expected) << c.s << " / " << c.needle;
}

TEST(TextUnits, CompareUsesUtf16UnitOrder) {
    struct Case {
        std::string a, b;
        int expected;
    };
    const Case cases[] = {
        {"a", "b", -1},
        {"abc", "abc", 0},
        {"ab", "a", 1},
        {"", "a", -1},
        {"A", "a", -1},           // case-sensitive
        {"ｱ", "😀", 1},            // U+FF71 is above the lead surrogate U+D83D
        {"\xEE\x80\x80", "😀", 1}, // so is U+E000
        {"あ", "😀", -1},          // U+3042 is below it
        {"😀", "😁", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(compare(c.a, c.b), c.expected) << c.a << " vs " << c.b;
        EXPECT_EQ(compare(c.b, c.a), -c.expected) << c.b << " vs " << c.a;
    }
}

} // namespace
