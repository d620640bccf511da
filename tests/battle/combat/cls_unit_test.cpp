#include "battle/battle_codes.h"
#include "battle/combat/cls_unit.h"
#include "combat_support.h"
#include "platform/services/silent_services.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using combattest::drawFor;
using combattest::Fighter;
using combattest::kFail;
using combattest::kPass;
using combattest::rateOf;
using combattest::SheetValues;
using combattest::SkillRow;
using Messages = std::vector<std::string>;

void ticks(clsUnit& unit, int n) {
    for (int i = 0; i < n; ++i)
        unit.CounterAdd();
}

// Uses a skill outside any battle, to leave its stance or delayed action pending.
void use(Fighter& fighter, const std::string& skill) {
    clsUseSkill reservation;
    reservation.UseSkill(skill);
    clsDamage damage;
    fighter.unit.PreAttack(reservation, damage);
    fighter.messages.clear();
    fighter.effects.clear();
}

TEST(Unit, ChargesBySpeedActsAbove100AndKeepsTheExcess) {
    ScopedSilentServices services;
    Fighter fighter({.speed = 50, .energy = 49});
    ticks(fighter.unit, 20);
    EXPECT_DOUBLE_EQ(fighter.unit.GetCount(), 100);
    EXPECT_DOUBLE_EQ(fighter.unit.GetEnergy(), 98);
    EXPECT_EQ(fighter.attacks, 0);
    ticks(fighter.unit, 1);
    EXPECT_EQ(fighter.attacks, 1);
    EXPECT_DOUBLE_EQ(fighter.unit.GetCount(), 5);
    EXPECT_DOUBLE_EQ(fighter.unit.GetEnergy(), 100);
    EXPECT_EQ(services->drawCount(), 0);
}

TEST(Unit, AComputerChoosesOncePerCharge) {
    ScopedSilentServices services;
    Fighter fighter({.type = "攻撃", .speed = 50}, {SkillRow{.name = "斬"}}, unit_control::kComputer);
    services->scriptDraws({drawFor(0, 100, 0), drawFor(0, 2, 0)});
    ticks(fighter.unit, 9);
    EXPECT_TRUE(fighter.reserved.empty());
    ticks(fighter.unit, 12);
    EXPECT_EQ(fighter.reserved, Messages{"斬"});
    EXPECT_EQ(fighter.attacks, 1);
    // After the action it thinks again at 50: this time it does not.
    services->scriptDraws({drawFor(0, 100, 100)});
    ticks(fighter.unit, 9);
    EXPECT_EQ(services->drawCount(), 3);
}

TEST(Unit, UnitInitLetsAComputerThatChoseThinkAgain) {
    ScopedSilentServices services;
    Fighter fighter({.type = "攻撃", .speed = 50}, {SkillRow{.name = "斬"}}, unit_control::kComputer);
    services->scriptDraws({drawFor(0, 100, 100), drawFor(0, 100, 0), drawFor(0, 2, 0)});
    ticks(fighter.unit, 10);
    fighter.unit.UnitInit(0);
    ticks(fighter.unit, 10);
    EXPECT_EQ(fighter.reserved, Messages{"斬"});
}

TEST(Unit, AConfusedCombatantNeitherChargesNorActs) {
    ScopedSilentServices services;
    Fighter fighter({.speed = 50}, {SkillRow{.name = "乱心",
                                             .target = skill_kind::kSelf,
                                             .physical = 0,
                                             .effect = status_bit::valueOf(status_bit::kConfusion)}});
    services->scriptDraws({drawFor(1, 10, 1)});
    use(fighter, "乱心");
    ticks(fighter.unit, 84);
    EXPECT_DOUBLE_EQ(fighter.unit.GetCount(), 0);
    EXPECT_DOUBLE_EQ(fighter.unit.GetEnergy(), 0);
    clsUseSkill reservation;
    clsDamage damage;
    EXPECT_FALSE(fighter.unit.PreAttack(reservation, damage));
    ticks(fighter.unit, 1);
    EXPECT_EQ(fighter.messages, Messages{"甲は混乱から立ち直った"});
    EXPECT_DOUBLE_EQ(fighter.unit.GetCount(), 5);
}

