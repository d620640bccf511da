#pragma once

#include <cstdint>

// Dissatisfaction of students and teachers: 0..100, shown as a stage 0..4.
namespace dissatisfaction {

inline constexpr std::int16_t kMax = 100;

// Stage 0 up to 14, 1 up to 34, 2 up to 54, 3 up to 74, 4 above.
constexpr std::int16_t stage(std::int16_t value) {
    if (value < 15) return 0;
    if (value < 35) return 1;
    if (value < 55) return 2;
    if (value < 75) return 3;
    return 4;
}

} // namespace dissatisfaction
