#pragma once

#include <cstdint>

namespace host::runtime {

// Rounds to the nearest integer, ties to even (the runtime's rounding for CInt, CLng, \ and Mod).
double roundHalfEven(double value);

// Round(x, digits): ties to even at the given number of decimals.
double Round(double value, int digits = 0);

// Conversions of numbers to the 16- and 32-bit integer types: ties to even,
// out of range raises overflow (6).
std::int16_t CInt(double value);
std::int32_t CLng(double value);

double Fix(double value); // toward zero
double Int(double value); // toward minus infinity

// Integer division and remainder: operands rounded ties-to-even first; the quotient
// truncates toward zero, the remainder takes the dividend's sign; a zero divisor
// raises division by zero (11).
std::int64_t IntDiv(double dividend, double divisor);
std::int64_t Mod(double dividend, double divisor);

// a * b / c computed in 64 bits and rounded half away from zero; -1 when c is 0
// or the result does not fit 32 bits.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

} // namespace host::runtime
