#include "economy/cls_mng_item.h"

#include "fake_lessons.h"
#include "platform/services/silent_services.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

// Name, ItemType, Category, Effect1, Effect2, Broken, Price, Tips; the last
// row is written half width, as the master data arrives.
const char* const kItems = "薬草,2,0,131072,10,1,20,野の草\r\n"
                           "赤いきのこ,1,0,0,0,1,40,\r\n"
                           "\r\n"
                           "鉄の剣,3,8,0,0,300,500,\r\n"
                           "ﾎﾟｰｼｮﾝ,2,1,131072,50,1,150,";
const char* const kShop = "7,薬草,50\r\n7,ﾎﾟｰｼｮﾝ,300";
const char* const kRecipes = "ﾎﾟｰｼｮﾝ,薬草,赤いきのこ,0,100\r\n"
                             "赤いきのこ,薬草,薬草,0,10\r\n"
                             "鉄の剣,薬草,,2,1000";

class ItemManager : public ::testing::Test {
  protected:
    void SetUp() override {
        items.SetItemData(kItems);
        items.SetItemShopData(kShop);
        items.SetRecipe(kRecipes);
        items.MoveMoney.subscribe([this](std::int32_t& method, std::int32_t& money) {
            events.push_back("money " + std::to_string(method) + " " + std::to_string(money));
        });
        items.Report.subscribe([this](std::string& message) { events.push_back("report " + message); });
        items.SoundPlay.subscribe([this](std::string& name) { events.push_back("sound " + name); });
        items.ItemBroken.subscribe([this](std::string& message) { events.push_back("broken " + message); });
    }

    ScopedSilentServices services;
    FakeLessons lessons;
    clsMngItem items{lessons};
    std::vector<std::string> events;
};

TEST_F(ItemManager, UnitsBeyondAHundredAreSoldAtTheSalePrice) {
    items.ItemAdd("薬草", 99);
    items.ItemAdd("薬草", 3);
    EXPECT_EQ(items.ItemStorage("薬草"), 100);
    EXPECT_EQ(events, (std::vector<std::string>{"money 1 20", "report 薬草は一杯だったので売却しました",
                                                "money 1 20", "report 薬草は一杯だったので売却しました"}));
    EXPECT_TRUE(items.GetSaveData().ends_with("/100"));

    items.ItemAdd("ない品", 0);
    items.ItemAdd("ポーション", -2);
    EXPECT_EQ(errorOf([&] { items.ItemAdd("ない品", 1); }), ErrorNumber::InvalidCall);
}

TEST_F(ItemManager, TheUnitCounterWrapsAndThenPassesOverIdsStillHeld) {
    items.SetSaveData("薬草;1:0:3:0/2139999999");
    items.ItemAdd("赤いきのこ", 3);
    EXPECT_EQ(items.GetSaveData(), "薬草;1:0:3:0;赤いきのこ;2140000000:0:2140000001:0:2140000002:0/0");
    items.ItemAdd("鉄の剣", 2);
    EXPECT_EQ(items.GetSaveData(),
              "薬草;1:0:3:0;赤いきのこ;2140000000:0:2140000001:0:2140000002:0;鉄の剣;2:0:4:0/4");
}

TEST_F(ItemManager, WearIsDrawnWhenNoneIsGivenAndABreakIsHeardThenReported) {
    std::int16_t wear = 0;
    services->scriptDraws({0.5f});
    items.ItemDamage("鉄の剣", wear); // nothing held: the wear is still drawn
    EXPECT_EQ(wear, 150);

    items.SetSaveData("鉄の剣;8:9400/8");
    wear = 0;
    services->scriptDraws({0.9f, 0.0f});
    items.ItemDamage("鉄の剣", wear);
    EXPECT_EQ(wear, 270);
    EXPECT_EQ(events, (std::vector<std::string>{"sound puu79_a",
                                                "broken アイテム【鉄の剣】は使い物にならなくなった"}));
    EXPECT_EQ(items.cEventItem().ItemName(), "鉄の剣");

    wear = 0;
    items.ItemDamage("", wear);
    EXPECT_EQ(wear, 0);
}

TEST_F(ItemManager, DeletingWritesBackTheCountRemoved) {
    items.ItemAdd("薬草", 3);
    std::int16_t count = 5;
    items.ItemDelete("薬草", count);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(items.ItemStorage("薬草"), 0);
    count = 5;
    items.ItemDelete("", count);
    EXPECT_EQ(count, 5);
}

TEST_F(ItemManager, PurchaseAndProcessingLimits) {
    items.ItemAdd("薬草", 5);
    items.ItemAdd("赤いきのこ", 3);
    EXPECT_EQ(items.MaxItem("薬草", 1000), 20);
    EXPECT_EQ(items.MaxItem("薬草", 49), 0);
    EXPECT_EQ(items.MaxItem("薬草", 100000), 95);
    EXPECT_EQ(items.MaxItem("ポーション", 100000), 100);
    EXPECT_EQ(errorOf([&] { items.MaxItem("鉄の剣", 1000); }), ErrorNumber::InvalidCall);

    struct Case {
        const char* recipe;
        std::int32_t money;
        std::int16_t most;
    };
    const Case cases[] = {
        {.recipe = "ポーション", .money = 10000, .most = 3}, // the fewer material
        {.recipe = "ポーション", .money = 250, .most = 2},   // the money
        {.recipe = "ポーション", .money = 99, .most = 0},    // less than one fee
        {.recipe = "赤いきのこ", .money = 10000, .most = 2}, // two of the same material each
        {.recipe = "鉄の剣", .money = 10000, .most = 5},     // one material
    };
    for (const Case& c : cases)
        EXPECT_EQ(items.MaxItemMixture(c.recipe, c.money), c.most) << c.recipe << " " << c.money;

    items.ItemAdd("赤いきのこ", 96);
    EXPECT_EQ(items.MaxItemMixture("赤いきのこ", 10000), 1); // the cap
    items.ItemAdd("赤いきのこ", 1);
    EXPECT_EQ(items.MaxItemMixture("赤いきのこ", 10000), 0);
}