TEST(Unit, AReservedSkillItCannotUseTurnsIntoAFreeBasicAttack) {
    ScopedSilentServices services;
    Fighter fighter({.speed = 100, .energy = 100},
                    {SkillRow{.name = "大技", .cost = 30},
                     SkillRow{.name = "封印",
                              .target = skill_kind::kSelf,
                              .physical = 0,
                              .effect = status_bit::valueOf(status_bit::kNotUseSkill)}});
    ticks(fighter.unit, 2);
    EXPECT_FALSE(fighter.unit.GetUseSkill("大技"));
    EXPECT_FALSE(fighter.unit.GetUseSkill(""));
    clsUseSkill reservation;
    reservation.UseSkill("大技");
    clsDamage damage;
    services->scriptDraws({kPass});
    EXPECT_TRUE(fighter.unit.PreAttack(reservation, damage));
    EXPECT_EQ(reservation.UseSkill(), "");
    EXPECT_DOUBLE_EQ(fighter.unit.GetEnergy(), 20);

    ticks(fighter.unit, 1);
    EXPECT_TRUE(fighter.unit.GetUseSkill("大技"));
    reservation.UseSkill("大技");
    services->scriptDraws({});
    EXPECT_TRUE(fighter.unit.PreAttack(reservation, damage));
    EXPECT_EQ(reservation.UseSkill(), "大技");
    EXPECT_DOUBLE_EQ(fighter.unit.GetEnergy(), 0);

    services->scriptDraws({drawFor(1, 10, 1)});
    use(fighter, "封印");
    ticks(fighter.unit, 3);
    EXPECT_FALSE(fighter.unit.GetUseSkill("大技"));
    reservation.UseSkill("大技");
    services->scriptDraws({kPass});
    fighter.unit.PreAttack(reservation, damage);
    EXPECT_EQ(reservation.UseSkill(), "");
    EXPECT_DOUBLE_EQ(fighter.unit.GetEnergy(), 30);
}

// A blow received by a defender of physical 100 and offence 100.
struct DamageCase {
    const char* name = {};
    std::int16_t defense = 0;
    // A stance or delayed action left pending first, with the draws it needs.
    std::optional<SkillRow> pending = {};
    std::vector<float> pendingDraws = {};
    std::int16_t physical = 0;
    std::int16_t energy = 0;
    std::int32_t effect = 0;
    bool direct = false;
    std::vector<float> draws = {};
    bool answer = false;
    std::int16_t physicalLeft = 100;
    Messages messages = {};
    // The counter the other side takes.
    std::optional<std::int16_t> counterPhysical = {};
};

