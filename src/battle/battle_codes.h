#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The words and numbers the battle rules use, named once.

// Formation types (clsLine::LineType, a monster's LineType).
namespace formation_type {
inline constexpr std::string_view kAttack = "攻撃";
inline constexpr std::string_view kDefense = "防御";
inline constexpr std::string_view kSurprise = "奇襲";
inline constexpr std::array<std::string_view, 3> kAll = {kAttack, kDefense, kSurprise};
} // namespace formation_type

// Unit types: a formation's SubType and the type standing at a position.
namespace unit_type {
inline constexpr std::string_view kSwordsman = "剣士";
inline constexpr std::string_view kSpearman = "槍兵";
inline constexpr std::string_view kArcher = "弓兵";
inline constexpr std::string_view kCavalry = "騎兵";
inline constexpr std::array<std::string_view, 4> kAll = {kSwordsman, kSpearman, kArcher, kCavalry};
} // namespace unit_type

// A skill's kind (clsSkillData::Target).
namespace skill_kind {
inline constexpr std::int32_t kSelf = 1;
inline constexpr std::int32_t kAttack = 2;
inline constexpr std::int32_t kCounterStance = 3;
inline constexpr std::int32_t kAttackToo = 4;
inline constexpr std::int32_t kGuardStance = 5;
} // namespace skill_kind

// Skills with rules of their own, recognised by name.
namespace special_skill {
inline constexpr std::string_view kWait = "待機";
inline constexpr std::string_view kWheel = "車懸かり";
inline constexpr std::string_view kWoodpecker = "きつつき";
inline constexpr std::string_view kCutIn = "切り込み";
inline constexpr std::string_view kCharge = "突撃";
inline constexpr std::string_view kLastStand = "背水";
inline constexpr std::string_view kSwallowReturn = "ツバメ返し";
inline constexpr std::string_view kIronWall = "鉄壁";
inline constexpr std::array<std::string_view, 8> kAll = {kWait,   kWheel,     kWoodpecker,    kCutIn,
                                                         kCharge, kLastStand, kSwallowReturn, kIronWall};
} // namespace special_skill

namespace battle_limit {
// Positions of every formation, numbered 1..5; also the columns and rows of its grid.
inline constexpr std::int16_t kPositions = 5;
// Skills of one formation or monster (one button each).
inline constexpr int kSkills = 6;
// A monster's defeat count never passes this.
inline constexpr std::int16_t kDefeats = 999;
} // namespace battle_limit

// Defeats after which the bestiary shows a monster's values.
namespace bestiary_reveal {
inline constexpr std::int16_t kLineType = 5;
inline constexpr std::int16_t kPhysical = 10;
inline constexpr std::int16_t kOffense = 20;
inline constexpr std::int16_t kDefense = 30;
inline constexpr std::int16_t kEnergy = 40;
inline constexpr std::int16_t kSkills = 50;
} // namespace bestiary_reveal

// The tournaments of the year: June, October and March.
namespace tournament {
inline constexpr std::int16_t kJune = 6;
inline constexpr std::int16_t kOctober = 10;
inline constexpr std::int16_t kMarch = 3;

// The period a rule row names for the month: 1, 2, 3; 0 for a month without a tournament.
constexpr std::int16_t periodOf(std::int16_t month) {
    if (month == kJune) return 1;
    if (month == kOctober) return 2;
    if (month == kMarch) return 3;
    return 0;
}

// The season index of the rival schools' strength draw: 0 June, 1 October, 2 otherwise.
constexpr std::int16_t seasonOf(std::int16_t month) {
    if (month == kJune) return 0;
    if (month == kOctober) return 1;
    return 2;
}

// Rival schools: at rank kLargeFieldRank or above 7 drawn among the first
// 10 of the rank, below it 3 among the first 4.
inline constexpr std::int16_t kLargeFieldRank = 3;
inline constexpr int kLargeField = 7;
inline constexpr std::int16_t kLargePool = 10;
inline constexpr int kSmallField = 3;
inline constexpr std::int16_t kSmallPool = 4;

// The school's placing as the facade takes it: the final won, the final
// lost, the first semifinal lost from kThirdPlaceRank up, any other loss.
inline constexpr std::string_view kPlaceWon = "1";
inline constexpr std::string_view kPlaceRunnerUp = "2";
inline constexpr std::string_view kPlaceThird = "3";
inline constexpr std::string_view kPlaceOut = "0";
inline constexpr std::int16_t kThirdPlaceRank = 3;
} // namespace tournament

