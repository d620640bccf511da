#pragma once

#include <cstdint>

// The scratch values of the unit formation screen.
namespace unit_slots {

// The least physical strength a member needs on this opening.
inline constexpr std::int32_t kNeedPhysical = 22;
// The selected slot (-1 for none) and the selected student (empty for none).
inline constexpr std::int32_t kSelectedSlot = 23;
inline constexpr std::int32_t kSelectedName = 24;
// The quest the unit is formed for, written by the opener; empty for none.
inline constexpr std::int32_t kQuestName = 27;

} // namespace unit_slots
