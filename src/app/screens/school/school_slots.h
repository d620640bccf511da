#pragma once

#include <cstdint>

// The scratch values the school screen's list, its sub-commands and its
// action button hand on to the dialogs.
namespace school_slots {

// The index of the marked row of the list.
inline constexpr std::int32_t kMarkedRow = 6;
// The marked building of the building list.
inline constexpr std::int32_t kBuilding = 12;
// The marked newcomers, their number.
inline constexpr std::int32_t kNewcomerCount = 14;
// The marked teacher or scout (on offer or under contract).
inline constexpr std::int32_t kPersonName = 15;
// The chosen ability gauge, 0 the first.
inline constexpr std::int32_t kChosenGauge = 16;
// The marked new sponsors, their number and their contract money together.
inline constexpr std::int32_t kSponsorCount = 17;
inline constexpr std::int32_t kSponsorMoney = 36;
// The marked student.
inline constexpr std::int32_t kStudentName = 18;
// The marked part-time job, camp destination and camp cost.
inline constexpr std::int32_t kArbeitName = 28;
inline constexpr std::int32_t kCampName = 29;
inline constexpr std::int32_t kCampCost = 30;

} // namespace school_slots
