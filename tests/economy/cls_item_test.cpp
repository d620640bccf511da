#include "economy/cls_item.h"

#include "fake_lessons.h"
#include "platform/services/silent_services.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

clsItem itemOf(const std::string& row) {
    clsItem item;
    item.SetData(row);
    return item;
}

TEST(Item, WearLowersTheUnitPriceByTenthsRoundedHalfToEvenWhenSold) {
    struct Case {
        std::int32_t price;
        std::int16_t wear;
        std::int32_t sold;
        const char* shown;
    };
    const Case cases[] = {
        {.price = 15, .wear = 0, .sold = 15, .shown = "15"},
        {.price = 15, .wear = 999, .sold = 15, .shown = "15"},
        {.price = 15, .wear = 1000, .sold = 14, .shown = "13.5"},
        {.price = 15, .wear = 5000, .sold = 8, .shown = "7.5"},
        {.price = 25, .wear = 5000, .sold = 12, .shown = "12.5"},
        {.price = 15, .wear = 9500, .sold = 2, .shown = "1.5"},
        // A tenth of the price is taken exactly: 0.7 x 45 is 31.5, not just below it.
        {.price = 45, .wear = 3000, .sold = 32, .shown = "31.5"},
        {.price = 45, .wear = 3999, .sold = 32, .shown = "31.5"},
        {.price = 199995, .wear = 3000, .sold = 139996, .shown = "139996.5"},
        {.price = 2147483647, .wear = 0, .sold = 2147483647, .shown = "2147483647"},
        {.price = 2147483647, .wear = 9000, .sold = 214748365, .shown = "214748364.7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.price) + " at " + std::to_string(c.wear));
        clsItem item = itemOf("鉄の剣,3,8,0,0,10," + std::to_string(c.price) + ",");
        item.SetSaveData("42:" + std::to_string(c.wear));
        EXPECT_EQ(item.GetItemPriceAsID(42), c.sold);
        EXPECT_EQ(item.GetItemPriceAsID(43), 0);
        const auto rows = item.GetItemDataAsID();
        ASSERT_EQ(rows.count(), 1);
        EXPECT_EQ(rows.item(1).Data(0), "0");
        EXPECT_EQ(rows.item(1).Data(1), c.shown);
        EXPECT_EQ(rows.item(1).Data(2), "42");
    }
}

TEST(Item, AUnitBreaksOnlyWhenItsWearPassesTheLimit) {
    ScopedSilentServices services;
    clsItem item = itemOf("鉄の剣,3,8,0,0,10,100,");
    std::vector<std::string> broken;
    item.ItemBroken.subscribe([&](std::string& name) { broken.push_back(name); });

    item.ItemDamage(500); // nothing held: no draw, nothing happens
    EXPECT_EQ(services->drawCount(), 0);

    item.SetSaveData("1:9000:2:0");
    services->scriptDraws({0.0f});
    item.ItemDamage(500); // the first unit, to exactly 9500
    EXPECT_EQ(item.GetSaveData(), "1:9500:2:0");
    EXPECT_TRUE(broken.empty());

    services->scriptDraws({0.0f});
    item.ItemDamage(1);
    EXPECT_EQ(broken, std::vector<std::string>{"鉄の剣"});
    EXPECT_EQ(item.GetSaveData(), "2:0");

    // Wear that would pass the 16-bit range is held there, and the unit breaks.
    item.SetSaveData("3:9000");
    services->scriptDraws({0.99f}); // the second unit
    item.ItemDamage(30000);
    EXPECT_EQ(broken.size(), 2u);
    EXPECT_EQ(item.GetSaveData(), "2:0");
}

TEST(Item, DeletingTakesTheOldestUnitsAndLowersTheCountToWhatWasHeld) {
    struct Case {
        std::int16_t count;
        std::int16_t removed;
        const char* left;
    };
    const Case cases[] = {{.count = 5, .removed = 3, .left = ""},
                          {.count = 2, .removed = 2, .left = "9:0"},
                          {.count = 0, .removed = 0, .left = "4:0:7:10:9:0"},
                          {.count = -1, .removed = -1, .left = "4:0:7:10:9:0"}};
    for (const Case& c : cases) {
        clsItem item = itemOf("薬草,2,0,131072,10,1,20,");
        item.SetSaveData("4:0:7:10:9:0");
        std::int16_t count = c.count;
        item.DeleteItem(count);
        EXPECT_EQ(count, c.removed) << c.count;
        EXPECT_EQ(item.GetSaveData(), c.left) << c.count;
    }
}

TEST(Item, UnitSaveTextsRoundTripAndABadOneAddsNothing) {
    clsItem item = itemOf("薬草,2,0,131072,10,1,20,");
    EXPECT_EQ(item.GetSaveData(), "");
    item.SetSaveData("");
    EXPECT_EQ(item.ItemStorage(), 0);

    item.SetSaveData("12:0:15:2300");
    item.AddItem(16);
    EXPECT_EQ(item.GetSaveData(), "12:0:15:2300:16:0");
    clsItem copy = itemOf("薬草,2,0,131072,10,1,20,");
    copy.SetSaveData(item.GetSaveData());
    EXPECT_EQ(copy.GetSaveData(), "12:0:15:2300:16:0");

    struct Bad {
        const char* text;
        ErrorNumber error;
    };
    const Bad bad[] = {
        {"20:0:21", ErrorNumber::SubscriptOutOfRange}, {"20:0:x:0", ErrorNumber::TypeMismatch},
        {"20:99999", ErrorNumber::Overflow},           {"20:-1", ErrorNumber::InvalidCall},
        {"20:9501", ErrorNumber::InvalidCall},         {"0:0", ErrorNumber::InvalidCall},
        {"-20:0", ErrorNumber::InvalidCall},           {"20:0:15:0", ErrorNumber::DuplicateKey},
        {"20:0:20:5", ErrorNumber::DuplicateKey}};
    for (const Bad& b : bad) {
        EXPECT_EQ(errorOf([&] { copy.SetSaveData(b.text); }), b.error) << b.text;
        EXPECT_EQ(copy.GetSaveData(), "12:0:15:2300:16:0") << b.text;
    }
    EXPECT_EQ(errorOf([&] { copy.DeleteItemID(99); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { copy.AddItem(12); }), ErrorNumber::DuplicateKey);
}

TEST(Item, TipsOfEachItemType) {
    FakeLessons lessons;
    lessons.lessons[1] = {"素振り", "剣道"};
    struct Case {
        const char* row;
        const char* tips;
    };
    const Case cases[] = {
        {"鉄鉱石,1,0,0,0,1,60,鉄を含む石", "素材アイテム\r\n鉄を含む石\r\n売却価格:60"},
        {"秘薬,2,4,393218,40,1,700,よく効く",
         "消費アイテム\r\n効果:筋力アップ,体力回復,調子を上げる\r\n危険度中\r\nよく効く\r\n"
         "売却価格:700"},
        {"水,2,0,0,5,1,10,ただの水", "消費アイテム\r\n効果:\r\n危険度なし\r\nただの水\r\n売却価格:10"},
        {"怪しい薬,2,-1,524288,5,1,10,", "消費アイテム\r\n効果:不満を下げる\r\n危険度小\r\n\r\n売却価格:10"},
        {"強い薬,2,7,1,5,1,10,", "消費アイテム\r\n効果:最大体力アップ\r\n危険度大\r\n\r\n売却価格:10"},
        {"鉄の盾,3,2,532,0,500,3500,重い盾",
         "戦闘用アイテム\r\n対象:防御陣形\r\n防御力+20%\r\n重い盾\r\n売却価格:3500"},
        {"鋼の剣,4,1,3,65656,8,2500,よく切れる",
         "授業用アイテム\r\n対象授業:素振り,剣道\r\n効果:+20%\r\n危険度小\r\nよく切れる\r\n"
         "売却価格:2500"},
        {"稽古槍,4,2,11,131087,6,300,",
         "授業用アイテム\r\n対象授業:\r\n効果:+15\r\n危険度大\r\n\r\n売却価格:300"},
        {"謎の道具,4,2,0,196608,6,300,",
         "授業用アイテム\r\n対象授業:\r\n効果:\r\n危険なし\r\n\r\n売却価格:300"},
        {"古代の壺,5,1,0,250,12,12000,古い壺",
         "建物用アイテム\r\n美術館に設置\r\n影響力大\r\n古い壺\r\n売却価格:12000"},
        {"事典,5,2,0,30,10,1000,", "建物用アイテム\r\n図書館に配本\r\n\r\n\r\n売却価格:1000"},
        {"銅チケット,6,0,0,0,1,50,福引き", "チケット\r\n福引き\r\n売却価格:50"},
        {"謎,9,0,0,0,1,5,何か", "\r\n売却価格:5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(itemOf(c.row).GetItemTips(lessons), c.tips) << c.row;
}

TEST(Item, CatalogueRowsAreWidenedAndBadRowsRefused) {
    const clsItem item = itemOf("ﾎﾟｰｼｮﾝ,2,1,131072,50,1,150,ﾖｸ効ｸ");
    EXPECT_EQ(item.ItemName(), "ポーション");
    EXPECT_EQ(item.Tips(), "ヨク効ク");
    EXPECT_EQ(item.ItemType(), 2);
    EXPECT_EQ(item.Effect1(), 131072);
    EXPECT_EQ(item.Effect2(), 50);
    EXPECT_EQ(item.Price(), 150);
    EXPECT_EQ(errorOf([] { itemOf("薬草,2,0,1,10,1,20"); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([] { itemOf("薬草,2,0,1,10,x,20,"); }), ErrorNumber::TypeMismatch);
    EXPECT_EQ(errorOf([] { itemOf(",2,0,1,10,1,20,"); }), ErrorNumber::InvalidCall);
}

} // namespace
