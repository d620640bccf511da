#pragma once

#include <cstdint>

// The message types that key the modal dialog's opening, confirmation,
// cancel and closing, and the two report-box views that share the closing.
namespace message_type {

// The week's timetable faults shown in the report box.
inline constexpr std::int32_t kTimetableFaults = 16;
// The turn's message log shown in the report box.
inline constexpr std::int32_t kMessageLog = 20;
// A tournament's notice, waited on by the match.
inline constexpr std::int32_t kTournamentNotice = 22;
// Whether the player wants to see the opening.
inline constexpr std::int32_t kOpeningQuestion = 28;

} // namespace message_type
