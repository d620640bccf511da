#pragma once

#include "host/runtime/collection.h"
#include "platform/records/cls_passage_data.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The rule helpers shared by all game logic: the dice, percentages, name
// tables, career masks and small text builders. Draws come from Services().
namespace mdlZRDFunc {

// The twelve career ability masks, all 0 until SetCourseMasks runs.
extern std::array<std::int32_t, 12> gCourseMasks;

// The career names, index = career number - 1.
inline constexpr std::array<std::string_view, 27> gCourseNames = {
    "軍師",     "騎士",   "兵士長", "兵士", "見習い兵士", "遊び人", "忍者", "商人",   "旅人",
    "冒険者",   "技術者", "農民",   "学者", "猟師",       "退学",   "宰相", "政治家", "将軍",
    "占星術師", "賢者",   "中忍",   "上忍", "大商人",     "富豪",   "師匠", "匠",     "豪農",
};

// lo..hi inclusive; the two ends are half as likely as an inner value.
std::int16_t RandomInt(std::int16_t lo, std::int16_t hi);
// RandomInt(a, b) in hundredths: (80, 120) gives 0.80 to 1.20.
double RandomRate(std::int16_t a, std::int16_t b);
// A chance of about (p + 0.5) percent for 0 <= p < 100; always for p >= 100.
bool CheckPercent(std::int16_t p);

// value +/- Fix(value / 100 * percent), the division first.
std::int16_t AddPercent(std::int16_t value, std::int16_t percent);
std::int16_t SubPercent(std::int16_t value, std::int16_t percent);
std::int32_t SubPercentLong(std::int32_t value, std::int16_t percent);
// The price after taking (p \ 100) percent off.
std::int32_t CalcDiscount(std::int32_t value, std::int16_t p);
// A battle value changed by the unit's condition 1 (worst) to 5 (best).
std::int16_t CalcConditionValue(std::int32_t condition, std::int16_t value);
// 2n^2 + 10n + 10: the physical cost of a quest or battle of rank n.
std::int16_t CalcLevelValue(std::int16_t n);
double GetLineTypeFactor(std::string_view attackerType, std::string_view defenderType);
// The attack factor of "背水"; a maximum of 0 raises the division error.
double GetDesperationRate(std::int16_t maximum, std::int16_t current);

std::string GetRankName(std::int16_t n);
std::string GetNextClassType(std::string_view type);
std::string GetGrowthTips(std::string_view growth);
std::string GetTeacherSkillName(std::int16_t n);
std::string GetCharacterName(std::int16_t n);
std::string GetBasicAttackName(std::string_view lineType, bool isMonster);

void SetCourseMasks();
std::int32_t GetCourseMask(std::int32_t course);
// "不明" outside 1..27.
std::string GetCourseName(std::int32_t course);

// Append CR LF (or the separator) to a text that is not empty; return it.
std::string AddLineBreak(std::string& text);
std::string AddSeparator(std::string& text, std::string_view separator);
std::string JoinIntArray(std::span<const std::int16_t> values, std::string_view separator);
// Name, Age, Period and Dissatisfaction of each record joined by the
// separator, records joined by CR LF.
std::string GetPassageText(const host::runtime::Collection<clsPassageData>& list, std::string_view separator);

} // namespace mdlZRDFunc
