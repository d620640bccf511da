#include "host/runtime/rounding.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"

#include <gtest/gtest.h>

#include <limits>

using namespace host::runtime;

TEST(Rounding, TiesGoToEven) {
    struct Case {
        double in;
        long out;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}};
    for (auto c : cases) {
        EXPECT_EQ(CLng(c.in), c.out) << c.in;
        EXPECT_EQ(CInt(c.in), c.out) << c.in;
    }
}

TEST(Rounding, RoundToDecimals) {
    EXPECT_DOUBLE_EQ(Round(1.25, 1), 1.2);
    EXPECT_DOUBLE_EQ(Round(1.35, 1), 1.4);
    EXPECT_DOUBLE_EQ(Round(1.234, 2), 1.23);
    EXPECT_DOUBLE_EQ(Round(-2.5), -2.0);
}

TEST(Rounding, ConversionsOutOfRangeOverflow) {
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768.5), -32768); // tie to even stays in range
    for (double v : {32767.5, -32769.0, 1e10}) {
        try {
            CInt(v);
            FAIL() << v;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), ErrorNumber::Overflow);
        }
    }
    EXPECT_THROW(CLng(2147483647.5), RuntimeError);
    EXPECT_EQ(CLng(-2147483648.0), std::numeric_limits<std::int32_t>::min());
}

TEST(Rounding, FixAndInt) {
    EXPECT_EQ(Fix(-2.7), -2.0);
    EXPECT_EQ(Int(-2.7), -3.0);
    EXPECT_EQ(Fix(2.7), 2.0);
    EXPECT_EQ(Int(2.7), 2.0);
}

TEST(Rounding, IntegerDivisionAndModRoundOperandsFirst) {
    struct Case {
        double a, b;
        long quotient, remainder;
    } cases[] = {
        {7, 2, 3, 1},     {-7, 2, -3, -1}, {7, -2, -3, 1}, {2.5, 1, 2, 0}, // 2.5 rounds to 2
        {3.5, 1.5, 2, 0},                                                  // 4 \ 2
        {10.5, 3, 3, 1},                                                   // 10 \ 3, 10 Mod 3
    };
    for (auto c : cases) {
        EXPECT_EQ(IntDiv(c.a, c.b), c.quotient) << c.a << " \\ " << c.b;
        EXPECT_EQ(Mod(c.a, c.b), c.remainder) << c.a << " Mod " << c.b;
    }
    try {
        IntDiv(1, 0.4); // divisor rounds to 0
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::DivisionByZero);
    }
    EXPECT_THROW(Mod(1, 0), RuntimeError);
}

TEST(Rounding, MulDivRoundsAndRefusesZero) {
    EXPECT_EQ(MulDiv(12, 96, 72), 16); // 12 pt at 96 dpi
    EXPECT_EQ(MulDiv(9, 96, 72), 12);
    EXPECT_EQ(MulDiv(10, 96, 72), 13); // 13.33
    EXPECT_EQ(MulDiv(11, 96, 72), 15); // 14.67
    EXPECT_EQ(MulDiv(-11, 96, 72), -15);
    EXPECT_EQ(MulDiv(1, 1, 2), 1); // halves round away from zero
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
    EXPECT_EQ(MulDiv(2147483647, 2, 1), -1);
}

TEST(Saturate, HoldsAtTheFieldsRange) {
    EXPECT_EQ(saturate16(std::int64_t{40000}), 32767);
    EXPECT_EQ(saturate16(std::int64_t{-40000}), -32768);
    EXPECT_EQ(saturate16(std::int64_t{1234}), 1234);
    EXPECT_EQ(saturate32(std::int64_t{1} << 40), 2147483647);
    EXPECT_EQ(saturate32(-1e30), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(saturate16(2.5), 2);
    EXPECT_EQ(saturate16(3.5), 4);
    EXPECT_EQ(saturate32(std::numeric_limits<double>::quiet_NaN()), 0);
}
