#include "item_manager_fixture.h"

#include "support/error_of.h"

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

using ItemQueries = ItemManagerFixture;
using Cells = std::vector<std::vector<std::string>>;
using Names = std::vector<std::string>;

TEST_F(ItemQueries, BuildingRowsReceiveTheInfluenceOfTheItemsStillHeld) {
    items.ItemAdd("風景画", 1);
    items.ItemAdd("百科事典", 1);
    auto rows = rowsOf({{"美術館", "風景画", ""},
                        {"図書館", "", "9"},
                        {"礼拝堂", "古代の壺", "9"},
                        {"図書館", "百科事典", ""},
                        {"美術館", "風景画"}});
    items.SetConstructItemEffect(rows);
    EXPECT_EQ(column(rows, 2), (Names{"25", "0", "0", "50", ""}));

    items.ItemAdd("古代の壺", 1);
    items.ItemAdd("奇妙な像", 1);
    EXPECT_EQ(cellsOf(items.GetConstructItem(1)),
              (Cells{{"0", "風景画", "極小"}, {"0", "古代の壺", "大"}, {"0", "奇妙な像", ""}}));
    EXPECT_EQ(cellsOf(items.GetConstructItem(2)), (Cells{{"0", "百科事典", "小"}}));
    EXPECT_TRUE(items.GetConstructItem(3).empty());
    EXPECT_TRUE(items.CheckConstructItem(1));
    EXPECT_TRUE(items.CheckConstructItem(2));
    EXPECT_FALSE(items.CheckConstructItem(3));
    std::int16_t one = 1;
    items.ItemDelete("百科事典", one);
    EXPECT_FALSE(items.CheckConstructItem(2)); // catalogued but no longer held
}

TEST_F(ItemQueries, TheLessonItemPickerOffersTheHeldItemsOfTheKindNotYetBooked) {
    for (const char* name : {"木刀", "鋼の剣", "名匠の剣", "稽古槍"})
        items.ItemAdd(name, 1);
    struct Case {
        std::int32_t kind;
        Names booked;
        Names offered;
    };
    const Case cases[] = {
        {.kind = 1, .booked = {}, .offered = {"木刀", "鋼の剣", "名匠の剣"}},
        {.kind = 1, .booked = {"鋼の剣", "稽古槍"}, .offered = {"木刀", "名匠の剣"}},
        {.kind = 1, .booked = {"木刀", "鋼の剣", "名匠の剣"}, .offered = {}},
        {.kind = 2, .booked = {"木刀"}, .offered = {"稽古槍"}},
        {.kind = 3, .booked = {}, .offered = {}},
    };
    for (const Case& c : cases) {
        Cells bookedRows;
        for (const std::string& name : c.booked)
            bookedRows.push_back({name, "月曜1限"});
        const auto booked = rowsOf(bookedRows);
        EXPECT_EQ(column(items.GetClassItemData(c.kind, booked), 1), c.offered) << c.kind;
        EXPECT_EQ(items.CheckClassItem(c.kind, booked), !c.offered.empty()) << c.kind;
    }
    EXPECT_EQ(cellsOf(items.GetClassItemData(1, rowsOf({}))), (Cells{{"0", "木刀", "+3", "なし", "中"},
                                                                     {"0", "鋼の剣", "+20%", "小", "中"},
                                                                     {"0", "名匠の剣", "+40%", "大", "大"}}));
    EXPECT_EQ(column(items.GetClassItemName(), 0), (Names{"木刀", "鋼の剣", "名匠の剣", "稽古槍"}));
    EXPECT_EQ(items.GetClassItemClassEffect("鋼の剣"), 65656);
    EXPECT_EQ(items.GetClassItemClassRisk("鋼の剣"), 3);
    EXPECT_EQ(items.GetClassItemCheck("稽古槍"), 2);
}

