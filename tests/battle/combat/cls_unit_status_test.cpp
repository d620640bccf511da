#include "battle/battle_codes.h"
#include "battle/combat/cls_unit_status.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using status_bit::valueOf;

struct Watched {
    clsUnitStatus status;
    std::vector<std::string> reports = {};
    std::vector<std::string> due = {};
    Watched() {
        status.ReportEffect.subscribe([this](std::string& text) { reports.push_back(text); });
        status.AfterAttack.subscribe([this](std::string& skill) { due.push_back(skill); });
    }
    void wait(std::int32_t waitStatus, std::string skill, std::int16_t count = 0) {
        auto record = std::make_shared<clsUnitWait>();
        record->WaitStatus(waitStatus);
        record->SkillName(std::move(skill));
        record->Count(count);
        status.SetUnitWait(record);
    }
    void ticks(int n, std::int16_t ct = 0) {
        for (int i = 0; i < n; ++i)
            status.Count(ct);
    }
};

TEST(UnitStatus, EffectsTakeHoldInBitOrderWithTheirMessages) {
    Watched w;
    w.status.SufferEffect(valueOf(status_bit::kDefenseDown) | valueOf(status_bit::kAnger) |
                              valueOf(status_bit::kEnergyUp) | valueOf(11),
                          100);
    EXPECT_EQ(w.reports,
              (std::vector<std::string>{"怒り状態になった", "防御力が落ちた", "気力回復力が上がった"}));
    EXPECT_TRUE(w.status.GetStatusAnger());
    EXPECT_DOUBLE_EQ(w.status.GetStatusEffect(status_multiplier::kDefense), 0.7);
    EXPECT_DOUBLE_EQ(w.status.GetStatusEffect(status_multiplier::kEnergy), 1.5);
    EXPECT_DOUBLE_EQ(w.status.GetStatusEffect(9), 0);

    w.reports.clear();
    w.status.SufferEffect(0, 500);
    EXPECT_TRUE(w.reports.empty());
}

TEST(UnitStatus, ASingleEffectOnlyLengthensSilentlyRefusingShorterOrEqualDurations) {
    Watched w;
    w.wait(wait_status::kGuardStance, "鉄壁");
    w.status.SufferEffect(valueOf(status_bit::kAnger), 150);
    EXPECT_EQ(w.status.GetUnitWait(), wait_status::kIdle);

    w.wait(wait_status::kGuardStance, "鉄壁");
    w.reports.clear();
    w.status.SufferEffect(valueOf(status_bit::kAnger), 100);
    w.status.SufferEffect(valueOf(status_bit::kAnger), 150);
    EXPECT_TRUE(w.reports.empty());
    EXPECT_EQ(w.status.GetUnitWait(), wait_status::kGuardStance);

    w.ticks(149);
    EXPECT_TRUE(w.status.GetStatusAnger());
    EXPECT_TRUE(w.reports.empty());
    w.ticks(1);
    EXPECT_FALSE(w.status.GetStatusAnger());
    EXPECT_EQ(w.reports, std::vector<std::string>{"怒りが収まった"});
}

TEST(UnitStatus, ConfusionEndsAPendingStanceAndReportsItsEnd) {
    Watched w;
    w.wait(wait_status::kCounterStance, "返し");
    w.status.SufferEffect(valueOf(status_bit::kConfusion), 2);
    EXPECT_TRUE(w.status.GetStatusConfusion());
    EXPECT_EQ(w.status.GetUnitWait(), wait_status::kIdle);
    w.ticks(2);
    EXPECT_EQ(w.reports, (std::vector<std::string>{"混乱状態になった", "混乱から立ち直った"}));
}

