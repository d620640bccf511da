#pragma once

#include <cstdint>

// The types of permit the point exchange sells (clsPermit::PermitType).
namespace permit_type {

inline constexpr std::int32_t kSchoolGrounds = 1;
inline constexpr std::int32_t kSchoolhouse = 2;
inline constexpr std::int32_t kDormitory = 3;
inline constexpr std::int32_t kTicket = 4;
inline constexpr std::int32_t kSchoolYear = 5;
inline constexpr std::int32_t kEightPeriods = 6;
inline constexpr std::int32_t kSponsorSlot = 7;

} // namespace permit_type

// The school ranks G (0) to S (7).
namespace school_rank {

inline constexpr std::int16_t kG = 0;
inline constexpr std::int16_t kF = 1;
inline constexpr std::int16_t kE = 2;
inline constexpr std::int16_t kD = 3;
inline constexpr std::int16_t kC = 4;
inline constexpr std::int16_t kB = 5;
inline constexpr std::int16_t kA = 6;
inline constexpr std::int16_t kS = 7;

} // namespace school_rank
