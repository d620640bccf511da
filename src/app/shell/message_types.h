#pragma once

#include <cstdint>

// The message types that key the modal dialog's opening, confirmation,
// cancel and closing, and the two report-box views that share the closing.
namespace message_type {

// Buying or selling shares of a company.
inline constexpr std::int32_t kShares = 2;
// Having an item made at the processing shop.
inline constexpr std::int32_t kProcessing = 4;
// Exchanging tickets for items.
inline constexpr std::int32_t kTickets = 5;
// Spending kingdom points.
inline constexpr std::int32_t kPointExchange = 6;
// Applying for a building or installation at the permit office.
inline constexpr std::int32_t kPermitOffice = 7;
// Buying or selling at the item shop.
inline constexpr std::int32_t kItemShop = 8;
// Admitting the marked newcomers of a new year.
inline constexpr std::int32_t kAdmission = 9;
// Hiring the teacher or scout on offer.
inline constexpr std::int32_t kContract = 10;
// Ending a teacher's contract.
inline constexpr std::int32_t kTeacherCancel = 11;
// Using an item on a student.
inline constexpr std::int32_t kUseItem = 12;
// Career guidance.
inline constexpr std::int32_t kCourse = 13;
// Contracting the marked new sponsors of a new year.
inline constexpr std::int32_t kNewSponsors = 14;
// The lesson, teacher or item of a timetable slot.
inline constexpr std::int32_t kTimetablePicker = 15;
// The week's timetable faults shown in the report box.
inline constexpr std::int32_t kTimetableFaults = 16;
// A unit's formation.
inline constexpr std::int32_t kFormation = 17;
// The day commands wait until every timetable is set.
inline constexpr std::int32_t kTimetableNotFinished = 18;
// A unit's battle item.
inline constexpr std::int32_t kBattleItem = 19;
// The turn's message log shown in the report box.
inline constexpr std::int32_t kMessageLog = 20;
// The whole school working a part-time job.
inline constexpr std::int32_t kArbeit = 21;
// A tournament's notice, waited on by the match.
inline constexpr std::int32_t kTournamentNotice = 22;
// Going to a training camp.
inline constexpr std::int32_t kCamp = 23;
// An item placed in a building.
inline constexpr std::int32_t kBuildingItem = 24;
// A teacher's bonus.
inline constexpr std::int32_t kBonus = 25;
// Saving to or loading from the chosen save slot.
inline constexpr std::int32_t kSave = 26;
inline constexpr std::int32_t kLoad = 27;
// Whether the player wants to see the opening.
inline constexpr std::int32_t kOpeningQuestion = 28;
// Back to the title: the game is reset.
inline constexpr std::int32_t kReturnToTitle = 29;
// A timetable slot copy: refused between a whole-class and an individual
// slot, or asked to be confirmed.
inline constexpr std::int32_t kClassCopyRefused = 30;
inline constexpr std::int32_t kClassCopyQuestion = 31;

} // namespace message_type

// The dialog's layouts: a notice with one button, a yes/no question, a
// quantity slider or a choice grid.
namespace dialog_layout {

inline constexpr std::int32_t kNotice = 1;
inline constexpr std::int32_t kShares = 2;
inline constexpr std::int32_t kQuestion = 3;
inline constexpr std::int32_t kProcessing = 4;
inline constexpr std::int32_t kTickets = 5;
inline constexpr std::int32_t kPointExchange = 6;
inline constexpr std::int32_t kItemShop = 8;
inline constexpr std::int32_t kUseItem = 12;
inline constexpr std::int32_t kCourse = 13;
inline constexpr std::int32_t kTimetablePicker = 15;
inline constexpr std::int32_t kBuildingItem = 24;
inline constexpr std::int32_t kBonus = 25;
// The unit formation screen's line and battle-item pickers.
inline constexpr std::int32_t kFormation = 17;
inline constexpr std::int32_t kBattleItem = 19;

} // namespace dialog_layout