TEST(UnitStatus, TwoSlotEffectsFillTheSlotWithFewerTicksLeftAndAlwaysReport) {
    const struct {
        const char* name = {};
        std::vector<std::int16_t> durations = {};
        int ticksBetween = {};
        double multiplier = {};
        // Ticks after the last one until the first slot ends.
        int ticksUntilOneSlotEnds = {};
    } cases[] = {
        {.name = "one down",
         .durations = {100},
         .ticksBetween = 0,
         .multiplier = 0.7,
         .ticksUntilOneSlotEnds = 100},
        {.name = "two downs fill both slots",
         .durations = {100, 100},
         .ticksBetween = 0,
         .multiplier = 0.3,
         .ticksUntilOneSlotEnds = 100},
        // The slots hold 80 and 70 when the 90 comes: it replaces the 70.
        {.name = "a third replaces the weaker",
         .durations = {100, 80, 90},
         .ticksBetween = 10,
         .multiplier = 0.3,
         .ticksUntilOneSlotEnds = 70},
        // Below both slots (80 and 60): nothing changes.
        {.name = "a shorter third changes nothing",
         .durations = {100, 70, 40},
         .ticksBetween = 10,
         .multiplier = 0.3,
         .ticksUntilOneSlotEnds = 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Watched w;
        for (std::int16_t d : c.durations) {
            w.status.SufferEffect(valueOf(status_bit::kDefenseDown), d);
            w.ticks(c.ticksBetween);
        }
        EXPECT_EQ(w.reports, std::vector<std::string>(c.durations.size(), "防御力が落ちた"));
        EXPECT_DOUBLE_EQ(w.status.GetStatusEffect(status_multiplier::kDefense), c.multiplier);
        w.ticks(c.ticksUntilOneSlotEnds - 1);
        EXPECT_DOUBLE_EQ(w.status.GetStatusEffect(status_multiplier::kDefense), c.multiplier);
        w.ticks(1);
        EXPECT_GT(w.status.GetStatusEffect(status_multiplier::kDefense), c.multiplier);
    }
}

TEST(UnitStatus, UpsAndDownsOfOneKindCancelAndASecondUpAddsNothing) {
    const struct {
        std::int32_t effects = {};
        std::int32_t kind = {};
        double multiplier = {};
    } cases[] = {
        {.effects = valueOf(status_bit::kOffenseUp) | valueOf(status_bit::kOffenseDown),
         .kind = status_multiplier::kOffense,
         .multiplier = 1.0},
        {.effects = valueOf(status_bit::kSpeedUp), .kind = status_multiplier::kSpeed, .multiplier = 1.5},
        {.effects = valueOf(status_bit::kSpeedDown), .kind = status_multiplier::kSpeed, .multiplier = 0.7},
        {.effects = valueOf(status_bit::kEnergyDown), .kind = status_multiplier::kEnergy, .multiplier = 0.7},
        {.effects = valueOf(status_bit::kEnergyDown) | valueOf(status_bit::kEnergyUp),
         .kind = status_multiplier::kEnergy,
         .multiplier = 1.0},
    };
    for (const auto& c : cases) {
        Watched w;
        w.status.SufferEffect(c.effects, 50);
        EXPECT_DOUBLE_EQ(w.status.GetStatusEffect(c.kind), c.multiplier) << c.effects;
    }

    Watched twoUps;
    twoUps.status.SufferEffect(valueOf(status_bit::kSpeedUp), 50);
    twoUps.status.SufferEffect(valueOf(status_bit::kSpeedUp), 60);
    EXPECT_DOUBLE_EQ(twoUps.status.GetStatusEffect(status_multiplier::kSpeed), 1.5);

    Watched twoDowns;
    twoDowns.status.SufferEffect(valueOf(status_bit::kOffenseUp) | valueOf(status_bit::kOffenseDown), 50);
    twoDowns.status.SufferEffect(valueOf(status_bit::kOffenseDown), 50);
    EXPECT_DOUBLE_EQ(twoDowns.status.GetStatusEffect(status_multiplier::kOffense), 0.7);
}

TEST(UnitStatus, ASpeedUpOf200TicksEndsAfter200CountsAndSkillsBarredLikewise) {
    Watched w;
    w.status.SufferEffect(valueOf(status_bit::kSpeedUp) | valueOf(status_bit::kNotUseSkill), 200);
    w.ticks(199);
    EXPECT_DOUBLE_EQ(w.status.GetStatusEffect(status_multiplier::kSpeed), 1.5);
    EXPECT_TRUE(w.status.GetStatusNotUseSkill());
    w.ticks(1);
    EXPECT_DOUBLE_EQ(w.status.GetStatusEffect(status_multiplier::kSpeed), 1.0);
    EXPECT_FALSE(w.status.GetStatusNotUseSkill());
    EXPECT_EQ(w.reports.size(), 2u);
}

TEST(UnitStatus, ADelayedActionFiresOnceWhenTheChargeReachesItsCount) {
    Watched now;
    now.wait(wait_status::kDelayed, "突撃", 0);
    now.ticks(1);
    EXPECT_EQ(now.due, std::vector<std::string>{"突撃"});
    EXPECT_EQ(now.status.GetUnitWait(), wait_status::kIdle);
    now.ticks(3);
    EXPECT_EQ(now.due.size(), 1u);

    Watched later;
    later.wait(wait_status::kDelayed, "きつつき", 35);
    later.status.Count(34);
    EXPECT_TRUE(later.due.empty());
    later.status.Count(35);
    EXPECT_EQ(later.due, std::vector<std::string>{"きつつき"});

    Watched stance;
    stance.wait(wait_status::kGuardStance, "鉄壁", 0);
    stance.ticks(5, 100);
    EXPECT_TRUE(stance.due.empty());
    EXPECT_EQ(stance.status.GetUnitWait(), wait_status::kGuardStance);
}

TEST(UnitStatus, ACombatantCaughtWaitingForTheWoodpeckerDefendsAt03Once) {
    Watched w;
    w.wait(wait_status::kDelayed, "きつつき", 30);
    EXPECT_DOUBLE_EQ(w.status.GetStatusEffect(status_multiplier::kDefense), 0.3);
    EXPECT_EQ(w.reports, std::vector<std::string>{"きつつきに失敗"});
    EXPECT_EQ(w.status.GetUnitWait(), wait_status::kIdle);
    EXPECT_EQ(w.status.GetUnitWaitSkill(), "");
    EXPECT_DOUBLE_EQ(w.status.GetStatusEffect(status_multiplier::kDefense), 1.0);
}

TEST(UnitStatus, InitEffectEndsEveryEffectAndThePendingWait) {
    Watched w;
    w.status.SufferEffect(0x3FF, 100);
    w.wait(wait_status::kCounterStance, "返し");
    w.status.InitEffect();
    EXPECT_FALSE(w.status.GetStatusAnger());
    EXPECT_FALSE(w.status.GetStatusConfusion());
    EXPECT_FALSE(w.status.GetStatusNotUseSkill());
    for (std::int32_t kind : {1, 2, 3, 4})
        EXPECT_DOUBLE_EQ(w.status.GetStatusEffect(kind), 1.0);
    EXPECT_EQ(w.status.GetUnitWait(), wait_status::kIdle);
}

} // namespace
