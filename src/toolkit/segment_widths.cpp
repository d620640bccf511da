#include "toolkit/segment_widths.h"

#include <algorithm>
#include <cmath>

namespace toolkit {

std::array<int, 4> segmentWidths(const std::array<std::int16_t, 4>& values, int count, std::int16_t max,
                                 std::int16_t min, int width) {
    std::array<int, 4> widths{};
    const int range = max - min;
    if (range == 0) return widths;
    int sum = 0;
    for (int i = 0; i < count; ++i) {
        widths[i] = std::max(0, static_cast<int>(std::floor(static_cast<double>(values[i]) / range * width)));
        sum += widths[i];
    }
    if (sum != width && count > 1) {
        const auto widest = std::max_element(widths.begin(), widths.begin() + count);
        if (*widest > 0) *widest = std::max(0, *widest + width - sum);
    } else if (count == 1 && values[0] >= max) {
        widths[0] = width;
    }
    return widths;
}

} // namespace toolkit