TEST_F(ItemManager, SaveTextsRoundTripAndABadOneChangesNothing) {
    EXPECT_EQ(items.GetSaveData(), "/0");
    items.SetSaveData("/17");
    EXPECT_EQ(items.GetSaveData(), "/17");

    items.ItemAdd("ポーション", 2);
    items.ItemAdd("薬草", 1);
    std::int16_t wear = 40;
    services->scriptDraws({0.0f});
    items.ItemDamage("ポーション", wear);
    const std::string saved = items.GetSaveData();
    EXPECT_EQ(saved, "薬草;20:0;ポーション;18:40:19:0/20");

    clsMngItem loaded{lessons};
    loaded.SetItemData(kItems);
    loaded.ItemAdd("赤いきのこ", 4);
    loaded.SetSaveData("ﾎﾟｰｼｮﾝ;18:40:19:0;薬草;20:0/20"); // half width, as the facade hands it over
    EXPECT_EQ(loaded.GetSaveData(), saved);

    for (const char* bad : {"ない品;1:0/5", "薬草;1:0/x", "薬草;1:0/-3", "薬草;1:x/5",
                            "薬草;1:0;ポーション;1:0/5", "薬草;1:0:2/5", "薬草/5", "薬草;1:0", "", "/5/6"}) {
        EXPECT_TRUE(errorOf([&] { loaded.SetSaveData(bad); })) << bad;
        EXPECT_EQ(loaded.GetSaveData(), saved) << bad;
    }

    loaded.SetDataInit();
    EXPECT_EQ(loaded.GetSaveData(), "/0");
}

// Values the game never writes: a counter past its wrap point (two more
// units would overflow it), IDs below 1, wear below 0 or past the breaking
// point (a negative sale price), more units of a kind than it can hold.
TEST_F(ItemManager, SaveTextsWithValuesTheGameNeverWritesAreRefused) {
    const auto units = [](int first, int count) {
        std::string text;
        for (int id = first; id < first + count; ++id)
            text += (text.empty() ? "" : ":") + std::to_string(id) + ":0";
        return text;
    };
    struct Case {
        const char* name;
        std::string text;
        bool loads;
    };
    const Case cases[] = {
        {.name = "counter at its wrap point", .text = "薬草;1:0/2140000000", .loads = true},
        {.name = "counter past its wrap point", .text = "薬草;1:0/2140000001", .loads = false},
        {.name = "counter at the largest Long", .text = "/2147483647", .loads = false},
        {.name = "ID 0", .text = "薬草;0:0/5", .loads = false},
        {.name = "negative ID", .text = "薬草;-7:0/5", .loads = false},
        {.name = "wear at the breaking point", .text = "鉄の剣;1:9500/5", .loads = true},
        {.name = "wear past the breaking point", .text = "鉄の剣;1:9501/5", .loads = false},
        {.name = "wear 20000", .text = "鉄の剣;1:20000/5", .loads = false},
        {.name = "negative wear", .text = "鉄の剣;1:-1/5", .loads = false},
        {.name = "a hundred units", .text = "薬草;" + units(1, 100) + "/100", .loads = true},
        {.name = "101 units", .text = "薬草;" + units(1, 101) + "/101", .loads = false},
        {.name = "a kind named twice past the cap",
         .text = "薬草;" + units(1, 60) + ";薬草;" + units(61, 60) + "/120",
         .loads = false},
        {.name = "a kind named twice", .text = "薬草;1:0;薬草;2:0/2", .loads = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clsMngItem loaded{lessons};
        loaded.SetItemData(kItems);
        loaded.SetSaveData("赤いきのこ;3:0/3");
        const auto error = errorOf([&] { loaded.SetSaveData(c.text); });
        EXPECT_EQ(!error, c.loads);
        EXPECT_EQ(loaded.GetSaveData(), c.loads ? c.text : "赤いきのこ;3:0/3");
    }
}

TEST_F(ItemManager, CataloguesLoadWidenedAndRefuseRepeatedKeys) {
    EXPECT_EQ(items.ItemStorage("ポーション"), 0);
    EXPECT_EQ(items.GetItemTips("薬草"),
              "消費アイテム\r\n効果:体力回復\r\n危険度なし\r\n野の草\r\n売却価格:20");
    EXPECT_EQ(errorOf([&] { items.SetItemData("薬草,2,0,0,1,1,20,"); }), ErrorNumber::DuplicateKey);
    EXPECT_EQ(errorOf([&] { items.SetRecipe("鉄の剣,薬草,,2,1000"); }), ErrorNumber::DuplicateKey);
    items.SetTicket("銅ﾁｹｯﾄ,1,薬草\r\n銅ﾁｹｯﾄ,2,薬草");
    EXPECT_EQ(errorOf([&] { items.SetTicket("銅チケット,2,赤いきのこ"); }), ErrorNumber::DuplicateKey);
}

} // namespace
