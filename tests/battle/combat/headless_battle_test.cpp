#include "battle/battle_codes.h"
#include "battle/combat/headless_battle.h"
#include "combat_support.h"
#include "platform/services/silent_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using combattest::drawFor;
using combattest::Fighter;
using combattest::kFail;
using combattest::rateOf;
using combattest::SheetValues;
using combattest::SkillRow;

clsBattleRegulation rulesOf(std::int32_t battleTime) {
    clsBattleRegulation rules;
    rules.BattleTime(battleTime);
    return rules;
}

TEST(HeadlessBattle, TheSideThatGivesUpLoses) {
    const struct {
        const char* name;
        bool leftStrong = false;
        std::string winner = {};
    } cases[] = {
        {.name = "left wins", .leftStrong = true, .winner = "東校"},
        {.name = "right wins", .leftStrong = false, .winner = "西校"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedSilentServices services;
        const SheetValues strong{.physical = 500, .offense = 60, .defense = 10, .speed = 40};
        const SheetValues weak{.physical = 40, .offense = 5, .defense = 0, .speed = 30};
        SheetValues left = c.leftStrong ? strong : weak;
        SheetValues right = c.leftStrong ? weak : strong;
        left.name = "東校";
        right.name = "西校";
        Fighter east(left, {SkillRow{.name = "斬", .cost = 20, .hit = 80}}, unit_control::kComputer);
        Fighter west(right, {SkillRow{.name = "突", .cost = 20, .hit = 80}}, unit_control::kComputer);
        const clsBattleRegulation rules = rulesOf(battle_time::kLong);
        HeadlessBattle battle(rules);
        battle.run(east.unit, west.unit);
        EXPECT_EQ(battle.resultUnit(), c.winner);
        EXPECT_EQ(battle.result(), c.winner + "の勝ち");
        EXPECT_EQ(battle.log().back(), battle.result());
        EXPECT_LT(battle.ticks(), 3000);
        const clsUnit& loser = c.leftStrong ? west.unit : east.unit;
        EXPECT_TRUE(loser.GetGiveUp());
        EXPECT_EQ(loser.GetPhysical(), 0);
    }
}

TEST(HeadlessBattle, ATimeOutIsJudgedByPhysicalStrengthWithATieToTheLeft) {
    const struct {
        const char* name;
        std::int32_t battleTime = 0;
        std::int16_t leftPhysical = 0;
        std::int16_t rightPhysical = 0;
        std::int32_t ticks = 0;
        std::string result = {};
    } cases[] = {
        {.name = "a rule set without a time limit runs 500 ticks",
         .leftPhysical = 100,
         .rightPhysical = 100,
         .ticks = 500,
         .result = "判定で東校の勝ち"},
        {.name = "normal length, the right is stronger",
         .battleTime = battle_time::kNormal,
         .leftPhysical = 90,
         .rightPhysical = 100,
         .ticks = 1500,
         .result = "判定で西校の勝ち"},
        {.name = "short, the left is stronger",
         .battleTime = battle_time::kShort,
         .leftPhysical = 100,
         .rightPhysical = 99,
         .ticks = 500,
         .result = "判定で東校の勝ち"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedSilentServices services;
        // Neither can hurt the other.
        Fighter east(
            {.name = "東校", .physical = c.leftPhysical, .offense = 10, .defense = 30000, .speed = 80});
        Fighter west(
            {.name = "西校", .physical = c.rightPhysical, .offense = 10, .defense = 30000, .speed = 60});
        const clsBattleRegulation rules = rulesOf(c.battleTime);
        HeadlessBattle battle(rules);
        battle.run(east.unit, west.unit);
        EXPECT_EQ(battle.ticks(), c.ticks);
        EXPECT_EQ(battle.result(), c.result);
        EXPECT_EQ(battle.resultUnit(),
                  c.result.substr(std::string("判定で").size(), std::string("東校").size()));
        EXPECT_GT(east.attacks, 0);
    }
}

TEST(HeadlessBattle, BothGivingUpInOneTickIsADraw) {
    ScopedSilentServices services;
    // Both charge 101 and gain 50 energy a tick, reserve "突撃", pay 20 for it
    // and miss; the recoil of the next tick takes the last of both.
    const SkillRow charge{.name = "突撃", .cost = 20, .hit = 90};
    const SheetValues sheet{.physical = 10, .offense = 100, .speed = 1010, .energy = 500};
    SheetValues left = sheet;
    left.name = "東校";
    SheetValues right = sheet;
    right.name = "西校";
    Fighter east(left, {charge}, unit_control::kComputer);
    Fighter west(right, {charge}, unit_control::kComputer);
    const std::vector<float> chooseAndMiss = {drawFor(0, 100, 0), drawFor(0, 2, 0), kFail, rateOf(100)};
    const std::vector<float> recoilAndNoThought = {drawFor(10, 20, 10), drawFor(0, 100, 100)};
    std::vector<float> draws;
    for (const auto* part : {&chooseAndMiss, &chooseAndMiss, &recoilAndNoThought, &recoilAndNoThought})
        draws.insert(draws.end(), part->begin(), part->end());
    services->scriptDraws(draws);
    const clsBattleRegulation rules = rulesOf(battle_time::kShort);
    HeadlessBattle battle(rules);
    battle.run(east.unit, west.unit);
    EXPECT_EQ(battle.ticks(), 2);
    EXPECT_EQ(east.reserved, std::vector<std::string>{"突撃"});
    EXPECT_DOUBLE_EQ(east.unit.GetEnergy(), 80);
    EXPECT_DOUBLE_EQ(west.unit.GetEnergy(), 80);
    EXPECT_EQ(battle.resultUnit(), "draw");
    EXPECT_EQ(battle.result(), "相打ち");
    EXPECT_EQ(battle.log(),
              (std::vector<std::string>{"東校の攻撃", "突撃を発動", "miss", "西校の攻撃", "突撃を発動",
                                        "miss", "東校は10のダメージ", "西校は10のダメージ", "相打ち"}));
}

TEST(HeadlessBattle, ASeededBattleOfComputerFormationsReachesAJudgement) {
    ScopedSilentServices services;
    const std::vector<SkillRow> skills = {
        {.name = "連撃", .cost = 25, .count = 3, .hit = 80, .critical = 5, .random = true, .physical = 0.7f},
        {.name = "ツバメ返し",
         .cost = 45,
         .count = 3,
         .hit = 70,
         .physical = 0.9f,
         .energy = 0.25f,
         .effect = 8},
        {.name = "返し",
         .cost = 20,
         .hit = 60,
         .target = skill_kind::kCounterStance,
         .physical = 0.8f,
         .effect = 1},
        {.name = "きつつき", .cost = 30, .physical = 1.5f, .effect = 128},
        {.name = "突撃", .cost = 30, .hit = 90, .physical = 1.6f},
        {.name = "瞑想", .cost = 40, .target = skill_kind::kSelf, .physical = 0.5f, .effect = 256},
    };
    Fighter east({.name = "東校", .type = "攻撃", .physical = 900, .offense = 70, .defense = 25, .speed = 45},
                 skills, unit_control::kComputer);
    Fighter west({.name = "西校", .type = "奇襲", .physical = 800, .offense = 65, .defense = 30, .speed = 50},
                 skills, unit_control::kComputer);
    const clsBattleRegulation rules = rulesOf(battle_time::kLong);
    HeadlessBattle battle(rules);
    battle.run(east.unit, west.unit);
    EXPECT_LE(battle.ticks(), 3000);
    EXPECT_FALSE(east.reserved.empty());
    EXPECT_FALSE(west.reserved.empty());
    EXPECT_EQ(battle.log().back(), battle.result());
    const bool someoneGaveUp = east.unit.GetGiveUp() || west.unit.GetGiveUp();
    EXPECT_EQ(battle.result().starts_with("判定で"), !someoneGaveUp);
}

} // namespace
