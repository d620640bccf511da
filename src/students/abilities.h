#pragma once

#include <cstdint>

// The abilities by number, as ability blocks, lesson and item bits, teachers'
// levels and career rules count them.
namespace ability {

inline constexpr int kCount = 17;

inline constexpr std::int16_t kPhysical = 1;
inline constexpr std::int16_t kMuscle = 2;
inline constexpr std::int16_t kQuickness = 3;
inline constexpr std::int16_t kTechnique = 4;
inline constexpr std::int16_t kIntention = 5;
inline constexpr std::int16_t kToughness = 6;
inline constexpr std::int16_t kCharm = 7;
inline constexpr std::int16_t kLuck = 8;
inline constexpr std::int16_t kPropriety = 9;
inline constexpr std::int16_t kHistory = 10;
inline constexpr std::int16_t kFencing = 11;
inline constexpr std::int16_t kSpearmanship = 12;
inline constexpr std::int16_t kToxophily = 13;
inline constexpr std::int16_t kHorsemanship = 14;
// The three formation abilities.
inline constexpr std::int16_t kAggressive = 15;
inline constexpr std::int16_t kProtect = 16;
inline constexpr std::int16_t kSurprise = 17;

constexpr bool isFormation(std::int32_t n) {
    return n >= kAggressive && n <= kSurprise;
}

// Whether an ability mask holds a formation ability: a lesson that trains
// one is a formation lesson.
constexpr bool holdsFormation(std::int32_t bits) {
    for (std::int16_t n = kAggressive; n <= kSurprise; ++n)
        if ((static_cast<std::uint32_t>(bits) >> (n - 1)) & 1u) return true;
    return false;
}

// Ability n's bit in an ability mask (bit n, counted from 1).
constexpr std::int32_t bitOf(std::int16_t n) {
    return static_cast<std::int32_t>(1u << (n - 1));
}

// The lowest ability whose bit (bit n for ability n) is set in an ability
// mask; 0 when none is.
constexpr std::int16_t lowestIn(std::int32_t bits) {
    for (std::int16_t n = 1; n <= kCount; ++n)
        if ((static_cast<std::uint32_t>(bits) >> (n - 1)) & 1u) return n;
    return 0;
}

} // namespace ability
