#include "economy/cls_battle_item.h"

#include "economy/battle_item_bits.h"
#include "platform/rules/cls_method.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace bits = battle_item_bits;

namespace {

std::int32_t put(std::int32_t word, bits::Field field, std::int32_t value) {
    return Method().SetRangeBITWORD(word, field.low, field.high, value);
}

std::int32_t bitOf(std::int16_t bit) {
    return Method().BitOn(0, bit);
}

// Every stat with the same method: physical 10, offence 5, defence 200, energy 10, speed 63.
clsBattleItem allStats(std::int32_t method) {
    std::int32_t effect1 = put(0, bits::kOffenseMethod, method);
    effect1 = put(effect1, bits::kOffense, 5);
    effect1 = put(effect1, bits::kDefenseMethod, method);
    effect1 = put(effect1, bits::kDefense, 200);
    std::int32_t effect2 = put(0, bits::kPhysicalMethod, method);
    effect2 = put(effect2, bits::kPhysical, 10);
    effect2 = put(effect2, bits::kEnergyMethod, method);
    effect2 = put(effect2, bits::kEnergy, 10);
    effect2 = put(effect2, bits::kSpeedMethod, method);
    effect2 = put(effect2, bits::kSpeed, 63);
    clsBattleItem item;
    item.SetData("試しの品", bitOf(1), effect1, effect2);
    return item;
}

TEST(BattleItem, EachMethodChangesEveryValueAndReadsAsItsChangeText) {
    struct Case {
        std::int32_t method;
        std::int16_t physical55, offense11, defense100;
        double energy55, speed10;
        const char *physicalText, *offenseText;
    };
    const Case cases[] = {
        {.method = 0,
         .physical55 = 55,
         .offense11 = 11,
         .defense100 = 100,
         .energy55 = 55,
         .speed10 = 10,
         .physicalText = "",
         .offenseText = ""},
        {.method = 1,
         .physical55 = 65,
         .offense11 = 16,
         .defense100 = 300,
         .energy55 = 65,
         .speed10 = 73,
         .physicalText = "+10",
         .offenseText = "+5"},
        {.method = 2,
         .physical55 = 60,
         .offense11 = 11,
         .defense100 = 300,
         .energy55 = 60.5,
         .speed10 = 16.3,
         .physicalText = "+10%",
         .offenseText = "+5%"},
        {.method = 3,
         .physical55 = 45,
         .offense11 = 6,
         .defense100 = -100,
         .energy55 = 45,
         .speed10 = -53,
         .physicalText = "-10",
         .offenseText = "-5"},
        {.method = 4,
         .physical55 = 50,
         .offense11 = 11,
         .defense100 = -100,
         .energy55 = 49.5,
         .speed10 = 3.7,
         .physicalText = "-10%",
         .offenseText = "-5%"},
        // x ± v/10 rounded half to even: 11 + 0.5 gives 12, 11 - 0.5 gives 10.
        {.method = 5,
         .physical55 = 56,
         .offense11 = 12,
         .defense100 = 120,
         .energy55 = 56,
         .speed10 = 16.3,
         .physicalText = "+1",
         .offenseText = "+0.5"},
        {.method = 6,
         .physical55 = 54,
         .offense11 = 10,
         .defense100 = 80,
         .energy55 = 54,
         .speed10 = 3.7,
         .physicalText = "-1",
         .offenseText = "-0.5"},
        {.method = 7,
         .physical55 = 0,
         .offense11 = 0,
         .defense100 = 0,
         .energy55 = 0,
         .speed10 = 0,
         .physicalText = "",
         .offenseText = ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("method " + std::to_string(c.method));
        const clsBattleItem item = allStats(c.method);
        EXPECT_EQ(item.PhysicalMethod(), c.method);
        EXPECT_EQ(item.OffenseMethod(), c.method);
        EXPECT_EQ(item.DefenseMethod(), c.method);
        EXPECT_EQ(item.EnergyMethod(), c.method);
        EXPECT_EQ(item.SpeedMethod(), c.method);
        EXPECT_EQ(item.Physical(), 10);
        EXPECT_EQ(item.Offense(), 5);
        EXPECT_EQ(item.Defense(), 200);
        EXPECT_EQ(item.Energy(), 10);
        EXPECT_EQ(item.Speed(), 63);
        EXPECT_EQ(item.CalcPhysical(55), c.physical55);
        EXPECT_EQ(item.CalcOffense(11), c.offense11);
        EXPECT_EQ(item.CalcDefense(100), c.defense100);
        EXPECT_NEAR(item.CalcEnergy(55), c.energy55, 1e-9);
        EXPECT_NEAR(item.CalcSpeed(10), c.speed10, 1e-9);
        EXPECT_EQ(item.GetItemData(9, false), c.physicalText);
        EXPECT_EQ(item.GetItemData(10, false), c.offenseText);
    }
}

TEST(BattleItem, FieldsAtTheirLargestValuesDecodeApart) {
    std::int32_t effect1 = put(0, bits::kDefense, 255);
    effect1 = put(effect1, bits::kOffense, 255);
    effect1 = put(effect1, bits::kOffenseMethod, 1);
    std::int32_t effect2 = put(0, bits::kSpeed, 63);
    effect2 = put(effect2, bits::kEnergy, 63);
    effect2 = put(effect2, bits::kPhysical, 1023);
    effect2 = put(effect2, bits::kPhysicalMethod, 1);
    clsBattleItem item;
    item.SetData("重い品", 0, effect1, effect2);
    EXPECT_EQ(item.Defense(), 255);
    EXPECT_EQ(item.DefenseMethod(), 0);
    EXPECT_EQ(item.Offense(), 255);
    EXPECT_EQ(item.OffenseMethod(), 1);
    EXPECT_EQ(item.Speed(), 63);
    EXPECT_EQ(item.SpeedMethod(), 0);
    EXPECT_EQ(item.Energy(), 63);
    EXPECT_EQ(item.EnergyMethod(), 0);
    EXPECT_EQ(item.Physical(), 1023);
    EXPECT_EQ(item.PhysicalMethod(), 1);
    EXPECT_FALSE(item.AngerPrevent() || item.ConfusePrevent() || item.NotUseSkillPrevent());
    // A 16-bit result is held at the range's end.
    EXPECT_EQ(item.CalcPhysical(32000), 32767);
    EXPECT_EQ(item.CalcOffense(-32768), -32513);
}

TEST(BattleItem, TargetsProtectionsAndSightsShowInCellsAndTips) {
    clsBattleItem item;
    const std::int32_t category = bitOf(1) | bitOf(4) | bitOf(bits::kVisibleParam) | bitOf(bits::kVisibleAll);
    const std::int32_t effect1 =
        bitOf(bits::kAngerPrevent) | bitOf(bits::kConfusePrevent) | bitOf(bits::kNotUseSkillPrevent);
    item.SetData("見張りの品", category, effect1, put(0, bits::kSpeed, 3));
    for (const char* word : {"攻撃", "剣士"})
        EXPECT_TRUE(item.BattleItemTarget(word)) << word;
    for (const char* word : {"攻撃陣形", "防御", "騎兵", ""})
        EXPECT_FALSE(item.BattleItemTarget(word)) << word;

    std::string cells;
    for (std::int16_t k = 0; k <= 19; ++k)
        cells += item.GetItemData(k, true) + "|";
    EXPECT_EQ(cells, "0|見張りの品|○|×|×|○|×|×|×||||||○|○|○|○|○||");
    EXPECT_EQ(item.GetItemData(14, false), "");
    EXPECT_EQ(item.GetItemData(-1, true), "");

    EXPECT_EQ(item.GetItemDataTips(),
              "怒り耐性\r\n混乱耐性\r\nスキル使用禁止耐性\r\n相手の体力、気力可視化\r\n"
              "全ての相手ステータス可視化");
    // A value with method 0 shows its label alone.
    EXPECT_EQ(item.GetItemTips(),
              "対象:攻撃陣形,剣士\r\n速度\r\n怒り耐性\r\n混乱耐性\r\nスキル使用禁止耐性\r\n"
              "相手の体力、気力可視化\r\n全ての相手ステータス可視化");
}

TEST(BattleItem, NoItemServesNothingAndChangesNothing) {
    clsBattleItem fresh;
    clsBattleItem unnamed;
    unnamed.SetData("", bitOf(1), 0, put(0, bits::kPhysicalMethod, 1));
    for (const clsBattleItem* item : {&fresh, &unnamed}) {
        EXPECT_FALSE(item->BattleItemTarget("攻撃"));
        EXPECT_EQ(item->CalcOffense(40), 40);
        EXPECT_EQ(item->CalcDefense(40), 40);
        EXPECT_EQ(item->CalcSpeed(4.5), 4.5);
        EXPECT_EQ(item->GetItemDataTips(), "耐性、特殊な機能はありません");
    }
    EXPECT_EQ(fresh.CalcPhysical(40), 40);
    EXPECT_EQ(fresh.GetItemTips(), "対象:");
}

} // namespace
