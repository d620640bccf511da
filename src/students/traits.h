#pragma once

#include <cstdint>

// A student's traits by number (the bits that clsStudent::HoldSkill tests).
namespace trait {

inline constexpr std::int32_t kCount = 16;

inline constexpr std::int32_t kCharisma = 1;     // カリスマ
inline constexpr std::int32_t kGifted = 2;       // 天才肌
inline constexpr std::int32_t kHardWorker = 3;   // 努力家
inline constexpr std::int32_t kSturdy = 4;       // 頑丈
inline constexpr std::int32_t kDeft = 5;         // 器用
inline constexpr std::int32_t kGrit = 6;         // 根性
inline constexpr std::int32_t kBoldHeart = 7;    // 強心臓
inline constexpr std::int32_t kGoodLooking = 8;  // 美形
inline constexpr std::int32_t kWildInstinct = 9; // 野生の勘
inline constexpr std::int32_t kFestive = 10;     // お祭り男
inline constexpr std::int32_t kFaintHeart = 11;  // ノミの心臓
inline constexpr std::int32_t kMeathead = 12;    // 脳筋
inline constexpr std::int32_t kLazy = 13;        // 怠け者
inline constexpr std::int32_t kFrail = 14;       // 貧弱
inline constexpr std::int32_t kClumsy = 15;      // 不器用

// The trait's bit in a student's trait set.
constexpr std::int32_t bitOf(std::int32_t n) {
    return static_cast<std::int32_t>(1u << (n - 1));
}

} // namespace trait
