#include "battle/battle_codes.h"
#include "battle/combat/cls_damage.h"
#include "battle/combat/cls_fix_unit_data.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using host::runtime::ErrorNumber;
using status_bit::valueOf;
using testsupport::errorOf;

std::int32_t bits(std::initializer_list<std::int16_t> numbers) {
    std::int32_t word = 0;
    for (auto n : numbers)
        word |= valueOf(n);
    return word;
}

TEST(FixUnitData, AFreshSheetHidesEverythingAndWritesItsDefaults) {
    clsFixUnitData sheet;
    EXPECT_FALSE(sheet.GetVisiblePhysical());
    EXPECT_FALSE(sheet.GetVisibleEnergy());
    EXPECT_FALSE(sheet.GetVisibleCT());
    EXPECT_FALSE(sheet.GetVisibleSkill());
    EXPECT_EQ(sheet.Condition(), 0);
    EXPECT_EQ(sheet.GetSaveData(), "0/0/0/0/0/0/0/0/False/False/False/False/False");
}

TEST(FixUnitData, SightsOfABattleItem) {
    clsFixUnitData partial;
    partial.SetVisibleParam();
    EXPECT_TRUE(partial.GetVisiblePhysical());
    EXPECT_TRUE(partial.GetVisibleEnergy());
    EXPECT_FALSE(partial.GetVisibleCT());
    EXPECT_FALSE(partial.GetVisibleSkill());

    clsFixUnitData full;
    full.SetVisibleAll();
    EXPECT_TRUE(full.GetVisiblePhysical());
    EXPECT_TRUE(full.GetVisibleEnergy());
    EXPECT_TRUE(full.GetVisibleCT());
    EXPECT_TRUE(full.GetVisibleSkill());
}

TEST(FixUnitData, SpeedAndEnergyReadRoundedButAreSavedUnrounded) {
    clsFixUnitData sheet;
    sheet.Speed(12.3456);
    sheet.Energy(14.125);
    EXPECT_DOUBLE_EQ(sheet.Speed(), 12.35);
    EXPECT_DOUBLE_EQ(sheet.Energy(), 14.12);
    sheet.Physical(320);
    sheet.Offensive(-5);
    sheet.Defense(40);
    sheet.Understanding(12);
    sheet.Condition(4);
    sheet.Critical(7);
    sheet.SetAngerPrevent();
    sheet.SetVisibleParam();
    EXPECT_EQ(sheet.GetSaveData(), "320/-5/40/12.3456/14.125/12/4/7/True/False/False/False/True");
}

TEST(FixUnitData, TheSaveTextReadsBackWholeOrNotAtAll) {
    const std::string text = "320/60/40/12.5/14/12/4/7/False/True/True/True/False";
    clsFixUnitData sheet;
    EXPECT_FALSE(sheet.SetSaveData("東校", "320/60/40/12.5/14/12/4/7/False/True/True/True"));
    EXPECT_FALSE(sheet.SetSaveData("東校", text + "/False"));
    EXPECT_EQ(sheet.UnitName(), "");
    EXPECT_EQ(sheet.GetSaveData(), "0/0/0/0/0/0/0/0/False/False/False/False/False");

    EXPECT_TRUE(sheet.SetSaveData("東校", text));
    EXPECT_EQ(sheet.UnitName(), "東校");
    EXPECT_EQ(sheet.GetSaveData(), text);
    EXPECT_TRUE(sheet.GetPreventConfuse());
    EXPECT_TRUE(sheet.GetPreventNotUseSkill());
    EXPECT_TRUE(sheet.GetVisibleAll());
    EXPECT_FALSE(sheet.GetPreventAnger());

    EXPECT_EQ(errorOf([&] { sheet.SetSaveData("x", "99999/0/0/0/0/0/0/0/False/False/False/False/False"); }),
              ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([&] { sheet.SetSaveData("x", "1/0/0/0/0/0/0/0/maybe/False/False/False/False"); }),
              ErrorNumber::TypeMismatch);
    EXPECT_EQ(sheet.UnitName(), "東校");
    EXPECT_EQ(sheet.GetSaveData(), text);
}

TEST(FixUnitData, ImmunitiesFilterTheIncomingStatusBits) {
    const struct {
        const char* name = {};
        bool anger = false;
        bool confusion = false;
        bool noSkill = false;
        std::int32_t effect = 0;
        std::int32_t kept = 0;
    } cases[] = {
        {.name = "anger immunity takes anger with defence down, offence up and skills barred",
         .anger = true,
         .effect = bits({1, 3, 4, 5, 7, 8}),
         .kept = bits({3, 8})},
        {.name = "anger immunity without anger changes nothing",
         .anger = true,
         .effect = bits({4, 5}),
         .kept = bits({4, 5})},
        {.name = "confusion immunity takes confusion and defence down",
         .confusion = true,
         .effect = bits({2, 4, 6}),
         .kept = bits({6})},
        {.name = "skills barred alone", .noSkill = true, .effect = bits({1, 7}), .kept = bits({1})},
        {.name = "no immunity", .effect = bits({1, 2, 7}), .kept = bits({1, 2, 7})},
        {.name = "all three",
         .anger = true,
         .confusion = true,
         .noSkill = true,
         .effect = 0x3FF,
         .kept = bits({3, 6, 8, 9, 10})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        clsFixUnitData sheet;
        if (c.anger) sheet.SetAngerPrevent();
        if (c.confusion) sheet.SetConfusePrevent();
        if (c.noSkill) sheet.SetNotUseSkillPrevent();
        clsDamage damage;
        damage.Effect(c.effect);
        sheet.CheckEffect(damage);
        EXPECT_EQ(damage.Effect(), c.kept);
    }
}

TEST(Damage, ClearKeepsHitAndCritical) {
    clsDamage damage;
    damage.Tag("miss");
    damage.BattleCounter(3);
    damage.Physical(40);
    damage.Energy(5);
    damage.Effect(9);
    damage.DirectAttack(true);
    damage.Hit(70);
    damage.Critical(12);
    damage.Clear();
    EXPECT_EQ(damage.Tag(), "");
    EXPECT_EQ(damage.BattleCounter(), 0);
    EXPECT_EQ(damage.Physical(), 0);
    EXPECT_EQ(damage.Energy(), 0);
    EXPECT_EQ(damage.Effect(), 0);
    EXPECT_FALSE(damage.DirectAttack());
    EXPECT_EQ(damage.Hit(), 70);
    EXPECT_EQ(damage.Critical(), 12);
}

} // namespace
