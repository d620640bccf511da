#pragma once

#include <cstdint>

// The kinds of building work: a building of one of the three catalogues, or
// the next level of one of the three school buildings. A finished work is
// reported with its kind.
namespace building_work {

inline constexpr std::int32_t kConstruction = 1;
inline constexpr std::int32_t kClassroom = 2;
inline constexpr std::int32_t kFacility = 3;
inline constexpr std::int32_t kSchoolGrounds = 4;
inline constexpr std::int32_t kSchoolhouse = 5;
inline constexpr std::int32_t kDormitory = 6;

} // namespace building_work

// Buildings the rules single out by name.
namespace building_name {

inline constexpr const char* kDormitory = "学生寮";
inline constexpr const char* kLibrary = "図書館";
inline constexpr const char* kMuseum = "美術館";
inline constexpr const char* kChapel = "礼拝堂";

} // namespace building_name

// Bits of the set of built buildings of the construction catalogue.
namespace construct_bit {

inline constexpr std::int16_t kDormitory = 2;
inline constexpr std::int16_t kMuseum = 5;
inline constexpr std::int16_t kLibrary = 6;
inline constexpr std::int16_t kFacultyOffice = 9;
inline constexpr std::int16_t kChapel = 11;

} // namespace construct_bit

// Bits of the set of built classrooms.
namespace classroom_bit {

inline constexpr std::int16_t kNurseOffice = 5;
inline constexpr std::int16_t kRestRoom = 7;
inline constexpr std::int16_t kGuidanceRoom = 8;

} // namespace classroom_bit

// Bits of the set of built dormitory facilities.
namespace facility_bit {

inline constexpr std::int16_t kFirstRoom = 1;
inline constexpr std::int16_t kRecovery = 2;
inline constexpr std::int16_t kCalm = 3;
inline constexpr std::int16_t kBath = 4;
inline constexpr std::int16_t kGym = 5;

} // namespace facility_bit