// Quest fights.
namespace quest_battle {
// Quests of a rank above this fight long battles, the others normal ones.
inline constexpr std::int16_t kLongAboveRank = 4;
// Defeats of a monster after which the battle screen shows its values.
inline constexpr std::int16_t kSeePhysical = 10;
inline constexpr std::int16_t kSeeEnergy = 15;
inline constexpr std::int16_t kSeeCT = 20;
inline constexpr std::int16_t kSeeSkills = 25;
// The monsters whose fights play the rare music.
inline constexpr std::array<std::string_view, 3> kRareMonsters = {"ドラゴンロード", "アークエンジェル",
                                                                  "グランガチ"};
inline constexpr std::string_view kRareBGM = "レア";
inline constexpr std::string_view kUsualBGM = "通常";
} // namespace quest_battle

// The team strength calculation.
namespace team_strength {
// The understanding at which the formation bonus is full.
inline constexpr double kFullBonusUnderstanding = 25;
// The speed and energy curve: angle = understanding / 180 x 3.14.
inline constexpr double kCurvePi = 3.14;
// Each bold heart adds, each faint heart takes, this much critical chance; the sum stays within the limit.
inline constexpr std::int16_t kCriticalStep = 10;
inline constexpr std::int16_t kCriticalLimit = 20;
// The best battle condition.
inline constexpr std::int32_t kBestCondition = 5;
// A monster's battle condition.
inline constexpr std::int32_t kMonsterCondition = 3;
// The lowest speed of a calculated team.
inline constexpr double kMinSpeed = 1;
} // namespace team_strength

// Status effects: bit numbers of a skill's, a damage record's and a battle
// item's effect word (bit k has the value 2^(k-1)).
namespace status_bit {
inline constexpr std::int16_t kAnger = 1;
inline constexpr std::int16_t kConfusion = 2;
inline constexpr std::int16_t kOffenseDown = 3;
inline constexpr std::int16_t kDefenseDown = 4;
inline constexpr std::int16_t kOffenseUp = 5;
inline constexpr std::int16_t kEnergyDown = 6;
inline constexpr std::int16_t kNotUseSkill = 7;
inline constexpr std::int16_t kSpeedDown = 8;
inline constexpr std::int16_t kSpeedUp = 9;
inline constexpr std::int16_t kEnergyUp = 10;
inline constexpr std::int16_t kLast = kEnergyUp;

constexpr std::int32_t valueOf(std::int16_t bit) {
    return std::int32_t{1} << (bit - 1);
}
} // namespace status_bit

// The multipliers the status effects give (clsUnitStatus::GetStatusEffect).
namespace status_multiplier {
inline constexpr std::int32_t kOffense = 1;
inline constexpr std::int32_t kDefense = 2;
inline constexpr std::int32_t kSpeed = 3;
inline constexpr std::int32_t kEnergy = 4;
} // namespace status_multiplier

// What a combatant's last skill left pending (clsUnitWait::WaitStatus).
namespace wait_status {
inline constexpr std::int32_t kIdle = 1;
inline constexpr std::int32_t kGuardStance = 2;
inline constexpr std::int32_t kCounterStance = 3;
inline constexpr std::int32_t kDelayed = 4;
} // namespace wait_status

// Who chooses a combatant's skills (clsUnit::UnitControl).
namespace unit_control {
inline constexpr std::int32_t kComputer = 1;
inline constexpr std::int32_t kPlayer = 2;
} // namespace unit_control

// The charge at which a computer combatant chooses, and at which a combatant acts.
namespace charge {
inline constexpr double kThink = 50;
inline constexpr double kFull = 100;
inline constexpr double kEnergyCap = 100;
} // namespace charge

// How long an effect lasts (clsUnit::GetEffectDuration).
namespace effect_duration {
// Effects a combatant gives itself with a self skill.
inline constexpr std::int16_t kOwn = 1;
// Effects received from the other side, and the "車懸かり" effect.
inline constexpr std::int16_t kReceived = 2;
} // namespace effect_duration

// A battle's time-limit code (clsBattleRegulation::BattleTime) and its ticks.
namespace battle_time {
inline constexpr std::int32_t kShort = 1;
inline constexpr std::int32_t kNormal = 2;
inline constexpr std::int32_t kLong = 3;
inline constexpr std::int32_t kEndless = 4;

constexpr std::int32_t ticksOf(std::int32_t code) {
    if (code == kNormal) return 1500;
    if (code == kLong) return 3000;
    if (code == kEndless) return 30000;
    return 500;
}
} // namespace battle_time
