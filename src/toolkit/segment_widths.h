#pragma once

#include <array>
#include <cstdint>

namespace toolkit {

// The widths in pixels of the first count (1..4) segments of a stacked bar
// width pixels wide: each value's share of max - min (the value itself, not
// value - min, is divided), rounded down; a negative width counts as 0. With
// more than one segment the widest (the first of equal ones) takes what the
// others leave, so they fill the bar; a single segment at or above max fills
// it. A scale without length (max equal to min) gives no segments.
std::array<int, 4> segmentWidths(const std::array<std::int16_t, 4>& values, int count, std::int16_t max,
                                 std::int16_t min, int width);

} // namespace toolkit
