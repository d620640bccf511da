#include "battle/battle_codes.h"
#include "battle/combat/cls_base_unit.h"
#include "combat_support.h"
#include "platform/services/silent_services.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using combattest::Core;
using combattest::drawFor;
using combattest::kFail;
using combattest::kPass;
using combattest::SheetValues;
using combattest::SkillRow;
using Messages = std::vector<std::string>;

// One action of one blow by an attacker of offence 100.
struct BlowCase {
    const char* name = {};
    SheetValues sheet = {};
    // The physical strength left, for "背水".
    std::int16_t current = 100;
    // No skill: the basic attack.
    std::optional<SkillRow> skill = {};
    std::string defenderType = "攻撃";
    std::vector<float> draws = {};
    bool blows = true;
    std::int16_t counter = 1;
    bool hit = true;
    std::int16_t physical = 0;
    std::int16_t energy = 0;
    bool direct = false;
    Messages messages = {};
};

SkillRow named(std::string name, float physical = 1.0f) {
    return {.name = std::move(name), .hit = 90, .physical = physical};
}

TEST(BaseUnit, TheDamageOfOneBlow) {
    const BlowCase cases[] = {
        {.name = "basic attack", .draws = {kPass, kFail}, .physical = 100, .messages = {"甲の攻撃"}},
        {.name = "basic attack against the type it beats",
         .defenderType = "奇襲",
         .draws = {kPass, kFail},
         .physical = 120,
         .messages = {"甲の攻撃"}},
        {.name = "basic attack against the type that beats it",
         .defenderType = "防御",
         .draws = {kPass, kFail},
         .physical = 80,
         .messages = {"甲の攻撃"}},
        {.name = "basic critical",
         .draws = {kPass, kPass},
         .physical = 200,
         .messages = {"甲の攻撃", "クリティカル!"}},
        {.name = "basic attack missed", .draws = {kFail}, .blows = false, .messages = {"甲の攻撃", "miss"}},
        {.name = "basic attack in condition 4",
         .sheet = {.condition = 4},
         .draws = {drawFor(3, 6, 6), kPass, kFail, drawFor(3, 10, 10)},
         .physical = 110,
         .messages = {"甲の攻撃"}},
        {.name = "skill",
         .skill = SkillRow{.name = "連撃", .count = 3, .physical = 0.7f, .energy = 0.5f, .direct = true},
         .draws = {kPass, kFail},
         .counter = 3,
         .physical = 70,
         .energy = 50,
         .direct = true,
         .messages = {"甲の攻撃", "連撃を発動"}},
        {.name = "skill critical",
         .skill = SkillRow{.name = "連撃", .physical = 0.7f},
         .defenderType = "奇襲",
         .draws = {kPass, kPass},
         .physical = 168,
         .messages = {"甲の攻撃", "連撃を発動", "クリティカル!"}},
        {.name = "skill missed",
         .skill = named("連撃"),
         .draws = {kFail},
         .hit = false,
         .messages = {"甲の攻撃", "連撃を発動", "miss"}},
        {.name = "a hit chance of 0 still hits on a draw below 0.005",
         .skill = SkillRow{.name = "連撃", .hit = 0},
         .draws = {0.0049f, kFail},
         .physical = 100,
         .messages = {"甲の攻撃", "連撃を発動"}},
        {.name = "a hit chance of 0 misses from 0.005 up",
         .skill = SkillRow{.name = "連撃", .hit = 0},
         .draws = {0.0051f},
         .hit = false,
         .messages = {"甲の攻撃", "連撃を発動", "miss"}},
        {.name = "random blows",
         .skill = SkillRow{.name = "乱打", .count = 3, .random = true},
         .draws = {drawFor(1, 3, 2), kPass, kFail},
         .counter = 2,
         .physical = 100,
         .messages = {"甲の攻撃", "乱打を発動"}},
        {.name = "背水 at full strength: half the offence, critical announced but not doubled",
         .skill = named("背水", 3.0f),
         .draws = {kPass, kPass},
         .physical = 50,
         .messages = {"甲の攻撃", "背水を発動", "クリティカル!"}},
        {.name = "背水 near the end",
         .current = 1,
         .skill = named("背水", 3.0f),
         .draws = {kPass, kFail},
         .physical = 385,
         .messages = {"甲の攻撃", "背水を発動"}},
        {.name = "背水 of a combatant without maximum deals nothing",
         .sheet = {.physical = 0},
         .current = 0,
         .skill = named("背水", 3.0f),
         .draws = {kPass, kFail},
         .physical = 0,
         .messages = {"甲の攻撃", "背水を発動"}},
        {.name = "きつつき that hits deals nothing now and says nothing",
         .skill = named("きつつき"),
         .draws = {drawFor(10, 40, 20), kPass, kPass},
         .hit = false,
         .physical = 200,
         .messages = {"甲の攻撃", "きつつきを発動"}},
        {.name = "きつつき that misses",
         .skill = named("きつつき"),
         .draws = {drawFor(10, 40, 20), kFail},
         .hit = false,
         .messages = {"甲の攻撃", "きつつきを発動", "miss"}},
        {.name = "a blow too strong for 16 bits is held at the range",
         .sheet = {.offense = 30000},
         .skill = named("連撃", 2.0f),
         .draws = {kPass, kPass},
         .physical = 32767,
         .messages = {"甲の攻撃", "連撃を発動", "クリティカル!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedSilentServices services;
        services->scriptDraws(c.draws);
        std::vector<SkillRow> skills = {};
        if (c.skill) skills.push_back(*c.skill);
        Core core(c.sheet, skills);
        core.core->LetPhysical(c.current);
        const std::string skill = c.skill ? c.skill->name : "";
        clsDamage damage;
        ASSERT_EQ(core.core->PreAttack(skill, damage), c.blows);
        if (c.blows) {
            EXPECT_EQ(damage.BattleCounter(), c.counter);
            EXPECT_EQ(core.core->Attack(skill, c.defenderType, damage), c.hit);
        }
        EXPECT_EQ(damage.Physical(), c.physical);
        EXPECT_EQ(damage.Energy(), c.energy);
        EXPECT_EQ(damage.DirectAttack(), c.direct);
        EXPECT_EQ(core.messages, c.messages);
        EXPECT_EQ(services->drawCount(), static_cast<int>(c.draws.size()));
    }
}

TEST(BaseUnit, TheSwallowReturnsFirstBlowDecidesTheRest) {
    ScopedSilentServices services;
    Core core(
        {}, {SkillRow{
                .name = "ツバメ返し", .count = 3, .hit = 90, .physical = 0.5f, .effect = 8, .image = true}});
    clsDamage damage;
    services->scriptDraws({kFail, kFail, kPass, kFail});
    ASSERT_TRUE(core.core->PreAttack("ツバメ返し", damage));
    EXPECT_FALSE(core.core->Attack("ツバメ返し", "攻撃", damage));
    EXPECT_EQ(damage.Tag(), "miss");
    EXPECT_TRUE(core.core->Attack("ツバメ返し", "攻撃", damage));
    EXPECT_EQ(damage.Physical(), 150);
    EXPECT_TRUE(damage.DirectAttack());
    damage.Physical(0);
    damage.DirectAttack(false);
    EXPECT_TRUE(core.core->Attack("ツバメ返し", "攻撃", damage));
    EXPECT_EQ(damage.Physical(), 150);
    EXPECT_TRUE(damage.DirectAttack());
    EXPECT_EQ(damage.Effect(), 8);
    EXPECT_EQ(core.messages,
              (Messages{"甲の攻撃", "ツバメ返しを発動", "miss", "クリティカル!", "クリティカル!"}));
    EXPECT_EQ(core.effects, (Messages{"ツバメ返し/ツバメ返し", "ツバメ返し/ツバメ返し"}));

    Core hits({}, {SkillRow{.name = "ツバメ返し", .count = 2, .hit = 90, .physical = 0.5f}});
    clsDamage second;
    services->scriptDraws({kPass, kFail, kFail});
    ASSERT_TRUE(hits.core->PreAttack("ツバメ返し", second));
    EXPECT_TRUE(hits.core->Attack("ツバメ返し", "攻撃", second));
    EXPECT_EQ(second.Tag(), "hit");
    EXPECT_EQ(second.Physical(), 50);
    EXPECT_FALSE(hits.core->Attack("ツバメ返し", "攻撃", second));
    EXPECT_EQ(hits.messages.back(), "miss");
}

TEST(BaseUnit, EachSkillLeavesItsWaitRecord) {
    const struct {
        const char* name = {};
        SkillRow skill = {};
        std::vector<float> draws = {};
        bool blows = {};
        std::int32_t waitStatus = {};
        std::int16_t waitCount = {};
        std::int32_t damageEffect = {};
        Messages messages = {};
    } cases[] = {
        {.name = "attack",
         .skill = {.name = "斬", .effect = 16},
         .blows = true,
         .waitStatus = wait_status::kIdle,
         .damageEffect = 16,
         .messages = {"甲の攻撃", "斬を発動"}},
        {.name = "車懸かり keeps its effect for the user",
         .skill = {.name = "車懸かり", .effect = 256},
         .blows = true,
         .waitStatus = wait_status::kDelayed,
         .messages = {"甲の攻撃", "車懸かりを発動"}},
        {.name = "きつつき lurks until charge 10 + 10..(40 - U)",
         .skill = {.name = "きつつき", .effect = 4},
         .draws = {drawFor(10, 37, 37)},
         .blows = true,
         .waitStatus = wait_status::kDelayed,
         .waitCount = 47,
         .damageEffect = 4,
         .messages = {"甲の攻撃", "きつつきを発動"}},
        {.name = "突撃",
         .skill = {.name = "突撃"},
         .blows = true,
         .waitStatus = wait_status::kDelayed,
         .messages = {"甲の攻撃", "突撃を発動"}},
        {.name = "切り込み",
         .skill = {.name = "切り込み"},
         .blows = true,
         .waitStatus = wait_status::kDelayed,
         .messages = {"甲の攻撃", "切り込みを発動"}},
        {.name = "a counter stance is set silently",
         .skill = {.name = "返し", .target = skill_kind::kCounterStance},
         .blows = false,
         .waitStatus = wait_status::kCounterStance,
         .waitCount = 100,
         .messages = {"甲の攻撃"}},
        {.name = "a guard stance is set silently",
         .skill = {.name = "鉄壁", .target = skill_kind::kGuardStance},
         .blows = false,
         .waitStatus = wait_status::kGuardStance,
         .waitCount = 100,
         .messages = {"甲の攻撃"}},
        {.name = "待機 has its own announcement",
         .skill = {.name = "待機", .target = 0},
         .blows = false,
         .waitStatus = wait_status::kIdle,
         .messages = {"甲の攻撃", "待機した"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedSilentServices services;
        services->scriptDraws(c.draws);
        Core core({.understanding = 3}, {c.skill});
        std::shared_ptr<clsUnitWait> wait;
        core.core->ExceptionSkill.subscribe([&](std::shared_ptr<clsUnitWait>& record) { wait = record; });
        clsDamage damage;
        EXPECT_EQ(core.core->PreAttack(c.skill.name, damage), c.blows);
        ASSERT_TRUE(wait);
        EXPECT_EQ(wait->SkillName(), c.skill.name);
        EXPECT_EQ(wait->WaitStatus(), c.waitStatus);
        EXPECT_EQ(wait->Count(), c.waitCount);
        EXPECT_EQ(damage.Effect(), c.damageEffect);
        EXPECT_EQ(core.messages, c.messages);
    }
}

TEST(BaseUnit, ASelfSkillRecoversWithoutBlows) {
    ScopedSilentServices services;
    Core core(
        {.offense = 85},
        {SkillRow{
            .name = "瞑想", .target = skill_kind::kSelf, .physical = 0.5f, .effect = 512, .image = true}});
    std::vector<std::pair<int, int>> recovered;
    core.core->Recover.subscribe([&](std::int16_t& amount, std::int32_t& effect) {
        recovered.push_back({amount, effect});
    });
    clsDamage damage;
    EXPECT_FALSE(core.core->PreAttack("瞑想", damage));
    EXPECT_EQ(recovered, (std::vector<std::pair<int, int>>{{42, 512}}));
    EXPECT_EQ(core.effects, Messages{"瞑想/瞑想"});
    EXPECT_EQ(core.messages, (Messages{"甲の攻撃", "瞑想を発動"}));
}

// The heal is offence x factor in single precision: 85 x 0.1 lands on 8.5
// exactly and rounds to even.
TEST(BaseUnit, ASelfSkillHealsTheSinglePrecisionProductRoundedToEven) {
    const struct {
        const char* skill;
        std::int16_t offense;
        float factor;
        int healed;
    } cases[] = {
        {.skill = "咆哮", .offense = 85, .factor = 0.1f, .healed = 8},
        {.skill = "ベルセルク", .offense = 15, .factor = 0.3f, .healed = 4},
        {.skill = "瞑想", .offense = 7, .factor = 0.5f, .healed = 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.skill);
        ScopedSilentServices services;
        Core core({.offense = c.offense},
                  {SkillRow{.name = c.skill, .target = skill_kind::kSelf, .physical = c.factor}});
        std::vector<int> recovered;
        core.core->Recover.subscribe(
            [&](std::int16_t& amount, std::int32_t&) { recovered.push_back(amount); });
        clsDamage damage;
        EXPECT_FALSE(core.core->PreAttack(c.skill, damage));
        EXPECT_EQ(recovered, std::vector<int>{c.healed});
    }
}

TEST(BaseUnit, WithoutSkillsItFightsWithTheBasicAttackAndTheComputerChoosesNothing) {
    ScopedSilentServices services;
    Core core({.type = "攻撃"});
    EXPECT_EQ(core.core->GetSkillCount(), 0);
    EXPECT_TRUE(core.core->GetSkillsName().empty());
    std::string name = "前";
    EXPECT_FALSE(core.core->GetComSkill(100, name));
    EXPECT_EQ(name, "前");
    std::int16_t cost = -1;
    EXPECT_FALSE(core.core->GetUseSkill("", 100, cost));
    EXPECT_EQ(cost, -1);
    EXPECT_EQ(testsupport::errorOf([&] { core.core->GetSkill("斬"); }),
              host::runtime::ErrorNumber::InvalidCall);
}

TEST(BaseUnit, KeepsAtMostSixSkillsInTheirOrder) {
    Core core({},
              {named("一"), named("二"), named("三"), named("四"), named("五"), named("六"), named("七")});
    EXPECT_EQ(core.core->GetSkillsName(), (Messages{"一", "二", "三", "四", "五", "六"}));
}

TEST(BaseUnit, ValuesFromTheSheet) {
    ScopedSilentServices services;
    Core core({.physical = 0, .defense = 40, .speed = 52.346, .energy = 15, .condition = 5});
    core.core->LetPhysical(0);
    EXPECT_EQ(core.core->GetNowPerMaxPhysical(), 0);
    EXPECT_DOUBLE_EQ(core.core->GetSpeed(), 5.235);
    EXPECT_DOUBLE_EQ(core.core->GetEnergy(), 1.5);
    services->scriptDraws({drawFor(8, 15, 10), drawFor(8, 15, 15)});
    EXPECT_EQ(core.core->GetDefense(), 44);
    EXPECT_EQ(core.core->GetDefense(), 46);

    Core half({.physical = 300});
    half.core->LetPhysical(199);
    EXPECT_EQ(half.core->GetNowPerMaxPhysical(), 66);
}

} // namespace
