#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace host::runtime;
using testsupport::errorOf;

TEST(Convert, TextToNumber) {
    EXPECT_EQ(CDbl("12.5"), 12.5);
    EXPECT_EQ(CDbl(" -3 "), -3.0);
    EXPECT_EQ(CDbl("+4"), 4.0);
    EXPECT_EQ(CDbl("1E-05"), 1e-5);
    EXPECT_EQ(CLng("2.5"), 2);
    EXPECT_EQ(CLng("3.5"), 4);
    EXPECT_EQ(CInt("-32768"), -32768);
    EXPECT_FLOAT_EQ(CSng("0.1"), 0.1f);
}

TEST(Convert, BadTextFailsAndNeverSaturates) {
    struct Case {
        const char* text;
        ErrorNumber error;
    } cases[] = {
        {"", ErrorNumber::TypeMismatch},      {"abc", ErrorNumber::TypeMismatch},
        {"12abc", ErrorNumber::TypeMismatch}, {"1,5", ErrorNumber::TypeMismatch},
        {"--1", ErrorNumber::TypeMismatch},   {"nan", ErrorNumber::TypeMismatch},
        {"inf", ErrorNumber::TypeMismatch},   {"32768", ErrorNumber::Overflow},
    };
    for (auto c : cases)
        EXPECT_EQ(errorOf([&] { CInt(c.text); }), c.error) << c.text;
    EXPECT_EQ(errorOf([] { CLng("2147483648"); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([] { CSng("1E+39"); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([] { CDbl("1E+999"); }), ErrorNumber::Overflow);
}

TEST(Convert, Booleans) {
    EXPECT_TRUE(CBool("True"));
    EXPECT_TRUE(CBool("true"));
    EXPECT_FALSE(CBool("FALSE"));
    EXPECT_FALSE(CBool("0"));
    EXPECT_TRUE(CBool("-1"));
    EXPECT_TRUE(CBool("2.5"));
    EXPECT_EQ(errorOf([] { CBool("yes"); }), ErrorNumber::TypeMismatch);
    EXPECT_EQ(CStr(true), "True");
    EXPECT_EQ(CStr(false), "False");
}

TEST(Convert, NumberToTextSignificantDigits) {
    struct Case {
        double value;
        const char* text;
    } doubles[] = {
        {0, "0"},
        {12.5, "12.5"},
        {-3, "-3"},
        {0.1, "0.1"},
        {1.0 / 3, "0.333333333333333"},
        {1e-5, "1E-05"},
        {0.0001, "0.0001"},
        {1e15, "1E+15"},
        {123456789012345.0, "123456789012345"},
        {2.5e-7, "2.5E-07"},
    };
    for (auto c : doubles)
        EXPECT_EQ(CStr(c.value), c.text) << c.value;
    EXPECT_EQ(CStr(0.1f), "0.1");
    EXPECT_EQ(CStr(1.0f / 3), "0.3333333");
    EXPECT_EQ(CStr(12345678.0f), "1.234568E+07");
    EXPECT_EQ(CStr(std::int32_t{-42}), "-42");
}

TEST(Convert, LocaleDoesNotChangeTheDecimalPoint) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) std::setlocale(LC_ALL, "C.UTF-8");
    EXPECT_EQ(CStr(12.5), "12.5");
    EXPECT_EQ(CDbl("12.5"), 12.5);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(Convert, IsNumeric) {
    for (const char* yes : {"1", "-1", "+2.5", " 3 ", ".5", "5."})
        EXPECT_TRUE(IsNumeric(yes)) << yes;
    for (const char* no : {"", "-", ".", "1.2.3", "1e5", "abc", "1 2", "１"})
        EXPECT_FALSE(IsNumeric(no)) << no;
}

TEST(Convert, FormatMasks) {
    EXPECT_EQ(FormatZeros(5, "00"), "05");
    EXPECT_EQ(FormatZeros(123, "00"), "123");
    EXPECT_EQ(FormatZeros(7, "0000"), "0007");
    EXPECT_EQ(FormatZeros(-5, "00"), "-05");
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 0;
    t.tm_mday = 9;
    t.tm_hour = 7;
    t.tm_min = 5;
    t.tm_sec = 3;
    EXPECT_EQ(FormatDateTime(t, "yyyy/mm/dd hh:mm:ss"), "2026/01/09 07:05:03");
}
