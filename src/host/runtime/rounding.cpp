#include "host/runtime/rounding.h"

#include "host/runtime/runtime_error.h"

#include <cmath>
#include <limits>
#include <string>

namespace host::runtime {

double roundHalfEven(double value) {
    double floor = std::floor(value);
    double diff = value - floor;
    if (diff > 0.5) return floor + 1.0;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

double Round(double value, int digits) {
    if (digits <= 0) return roundHalfEven(value);
    double scale = std::pow(10.0, digits);
    double scaled = value * scale;
    if (!std::isfinite(scaled)) return value;
    // Ties are decided on the decimal text of the value, not on binary noise.
    double nearest = std::round(scaled * 2.0) / 2.0;
    if (std::fabs(scaled - nearest) < 1e-9 * std::max(1.0, std::fabs(scaled))) scaled = nearest;
    return roundHalfEven(scaled) / scale;
}

namespace {

template <class T> T convertRounded(double value, const char* typeName) {
    if (std::isnan(value)) throw RuntimeError(ErrorNumber::Overflow, std::string(typeName) + " of NaN");
    double r = roundHalfEven(value);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        throw RuntimeError(ErrorNumber::Overflow, std::string(typeName) + " of " + std::to_string(value));
    return static_cast<T>(r);
}

std::int64_t toWhole(double value) {
    double r = roundHalfEven(value);
    if (std::isnan(r) || std::fabs(r) >= 9.2e18)
        throw RuntimeError(ErrorNumber::Overflow, std::to_string(value));
    return static_cast<std::int64_t>(r);
}

} // namespace

std::int16_t CInt(double value) {
    return convertRounded<std::int16_t>(value, "CInt");
}

std::int32_t CLng(double value) {
    return convertRounded<std::int32_t>(value, "CLng");
}

double Fix(double value) {
    return std::trunc(value);
}

double Int(double value) {
    return std::floor(value);
}

std::int64_t IntDiv(double dividend, double divisor) {
    std::int64_t a = toWhole(dividend);
    std::int64_t b = toWhole(divisor);
    if (b == 0) throw RuntimeError(ErrorNumber::DivisionByZero, "integer division");
    return a / b;
}

std::int64_t Mod(double dividend, double divisor) {
    std::int64_t a = toWhole(dividend);
    std::int64_t b = toWhole(divisor);
    if (b == 0) throw RuntimeError(ErrorNumber::DivisionByZero, "Mod");
    return a % b;
}

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) return -1;
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t half = (c > 0 ? c : -static_cast<std::int64_t>(c)) / 2;
    bool negative = (product < 0) != (c < 0);
    std::int64_t magnitude = (product < 0 ? -product : product);
    std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
    std::int64_t q = (magnitude + half) / divisor;
    std::int64_t result = negative ? -q : q;
    if (result < std::numeric_limits<std::int32_t>::min() ||
        result > std::numeric_limits<std::int32_t>::max())
        return -1;
    return static_cast<std::int32_t>(result);
}

} // namespace host::runtime
