#include "devtools/cls_class_item.h"
#include "devtools/cls_construct_item.h"
#include "devtools/cls_monster_battle_data.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

namespace {

using host::runtime::ErrorNumber;
using testsupport::errorOf;

// Bits 17 and up of a lesson item's second effect word hold the method.
constexpr std::int32_t kMethodUnit = 65536;

TEST(ItemUnitRecords, LoseOnePercentPerHundredPointsOfWearAndNeverGoBelowNothing) {
    struct Case {
        const char* what;
        std::int32_t price;
        std::int16_t damage;
        std::int32_t expected;
    } cases[] = {
        {.what = "unworn", .price = 1000, .damage = 0, .expected = 1000},
        {.what = "99 points are no full hundred", .price = 1000, .damage = 99, .expected = 1000},
        {.what = "2500 points take 25 %", .price = 1000, .damage = 2500, .expected = 750},
        {.what = "10000 points take it all", .price = 1000, .damage = 10000, .expected = 0},
        {.what = "more wear still leaves nothing", .price = 1000, .damage = 32767, .expected = 0},
    };
    for (const Case& c : cases) {
        clsClassItem lesson;
        lesson.SetData("木刀", 1, 3, kMethodUnit * 2 + 5, 10, c.price, "");
        lesson.SetItemDetail(7, c.damage);
        clsConstructItem building;
        building.SetData("名画", 1, 0, 100, 10, c.price, "");
        building.SetItemDetail(7, c.damage);
        EXPECT_EQ(lesson.CalcPrice(), c.expected) << c.what;
        EXPECT_EQ(building.CalcPrice(), c.expected) << c.what;
    }
}

TEST(ItemUnitRecords, ALessonItemDecodesItsEffectAndAppliesIt) {
    struct Case {
        const char* what;
        std::int32_t effect2;
        std::int32_t method;
        std::int32_t data;
        std::int16_t on10;
    } cases[] = {
        {.what = "method 2 adds", .effect2 = kMethodUnit * 2 + 30, .method = 2, .data = 30, .on10 = 40},
        {.what = "method 1 is a percentage",
         .effect2 = kMethodUnit * 1 + 150,
         .method = 1,
         .data = 150,
         .on10 = 15},
        {.what = "method 2 with 5", .effect2 = kMethodUnit * 2 + 5, .method = 2, .data = 5, .on10 = 15},
        {.what = "method 0 changes nothing", .effect2 = 150, .method = 0, .data = 150, .on10 = 10},
    };
    for (const Case& c : cases) {
        clsClassItem item;
        item.SetData("木刀", 1, -4, c.effect2, 10, 100, "剣の稽古に");
        EXPECT_EQ(item.ItemMethod(), c.method) << c.what;
        EXPECT_EQ(item.ItemData(), c.data) << c.what;
        EXPECT_EQ(item.CalcEffect(10), c.on10) << c.what;
        EXPECT_EQ(item.Injury(), -4);
    }
}

TEST(ItemUnitRecords, SixteenBitOverflowsRaiseAndChangeNothing) {
    clsClassItem item;
    item.SetData("木刀", 1, 3, kMethodUnit * 2 + 30, 10, 100, "");
    EXPECT_EQ(errorOf([&] { item.SetData("鉄剣", 2, 40000, 0, 10, 100, ""); }), ErrorNumber::Overflow);
    EXPECT_EQ(item.ItemName(), "木刀");
    clsClassItem big;
    big.SetData("重り", 11, 0, kMethodUnit * 2 + 30, 10, 100, "");
    EXPECT_EQ(errorOf([&] { big.CalcEffect(32760); }), ErrorNumber::Overflow);
}

TEST(ItemUnitRecords, ABuildingItemKeepsItsWordsWholeAndAMonsterRecordItsDrops) {
    clsConstructItem building;
    building.SetData("名画", 1, 70000, 250, 20, 5000, "美術館に飾る");
    EXPECT_EQ(building.TargetEffect(), 70000);
    EXPECT_EQ(building.EffectData(), 250);
    EXPECT_EQ(building.Tips(), "美術館に飾る");

    host::gdi::DeviceContext picture(4, 4);
    clsMonsterBattleData monster;
    monster.DC(&picture);
    monster.Width(4);
    monster.Item("薬草");
    monster.RheaItem("竜の鱗");
    EXPECT_EQ(monster.DC(), &picture);
    EXPECT_EQ(monster.MaskDC(), nullptr);
    EXPECT_EQ(monster.RheaItem(), "竜の鱗");
}

} // namespace
