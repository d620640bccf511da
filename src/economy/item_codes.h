#pragma once

#include <array>
#include <cstdint>

// The item kinds of the catalogue (ItemType).
namespace item_type {

inline constexpr std::int32_t kMaterial = 1;
inline constexpr std::int32_t kConsumable = 2;
inline constexpr std::int32_t kBattle = 3;
inline constexpr std::int32_t kLesson = 4;
inline constexpr std::int32_t kBuilding = 5;
inline constexpr std::int32_t kTicket = 6;

} // namespace item_type

// Bits of a consumable's effect word: bits 1..17 are the abilities by number.
namespace consume_bit {

inline constexpr std::int16_t kLastAbility = 17;
inline constexpr std::int16_t kRecovery = 18;
inline constexpr std::int16_t kCondition = 19;
inline constexpr std::int16_t kDissatisfaction = 20;
inline constexpr std::int16_t kLast = kDissatisfaction;

} // namespace consume_bit

// A lesson item: its kind (Category, 1..16) and its packed lesson effect
// (Effect2: bits 17..31 the method, bits 1..16 the value).
namespace lesson_item {

inline constexpr std::int32_t kFirstKind = 1;
inline constexpr std::int32_t kLastKind = 16;
inline constexpr std::int16_t kValueLow = 1;
inline constexpr std::int16_t kValueHigh = 16;
inline constexpr std::int16_t kMethodLow = 17;
inline constexpr std::int16_t kMethodHigh = 31;
// The value is a percentage (120 = +20%).
inline constexpr std::int32_t kPercent = 1;
// The value is added as points.
inline constexpr std::int32_t kFlat = 2;

} // namespace lesson_item

// A building item: the building it is placed in (Category) and its influence
// (Effect2).
namespace building_item {

inline constexpr std::int32_t kMuseum = 1;
inline constexpr std::int32_t kLibrary = 2;
inline constexpr std::int32_t kChapel = 3;
inline constexpr std::array<std::int32_t, 5> kInfluences = {25, 50, 100, 250, 500};

} // namespace building_item

// The inventory's limits.
namespace item_rule {

// Units of one kind the school can hold; a unit beyond is sold at once.
inline constexpr long kHoldCap = 100;
// A unit whose wear passes this breaks.
inline constexpr std::int16_t kBreakAbove = 9500;
// Wear lowers a unit's price by a tenth per this much.
inline constexpr std::int16_t kWearStep = 1000;
// The unit-ID counter starts again from 0 once it passes this.
inline constexpr std::int32_t kUnitIdWrapAbove = 2140000000;

} // namespace item_rule

// The ticket exchange.
namespace ticket_rule {

// Prize rows of each ticket, drawn by numbers 1..kPrizeRows.
inline constexpr std::int16_t kPrizeRows = 50;
// The pause before each draw, in milliseconds.
inline constexpr double kDrawWaitMs = 500;

} // namespace ticket_rule
