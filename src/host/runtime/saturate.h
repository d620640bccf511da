#pragma once

#include "host/runtime/rounding.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace host::runtime {

// Arithmetic stored into a 16- or 32-bit field: computed wide, then held at the
// field's range instead of overflowing. Values inside the range are unchanged;
// fractions round ties-to-even as a store into an integer field does.
template <class Field> Field saturate(std::int64_t value) {
    if (value < std::numeric_limits<Field>::min()) return std::numeric_limits<Field>::min();
    if (value > std::numeric_limits<Field>::max()) return std::numeric_limits<Field>::max();
    return static_cast<Field>(value);
}

template <class Field> Field saturate(double value) {
    if (std::isnan(value)) return 0;
    double r = roundHalfEven(value);
    if (r <= static_cast<double>(std::numeric_limits<Field>::min())) return std::numeric_limits<Field>::min();
    if (r >= static_cast<double>(std::numeric_limits<Field>::max())) return std::numeric_limits<Field>::max();
    return static_cast<Field>(r);
}

inline std::int16_t saturate16(std::int64_t value) {
    return saturate<std::int16_t>(value);
}
inline std::int16_t saturate16(double value) {
    return saturate<std::int16_t>(value);
}
inline std::int32_t saturate32(std::int64_t value) {
    return saturate<std::int32_t>(value);
}
inline std::int32_t saturate32(double value) {
    return saturate<std::int32_t>(value);
}

} // namespace host::runtime