TEST_F(ItemQueries, TheBattleItemPickerLeavesOutItemsTheQuestTeamsCarryEveryUnitOf) {
    struct Case {
        const char* what;
        std::int16_t swords, shields;
        Cells carried;
        Names offered;
    };
    const Case cases[] = {
        {.what = "nothing held", .swords = 0, .shields = 0, .carried = {}, .offered = {}},
        {.what = "none carried", .swords = 1, .shields = 2, .carried = {}, .offered = {"鉄の剣", "鉄の盾"}},
        {.what = "both swords carried",
         .swords = 2,
         .shields = 1,
         .carried = {{"鉄の剣", "2"}},
         .offered = {"鉄の盾"}},
        {.what = "one of three swords free",
         .swords = 3,
         .shields = 0,
         .carried = {{"鉄の剣", "2"}},
         .offered = {"鉄の剣"}},
        {.what = "the first row of a name counts",
         .swords = 2,
         .shields = 0,
         .carried = {{"鉄の剣", "1"}, {"鉄の剣", "5"}},
         .offered = {"鉄の剣"}},
        {.what = "everything carried",
         .swords = 1,
         .shields = 1,
         .carried = {{"鉄の盾", "1"}, {"鉄の剣", "1"}},
         .offered = {}},
    };
    for (const Case& c : cases) {
        items.SetDataInit();
        items.ItemAdd("鉄の剣", c.swords);
        items.ItemAdd("鉄の盾", c.shields);
        const auto carried = rowsOf(c.carried);
        const auto offered = items.GetBattleItemData(carried);
        EXPECT_EQ(column(offered, 1), c.offered) << c.what;
        EXPECT_EQ(items.CheckBattleItem(carried), !c.offered.empty()) << c.what;
        EXPECT_EQ(items.GetBattleItemCheck(), c.swords + c.shields > 0) << c.what;
        for (const clsGetGridData& row : offered)
            EXPECT_EQ(row.Cols(), 13) << c.what;
    }
    EXPECT_EQ(errorOf([&] {
                  items.GetBattleItemData(rowsOf({{"鉄の剣", "x"}}));
              }),
              ErrorNumber::TypeMismatch);

    EXPECT_TRUE(items.GetBattleItem("").ItemName().empty());
    EXPECT_EQ(items.GetBattleItem("鉄の盾").Defense(), 20);
    EXPECT_EQ(
        [&] {
            Names names;
            for (const std::string& name : items.GetBattleItemName())
                names.push_back(name);
            return names;
        }(),
        (Names{"鉄の剣", "鉄の盾"}));
}

TEST_F(ItemQueries, TakingAConsumableUsesItsOldestUnitAndNoneHeldGivesNothing) {
    EXPECT_FALSE(items.GetIsConsumeItem());
    EXPECT_FALSE(items.CheckItemData());
    items.ItemAdd("銅チケット", 1);
    EXPECT_FALSE(items.GetIsConsumeItem());
    EXPECT_TRUE(items.CheckItemData());

    items.ItemAdd("興奮剤", 2);
    items.ItemAdd("薬草", 1);
    EXPECT_TRUE(items.GetIsConsumeItem());
    EXPECT_EQ(cellsOf(items.GetConsumeItemData()),
              (Cells{{"0", "薬草", "なし", "1"}, {"0", "興奮剤", "中", "2"}}));

    const auto taken = items.GetConsumeItem("興奮剤");
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->ItemName(), "興奮剤");
    EXPECT_EQ(taken->Category(), 5);
    EXPECT_EQ(taken->Effect1(), 393216);
    EXPECT_EQ(taken->Effect2(), 20);
    EXPECT_EQ(items.GetSaveData(), "薬草;4:0;興奮剤;3:0;銅チケット;1:0/4");

    const std::string before = items.GetSaveData();
    EXPECT_FALSE(items.GetConsumeItem("ポーション").has_value());
    EXPECT_EQ(items.GetSaveData(), before);
    EXPECT_EQ(items.GetConsumeItemTips("興奮剤"), "体に毒");
}

TEST_F(ItemQueries, HeldChecksAndTheKindsSoldByCount) {
    EXPECT_FALSE(items.CheckItem(""));
    EXPECT_FALSE(items.CheckItem("鉄の剣"));
    items.ItemAdd("鉄の剣", 1);
    EXPECT_TRUE(items.CheckItem("鉄の剣"));
    EXPECT_EQ(errorOf([&] { items.CheckItem("幻の品"); }), ErrorNumber::InvalidCall);

    struct Case {
        const char* name;
        bool byCount;
    };
    const Case cases[] = {
        {.name = "赤いきのこ", .byCount = true}, {.name = "薬草", .byCount = true},
        {.name = "銅チケット", .byCount = true}, {.name = "鉄の剣", .byCount = false},
        {.name = "木刀", .byCount = false},      {.name = "風景画", .byCount = false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(items.GetIsItemMaterial(c.name), c.byCount) << c.name;
}

} // namespace
