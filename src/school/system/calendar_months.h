#pragma once

#include <cstdint>

// The months the kingdom calendar's rules name.
namespace calendar_month {

inline constexpr std::int16_t kSchoolYearStart = 4;
inline constexpr std::int16_t kTrainingCamp = 8;
inline constexpr std::int16_t kSchoolYearEnd = 3;

} // namespace calendar_month
