#pragma once

#include <cstdint>

// The business cycle's levels and the words that name their bands; the
// companies react to the words.
namespace boom_level {

inline constexpr std::int16_t kPanic = 0;
inline constexpr std::int16_t kLastRecession = 3;
inline constexpr std::int16_t kLastNormal = 6;
inline constexpr std::int16_t kLastBoom = 9;
inline constexpr std::int16_t kBubble = 10;

inline constexpr const char* kPanicWord = "恐慌";
inline constexpr const char* kRecessionWord = "不況";
inline constexpr const char* kNormalWord = "普通";
inline constexpr const char* kBoomWord = "好景気";
inline constexpr const char* kBubbleWord = "バブル";

} // namespace boom_level

// What a sponsor contract gives (SponsorMerit) and the kinds of the condition
// under which a company offers one (SponsorCondType).
namespace sponsor_merit {

inline constexpr std::int32_t kShopItems = 1;
inline constexpr std::int32_t kCampDiscount = 2;
inline constexpr std::int32_t kConstructionDiscount = 3;

// The item shop's rows by sponsor shop code; bit 7 is the permanent stock,
// on without any sponsor.
inline constexpr std::int16_t kFirstShopCode = 1;
inline constexpr std::int16_t kLastShopCode = 11;
inline constexpr std::int16_t kPermanentStockBit = 7;

} // namespace sponsor_merit

namespace sponsor_condition {

inline constexpr std::int32_t kRank = 1;
inline constexpr std::int32_t kHoldStock = 2;
// Low 15 bits: career lines by number; high word: the graduate points needed.
inline constexpr std::int32_t kGraduatePoints = 3;
inline constexpr std::int32_t kSchoolhouseScale = 4;
inline constexpr std::int32_t kDormitoryScale = 5;
inline constexpr std::int32_t kClassroomBit = 6;
inline constexpr std::int32_t kFacilityBit = 7;
inline constexpr std::int32_t kConstructionBit = 8;
inline constexpr std::int16_t kLastCareerLine = 15;

} // namespace sponsor_condition

// A company's Stability in the catalogue.
namespace company_stability {
inline constexpr std::int16_t kLowest = 1;
inline constexpr std::int16_t kHighest = 5;
} // namespace company_stability

// The share market's limits.
namespace share_rule {

// Shares of one company the school can hold.
inline constexpr std::int16_t kHoldCap = 100;
// New sponsor offers drawn at most at a time.
inline constexpr long kMostOffers = 4;
// The value of all held shares is shown at most as this.
inline constexpr std::int32_t kTotalValueCap = 99999999;

} // namespace share_rule

// The doors of clsMngCompany::CompanyData to one company's shares.
namespace company_door {
inline constexpr std::int32_t kStockPrice = 1;
inline constexpr std::int32_t kHoldStock = 2;
inline constexpr std::int32_t kSell = 3;
inline constexpr std::int32_t kBuy = 4;
} // namespace company_door

// The direction of clsMngCompany::MoveMoney.
namespace money_method {
inline constexpr std::int32_t kReceive = 1; // shares sold
inline constexpr std::int32_t kPay = 2;     // shares bought
} // namespace money_method
