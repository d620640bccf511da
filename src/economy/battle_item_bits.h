#pragma once

#include <cstdint>

// Where a battle item's effects sit in its three catalogue words (bits
// counted from 1).
namespace battle_item_bits {

struct Field {
    std::int16_t low;
    std::int16_t high;
};

// Category: bits 1..7 the targets (攻撃, 防御, 奇襲, 剣士, 槍兵, 弓兵, 騎兵),
// then the two sights.
inline constexpr std::int16_t kFirstTarget = 1;
inline constexpr std::int16_t kLastTarget = 7;
inline constexpr std::int16_t kVisibleParam = 8;
inline constexpr std::int16_t kVisibleAll = 9;

// Effect1: defence and offence with their methods, then the protections.
inline constexpr Field kDefense = {1, 8};
inline constexpr Field kDefenseMethod = {9, 11};
inline constexpr Field kOffense = {12, 19};
inline constexpr Field kOffenseMethod = {20, 22};
inline constexpr std::int16_t kConfusePrevent = 23;
inline constexpr std::int16_t kAngerPrevent = 24;
inline constexpr std::int16_t kNotUseSkillPrevent = 25;

// Effect2: speed, energy and physical strength with their methods.
inline constexpr Field kSpeed = {1, 6};
inline constexpr Field kSpeedMethod = {7, 9};
inline constexpr Field kEnergy = {10, 15};
inline constexpr Field kEnergyMethod = {16, 18};
inline constexpr Field kPhysical = {19, 28};
inline constexpr Field kPhysicalMethod = {29, 31};

} // namespace battle_item_bits

// How a battle item changes a value x by its value v.
namespace battle_method {

inline constexpr std::int32_t kNone = 0;
inline constexpr std::int32_t kAdd = 1;        // x + v
inline constexpr std::int32_t kAddPercent = 2; // x + v% of x
inline constexpr std::int32_t kSub = 3;        // x - v
inline constexpr std::int32_t kSubPercent = 4; // x - v% of x
inline constexpr std::int32_t kAddTenth = 5;   // x + v/10
inline constexpr std::int32_t kSubTenth = 6;   // x - v/10
inline constexpr std::int32_t kZero = 7;       // 0
inline constexpr std::int32_t kLast = kZero;

} // namespace battle_method
