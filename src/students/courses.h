#pragma once

#include <cstdint>

// Courses (careers) by number: 1..14 can be decided or guided to, 16..28 are
// reached only by graduates' career changes, 15 is a name no rule leads to.
namespace course {

inline constexpr std::int32_t kCount = 28;
inline constexpr std::int32_t kFirstCareerOnly = 16;

inline constexpr std::int32_t kTactician = 1;         // 軍師
inline constexpr std::int32_t kKnight = 2;            // 騎士
inline constexpr std::int32_t kSoldierCaptain = 3;    // 兵士長
inline constexpr std::int32_t kSoldier = 4;           // 兵士
inline constexpr std::int32_t kApprenticeSoldier = 5; // 見習い兵士
inline constexpr std::int32_t kIdler = 6;             // 遊び人
inline constexpr std::int32_t kNinja = 7;             // 忍者
inline constexpr std::int32_t kMerchant = 8;          // 商人
inline constexpr std::int32_t kTraveller = 9;         // 旅人
inline constexpr std::int32_t kAdventurer = 10;       // 冒険者
inline constexpr std::int32_t kEngineer = 11;         // 技術者
inline constexpr std::int32_t kFarmer = 12;           // 農民
inline constexpr std::int32_t kScholar = 13;          // 学者
inline constexpr std::int32_t kHunter = 14;           // 猟師
inline constexpr std::int32_t kWithdrawal = 15;       // 退学
inline constexpr std::int32_t kChancellor = 16;       // 宰相
inline constexpr std::int32_t kPolitician = 17;       // 政治家
inline constexpr std::int32_t kGeneral = 18;          // 将軍
inline constexpr std::int32_t kAstrologer = 19;       // 占星術師
inline constexpr std::int32_t kSage = 20;             // 賢者
inline constexpr std::int32_t kChunin = 21;           // 中忍
inline constexpr std::int32_t kJonin = 22;            // 上忍
inline constexpr std::int32_t kGreatMerchant = 23;    // 大商人
inline constexpr std::int32_t kMagnate = 24;          // 富豪
inline constexpr std::int32_t kMaster = 25;           // 師匠
inline constexpr std::int32_t kArtisan = 26;          // 匠
inline constexpr std::int32_t kLandlord = 27;         // 豪農
inline constexpr std::int32_t kKnightCommander = 28;  // no display name; a knight's next step

} // namespace course
