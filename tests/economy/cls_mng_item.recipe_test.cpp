#include "item_manager_fixture.h"

#include "support/error_of.h"

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

using Processing = ItemManagerFixture;
using Cells = std::vector<std::vector<std::string>>;

TEST_F(Processing, RecipesAreOfferedFromTheirRankAndListedWhenTheirMaterialsAreHeld) {
    items.ItemAdd("鉄の剣", 2);
    EXPECT_EQ(cellsOf(items.GetProcessItem(3)), (Cells{{"0", "ポーション", "100", "0", "薬草", "赤いきのこ"},
                                                       {"0", "赤いきのこ", "10", "0", "薬草", "薬草"},
                                                       {"0", "鉄の剣", "1000", "2", "鉄鉱石", ""}}));
    EXPECT_EQ(column(items.GetProcessItem(2), 1), (std::vector<std::string>{"ポーション", "赤いきのこ"}));
    EXPECT_EQ(items.GetProcessItem(7).count(), 4);

    struct Case {
        const char* what;
        std::vector<std::pair<const char*, std::int16_t>> held;
        std::vector<std::string> offered;
    };
    const Case cases[] = {
        {.what = "nothing held", .held = {}, .offered = {}},
        {.what = "one herb", .held = {{"薬草", 1}}, .offered = {}},
        {.what = "two herbs", .held = {{"薬草", 2}}, .offered = {"赤いきのこ"}},
        {.what = "a herb and a mushroom",
         .held = {{"薬草", 1}, {"赤いきのこ", 1}},
         .offered = {"ポーション"}},
        {.what = "ore alone", .held = {{"鉄鉱石", 1}}, .offered = {"鉄の剣"}},
    };
    for (const Case& c : cases) {
        items.SetDataInit();
        for (const auto& [name, count] : c.held)
            items.ItemAdd(name, count);
        EXPECT_EQ(column(items.GetEnableProcessItem(3), 1), c.offered) << c.what;
    }
    items.ItemAdd("鉄鉱石", 1);
    EXPECT_TRUE(items.GetEnableProcessItem(2).empty());
}

TEST_F(Processing, ProductsAreMadeFromTheirMaterialsAndAUnitBeyondTheCapIsSold) {
    items.ItemAdd("薬草", 5);
    items.ItemAdd("赤いきのこ", 3);
    std::int16_t count = 3;
    EXPECT_EQ(items.SetProcessItem("ポーション", count), 3);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(items.ItemStorage("薬草"), 2);
    EXPECT_EQ(items.ItemStorage("赤いきのこ"), 0);

    count = 1; // two of the same material for each product
    EXPECT_EQ(items.SetProcessItem("赤いきのこ", count), 1);
    EXPECT_EQ(items.ItemStorage("薬草"), 0);
    EXPECT_TRUE(events.empty());

    items.ItemAdd("ポーション", 96);
    items.ItemAdd("薬草", 2);
    items.ItemAdd("赤いきのこ", 2);
    count = 2;
    EXPECT_EQ(items.SetProcessItem("ポーション", count), 100);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(items.ItemStorage("薬草"), 0);
    EXPECT_EQ(items.ItemStorage("赤いきのこ"), 1); // the one made above stays
    EXPECT_EQ(events,
              (std::vector<std::string>{"money 1 150", "report ポーションは一杯だったので売却しました"}));
}

TEST_F(Processing, MoreThanTheMaterialsAllowIsRefusedBeforeAnythingChanges) {
    struct Case {
        const char* recipe;
        std::vector<std::pair<const char*, std::int16_t>> held;
        std::int16_t count;
    };
    const Case cases[] = {
        {.recipe = "ポーション", .held = {{"薬草", 5}, {"赤いきのこ", 2}}, .count = 3},
        {.recipe = "赤いきのこ", .held = {{"薬草", 5}}, .count = 3},
        {.recipe = "鉄の剣", .held = {}, .count = 1},
        {.recipe = "鋼の剣", .held = {{"鉄鉱石", 4}, {"鉄の剣", 1}}, .count = 2},
    };
    for (const Case& c : cases) {
        items.SetDataInit();
        for (const auto& [name, count] : c.held)
            items.ItemAdd(name, count);
        const std::string before = items.GetSaveData();
        std::int16_t count = c.count;
        EXPECT_EQ(errorOf([&] { items.SetProcessItem(c.recipe, count); }), ErrorNumber::InvalidCall)
            << c.recipe;
        EXPECT_EQ(count, c.count) << c.recipe;
        EXPECT_EQ(items.GetSaveData(), before) << c.recipe;
    }
    EXPECT_TRUE(events.empty());
}

TEST_F(Processing, TheTipNamesEachMaterialWithItsHeldCountThenTheProduct) {
    items.ItemAdd("薬草", 4);
    EXPECT_EQ(items.GetProcessItemTips("ポーション"),
              "薬草(4個)\r\n赤いきのこ(0個)\r\n" + items.GetItemTips("ポーション"));
    EXPECT_EQ(items.GetProcessItemTips("鉄の剣"), "鉄鉱石(0個)\r\n" + items.GetItemTips("鉄の剣"));
    EXPECT_EQ(items.GetProcessPrice("鋼の剣"), 2000);
    EXPECT_EQ(errorOf([&] { items.GetProcessPrice("薬草"); }), ErrorNumber::InvalidCall);
}

} // namespace