TEST(Unit, TakingABlow) {
    const SkillRow parry{.name = "受け流し",
                         .hit = 80,
                         .critical = 10,
                         .target = skill_kind::kGuardStance,
                         .physical = 0.5f,
                         .energy = 0.2f,
                         .effect = 4};
    SkillRow riposte = parry;
    riposte.name = "返し";
    riposte.target = skill_kind::kCounterStance;
    riposte.image = true;
    const SkillRow wall{.name = "鉄壁", .target = skill_kind::kGuardStance};
    const SkillRow woodpecker{.name = "きつつき"};

    const DamageCase cases[] = {
        {.name = "above the defence",
         .defense = 30,
         .physical = 50,
         .physicalLeft = 80,
         .messages = {"乙は20のダメージ"}},
        {.name = "equal to the defence",
         .defense = 30,
         .physical = 30,
         .messages = {"乙はダメージを受けない"}},
        {.name = "a blow of 0", .defense = 30},
        {.name = "direct",
         .defense = 30,
         .physical = 30,
         .direct = true,
         .physicalLeft = 70,
         .messages = {"乙は30のダメージ"}},
        {.name = "a status effect for 10 x 1..40 + 75 ticks",
         .effect = 1,
         .draws = {drawFor(1, 40, 5)},
         .messages = {"乙は怒り状態になった"}},
        {.name = "energy from a combatant that has none", .energy = 7, .messages = {"乙は気力が0減った"}},
        {.name = "the iron wall blocks",
         .pending = wall,
         .physical = 500,
         .direct = true,
         .messages = {"乙は鉄壁でダメージを受けない"}},
        {.name = "a guard stance counters",
         .pending = parry,
         .physical = 60,
         .draws = {kPass, kFail},
         .answer = true,
         .messages = {"乙は受け流しを発動した"},
         .counterPhysical = 30},
        {.name = "a guard stance counters critically",
         .pending = parry,
         .physical = 60,
         .draws = {kPass, kPass},
         .answer = true,
         .messages = {"クリティカル!", "乙は受け流しを発動した"},
         .counterPhysical = 60},
        {.name = "a failed guard lets the blow land",
         .defense = 20,
         .pending = parry,
         .physical = 60,
         .draws = {kFail},
         .answer = true,
         .physicalLeft = 60,
         .messages = {"乙は受け流しを発動したが失敗", "乙は40のダメージ"}},
        {.name = "a counter stance counters",
         .pending = riposte,
         .physical = 60,
         .draws = {kPass, kFail},
         .answer = true,
         .messages = {"乙は返しを発動した"},
         .counterPhysical = 30},
        {.name = "a failed counter makes the blow ignore the defence",
         .defense = 20,
         .pending = riposte,
         .physical = 60,
         .draws = {kFail},
         .answer = true,
         .physicalLeft = 40,
         .messages = {"乙は返しを発動したが失敗", "乙は60のダメージ"}},
        {.name = "a counter stance does not answer a direct blow",
         .defense = 20,
         .pending = riposte,
         .physical = 60,
         .direct = true,
         .physicalLeft = 40,
         .messages = {"乙は60のダメージ"}},
        {.name = "a counter stance does not answer a blow without damage",
         .pending = riposte,
         .effect = 16,
         .draws = {drawFor(1, 40, 1)},
         .messages = {"乙は攻撃力が上がった"}},
        {.name = "caught waiting for the woodpecker: double damage",
         .defense = 10,
         .pending = woodpecker,
         .pendingDraws = {drawFor(10, 40, 10)},
         .physical = 30,
         .physicalLeft = 50,
         .messages = {"乙は50のダメージ"}},
        {.name = "the last of its strength",
         .physical = 150,
         .direct = true,
         .physicalLeft = 0,
         .messages = {"乙は150のダメージ"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedSilentServices services;
        std::vector<SkillRow> skills = {};
        if (c.pending) skills.push_back(*c.pending);
        Fighter defender({.name = "乙", .defense = c.defense}, skills);
        if (c.pending) {
            services->scriptDraws(c.pendingDraws);
            use(defender, c.pending->name);
        }
        std::optional<clsDamage> counter;
        defender.unit.AfterAttack.subscribe([&](clsDamage& damage) { counter = damage; });
        services->scriptDraws(c.draws);
        clsDamage damage;
        damage.Physical(c.physical);
        damage.Energy(c.energy);
        damage.Effect(c.effect);
        damage.DirectAttack(c.direct);
        EXPECT_EQ(defender.unit.Damage(damage), c.answer);
        EXPECT_EQ(defender.unit.GetPhysical(), c.physicalLeft);
        EXPECT_EQ(defender.unit.GetGiveUp(), c.physicalLeft == 0);
        EXPECT_EQ(defender.messages, c.messages);
        ASSERT_EQ(counter.has_value(), c.counterPhysical.has_value());
        if (counter) {
            EXPECT_EQ(counter->Physical(), *c.counterPhysical);
            EXPECT_EQ(counter->Energy(), 20);
            EXPECT_EQ(counter->Effect(), 4);
        }
        EXPECT_EQ(services->drawCount(), static_cast<int>(c.pendingDraws.size() + c.draws.size()));
    }
}

TEST(Unit, TheImmunitiesOfItsBattleItemFilterTheBlowsOwnRecord) {
    ScopedSilentServices services;
    auto sheet = combattest::makeSheet({.name = "乙"});
    sheet->SetAngerPrevent();
    sheet->SetConfusePrevent();
    auto core = std::make_shared<clsBaseUnit>();
    core->SetFixUnitData(sheet);
    clsUnit defender;
    defender.SetHumanUnit(core, unit_control::kPlayer);
    Messages messages;
    defender.Notification.subscribe([&](std::string& text) { messages.push_back(text); });
    clsDamage damage;
    damage.Effect(status_bit::valueOf(status_bit::kAnger) | status_bit::valueOf(status_bit::kConfusion) |
                  status_bit::valueOf(status_bit::kDefenseDown) |
                  status_bit::valueOf(status_bit::kSpeedDown));
    services->scriptDraws({drawFor(1, 40, 1)});
    EXPECT_FALSE(defender.Damage(damage));
    EXPECT_EQ(messages, Messages{"乙は速度が落ちた"});
    // The attacker's later blows go on with what is left.
    EXPECT_EQ(damage.Effect(), status_bit::valueOf(status_bit::kSpeedDown));
    defender.CounterAdd();
    EXPECT_GT(defender.GetCount(), 0);
}

TEST(Unit, OffenceUpOrDownAndAngerChangeNoBlow) {
    // They take hold and are reported, but no step of an attack reads them.
    const std::int32_t up = status_bit::valueOf(status_bit::kOffenseUp);
    const std::int32_t down = status_bit::valueOf(status_bit::kOffenseDown);
    const std::int32_t anger = status_bit::valueOf(status_bit::kAnger);
    const struct {
        const char* name = {};
        std::vector<std::int32_t> effects = {};
        Messages taken = {};
    } cases[] = {
        {.name = "none"},
        {.name = "offence up", .effects = {up}, .taken = {"甲は攻撃力が上がった"}},
        {.name = "two offence downs",
         .effects = {down, down},
         .taken = {"甲は攻撃力が落ちた", "甲は攻撃力が落ちた"}},
        {.name = "anger with offence up",
         .effects = {anger | up},
         .taken = {"甲は怒り状態になった", "甲は攻撃力が上がった"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedSilentServices services;
        Fighter attacker({.offense = 100}, {SkillRow{.name = "連撃", .physical = 0.7f}});
        for (std::int32_t effect : c.effects) {
            clsDamage received;
            received.Effect(effect);
            services->scriptDraws({drawFor(1, 40, 40)});
            attacker.unit.SecondDamage(received);
        }
        EXPECT_EQ(attacker.messages, c.taken);
        clsDamage basic;
        services->scriptDraws({kFail, rateOf(100)});
        EXPECT_TRUE(attacker.unit.Attack("", "攻撃", basic));
        EXPECT_EQ(basic.Physical(), 100);
        clsDamage skill;
        services->scriptDraws({kPass, kFail, rateOf(100)});
        EXPECT_TRUE(attacker.unit.Attack("連撃", "攻撃", skill));
        EXPECT_EQ(skill.Physical(), 70);
    }
}

TEST(Unit, TheIronWallBlocksEveryBlowUntilItsNextAction) {
    ScopedSilentServices services;
    Fighter defender({.name = "乙"}, {SkillRow{.name = "鉄壁", .target = skill_kind::kGuardStance}});
    use(defender, "鉄壁");
    for (int i = 0; i < 3; ++i) {
        clsDamage damage;
        damage.Physical(90);
        defender.unit.Damage(damage);
    }
    EXPECT_EQ(defender.messages, Messages(3, "乙は鉄壁でダメージを受けない"));
    EXPECT_EQ(defender.unit.GetPhysical(), 100);

    clsUseSkill basic;
    clsDamage damage;
    services->scriptDraws({kFail});
    defender.unit.PreAttack(basic, damage);
    damage.Physical(90);
    defender.unit.Damage(damage);
    EXPECT_EQ(defender.unit.GetPhysical(), 10);
}

TEST(Unit, DelayedActionsFireAtTheNextTick) {
    ScopedSilentServices services;
    Fighter charger({.physical = 12, .offense = 100},
                    {SkillRow{.name = "突撃"}, SkillRow{.name = "切り込み"}});
    use(charger, "突撃");
    services->scriptDraws({drawFor(10, 20, 12)});
    ticks(charger.unit, 1);
    EXPECT_EQ(charger.messages, Messages{"甲は12のダメージ"});
    EXPECT_TRUE(charger.unit.GetGiveUp());
    ticks(charger.unit, 1);
    EXPECT_EQ(charger.attacks, 0);

    charger.unit.UnitInit(100);
    EXPECT_EQ(charger.unit.GetPhysical(), 12);
    EXPECT_FALSE(charger.unit.GetGiveUp());
    use(charger, "切り込み");
    services->scriptDraws({drawFor(5, 15, 5)});
    ticks(charger.unit, 1);
    EXPECT_EQ(charger.unit.GetPhysical(), 7);

    Fighter wheel({.understanding = 10},
                  {SkillRow{.name = "車懸かり", .effect = status_bit::valueOf(status_bit::kSpeedUp)}});
    use(wheel, "車懸かり");
    services->scriptDraws({drawFor(1, 30, 1)});
    ticks(wheel.unit, 1);
    EXPECT_EQ(wheel.messages, Messages{"甲は速度が上がった"});
    EXPECT_DOUBLE_EQ(wheel.unit.GetCount(), 7.5);
}

TEST(Unit, TheWoodpeckerStrikesFromBehindWhenTheChargeReachesItsCount) {
    ScopedSilentServices services;
    Fighter lurker({.offense = 80, .speed = 10, .condition = 3}, {SkillRow{.name = "きつつき",
                                                                           .physical = 1.5f,
                                                                           .energy = 0.25f,
                                                                           .effect = 8,
                                                                           .image = true,
                                                                           .imageName = "嘴"}});
    services->scriptDraws({drawFor(10, 40, 15)});
    use(lurker, "きつつき");
    std::vector<clsDamage> strikes = {};
    lurker.unit.AfterAttack.subscribe([&](clsDamage& damage) { strikes.push_back(damage); });
    ticks(lurker.unit, 25);
    EXPECT_TRUE(strikes.empty());
    services->scriptDraws({drawFor(0, 3, 3)});
    ticks(lurker.unit, 1);
    ASSERT_EQ(strikes.size(), 1u);
    EXPECT_EQ(strikes[0].Physical(), 123);
    EXPECT_EQ(strikes[0].Energy(), 20);
    EXPECT_EQ(strikes[0].Effect(), 8);
    EXPECT_TRUE(strikes[0].DirectAttack());
    EXPECT_EQ(lurker.messages, Messages{"甲は背後から現れた"});
    EXPECT_EQ(lurker.effects, Messages{"きつつき/嘴"});
    ticks(lurker.unit, 5);
    EXPECT_EQ(strikes.size(), 1u);
}

// Counters and the woodpecker's strike multiply in single precision, so a
// product such as 15 x 0.9 lands on 13.5 exactly and rounds to even.
TEST(Unit, CountersRoundTheirSinglePrecisionProducts) {
    const struct {
        const char* name;
        std::int16_t offense;
        std::int16_t incoming;
        float physicalFactor;
        float energyFactor;
        bool critical;
        std::int16_t counterPhysical;
        std::int16_t counterEnergy;
    } cases[] = {
        {.name = "15 x 0.9 is 13.5: 14",
         .offense = 100,
         .incoming = 15,
         .physicalFactor = 0.9f,
         .energyFactor = 0.0f,
         .critical = false,
         .counterPhysical = 14,
         .counterEnergy = 0},
        {.name = "critical 45 x 0.05 x 2 is 4.5: 4",
         .offense = 100,
         .incoming = 45,
         .physicalFactor = 0.05f,
         .energyFactor = 0.0f,
         .critical = true,
         .counterPhysical = 4,
         .counterEnergy = 0},
        {.name = "energy 85 x 0.1 is 8.5: 8",
         .offense = 85,
         .incoming = 60,
         .physicalFactor = 0.5f,
         .energyFactor = 0.1f,
         .critical = false,
         .counterPhysical = 30,
         .counterEnergy = 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedSilentServices services;
        const SkillRow stance{.name = "身構え",
                              .critical = 50,
                              .target = skill_kind::kCounterStance,
                              .physical = c.physicalFactor,
                              .energy = c.energyFactor};
        Fighter defender({.name = "乙", .offense = c.offense}, {stance});
        use(defender, stance.name);
        std::optional<clsDamage> counter;
        defender.unit.AfterAttack.subscribe([&](clsDamage& damage) { counter = damage; });
        services->scriptDraws({kPass, c.critical ? kPass : kFail});
        clsDamage blow;
        blow.Physical(c.incoming);
        EXPECT_TRUE(defender.unit.Damage(blow));
        ASSERT_TRUE(counter.has_value());
        EXPECT_EQ(counter->Physical(), c.counterPhysical);
        EXPECT_EQ(counter->Energy(), c.counterEnergy);
    }
}

TEST(Unit, TheWoodpeckersStrikeRoundsItsSinglePrecisionProducts) {
    const struct {
        const char* name;
        std::int16_t offense;
        float physicalFactor;
        float energyFactor;
        std::int16_t physical;
        std::int16_t energy;
    } cases[] = {
        {.name = "85 x 0.1 is 8.5: 8",
         .offense = 85,
         .physicalFactor = 0.1f,
         .energyFactor = 0.1f,
         .physical = 8,
         .energy = 8},
        {.name = "15 x 0.3 is 4.5: 4",
         .offense = 15,
         .physicalFactor = 0.3f,
         .energyFactor = 0.3f,
         .physical = 4,
         .energy = 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedSilentServices services;
        Fighter lurker(
            {.offense = c.offense, .speed = 10},
            {SkillRow{.name = "きつつき", .physical = c.physicalFactor, .energy = c.energyFactor}});
        services->scriptDraws({drawFor(10, 40, 10)});
        use(lurker, "きつつき");
        std::vector<clsDamage> strikes = {};
        lurker.unit.AfterAttack.subscribe([&](clsDamage& damage) { strikes.push_back(damage); });
        ticks(lurker.unit, 21);
        ASSERT_EQ(strikes.size(), 1u);
        EXPECT_EQ(strikes[0].Physical(), c.physical);
        EXPECT_EQ(strikes[0].Energy(), c.energy);
    }
}

TEST(Unit, AStrikeReceivedWhileLurkingCatchesTheWoodpecker) {
    ScopedSilentServices services;
    Fighter lurker({.defense = 40}, {SkillRow{.name = "きつつき"}});
    services->scriptDraws({drawFor(10, 40, 10)});
    use(lurker, "きつつき");
    clsDamage strike;
    strike.Physical(20);
    lurker.unit.SecondDamage(strike);
    EXPECT_EQ(lurker.messages, (Messages{"甲はきつつきに失敗", "甲は8のダメージ"}));
    EXPECT_EQ(lurker.unit.GetPhysical(), 92);
}

TEST(Unit, ASelfSkillHealsUpToTheMaximumAndLastsByUnderstanding) {
    ScopedSilentServices services;
    Fighter healer({.physical = 100, .offense = 60, .speed = 1, .understanding = 5},
                   {SkillRow{.name = "瞑想",
                             .target = skill_kind::kSelf,
                             .physical = 0.5f,
                             .effect = status_bit::valueOf(status_bit::kSpeedUp)}});
    clsDamage blow;
    blow.Physical(20);
    blow.DirectAttack(true);
    healer.unit.SecondDamage(blow);
    healer.messages.clear();
    clsUseSkill reservation;
    reservation.UseSkill("瞑想");
    clsDamage damage;
    services->scriptDraws({drawFor(1, 15, 1)});
    EXPECT_FALSE(healer.unit.PreAttack(reservation, damage));
    EXPECT_EQ(healer.unit.GetPhysical(), 100);
    EXPECT_EQ(healer.messages,
              (Messages{"甲の攻撃", "瞑想を発動", "甲は体力が30回復した", "甲は速度が上がった"}));
    // 10 x 1 + 75 counts: 84 ticks at 1.5 times the speed.
    ticks(healer.unit, 84);
    EXPECT_NEAR(healer.unit.GetCount(), 84 * 0.15, 1e-9);
    ticks(healer.unit, 1);
    EXPECT_NEAR(healer.unit.GetCount(), 84 * 0.15 + 0.1, 1e-9);
}

TEST(Unit, UnitInitRecoversAShareOfTheMaximum) {
    const struct {
        std::int16_t lost = {};
        std::int16_t recover = {};
        std::int16_t physical = {};
    } cases[] = {
        {.lost = 80, .recover = 50, .physical = 70},
        {.lost = 20, .recover = 50, .physical = 100},
        {.lost = 100, .recover = 0, .physical = 0},
    };
    for (const auto& c : cases) {
        ScopedSilentServices services;
        Fighter fighter({.physical = 100});
        clsDamage blow;
        blow.Physical(c.lost);
        blow.DirectAttack(true);
        fighter.unit.SecondDamage(blow);
        fighter.unit.UnitInit(c.recover);
        EXPECT_EQ(fighter.unit.GetPhysical(), c.physical) << c.lost << " " << c.recover;
        EXPECT_FALSE(fighter.unit.GetGiveUp());
    }
}

TEST(Unit, OneBlowLosesOrGainsUpToAFifthByTheRandomRate) {
    ScopedSilentServices services;
    Fighter attacker({.offense = 100});
    const struct {
        float rate = {};
        std::int16_t physical = {};
    } cases[] = {{.rate = rateOf(80), .physical = 80},
                 {.rate = rateOf(120), .physical = 120},
                 {.rate = rateOf(101), .physical = 101}};
    for (const auto& c : cases) {
        clsDamage damage;
        services->scriptDraws({kFail, c.rate});
        EXPECT_TRUE(attacker.unit.Attack("", "攻撃", damage));
        EXPECT_EQ(damage.Physical(), c.physical);
    }
}

} // namespace
