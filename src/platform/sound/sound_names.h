#pragma once

// The names of the sound effects the game plays by name, each written once.
namespace sound_name {

// Money paid or received.
inline constexpr const char* kCoin = "coin05";
// A career decided, an ability grown by practice.
inline constexpr const char* kChime = "coin03";
// Something failed, broke or had no effect.
inline constexpr const char* kBoo = "puu79_a";
// A tournament starts.
inline constexpr const char* kTournament = "大会";
// An ability level gained by the body, by weapon technique.
inline constexpr const char* kPowerUp = "power01";
inline constexpr const char* kSkillUp = "cursor00_a";
// The battle effect whose animation failed.
inline constexpr const char* kEffectFailed = "bosu23";
// The owner-drawn controls' own sounds.
inline constexpr const char* kClick = "click";
inline constexpr const char* kMouseMove = "mousemove";
inline constexpr const char* kScroll = "scroll";
inline constexpr const char* kSort = "sort";

} // namespace sound_name
