#include "item_manager_fixture.h"

#include "support/error_of.h"

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

using ItemShop = ItemManagerFixture;
using Cells = std::vector<std::vector<std::string>>;

clsMngItem::UnitIds idsOf(const std::vector<const char*>& ids) {
    clsMngItem::UnitIds collection;
    for (const char* id : ids)
        collection.add(id);
    return collection;
}

TEST_F(ItemShop, TheListingShowsTheRowsWhoseBitTheShopWordSets) {
    struct Case {
        const char* what;
        std::int32_t word;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {.what = "the permanent stock alone", .word = 1 << 6, .names = {"薬草", "ポーション"}},
        {.what = "with two sponsors",
         .word = (1 << 6) | 1 | (1 << 7),
         .names = {"薬草", "鉄の剣", "ポーション", "木刀"}},
        {.what = "the top bit", .word = 1 << 30, .names = {"風景画"}},
        {.what = "every bit", .word = -1, .names = {"薬草", "鉄の剣", "ポーション", "木刀", "風景画"}},
        {.what = "none", .word = 0, .names = {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(column(items.GetItemShopData(c.word), 1), c.names) << c.what;

    items.ItemAdd("薬草", 100);
    items.ItemAdd("ポーション", 3);
    EXPECT_EQ(cellsOf(items.GetItemShopData(1 << 6)),
              (Cells{{"0", "薬草", "50", "0"}, {"0", "ポーション", "300", "97"}}));
    EXPECT_EQ(items.GetShopItemPrice("木刀"), 600);
    EXPECT_EQ(items.GetSellItemPrice("木刀"), 300);
    EXPECT_EQ(errorOf([&] { items.GetShopItemPrice("興奮剤"); }), ErrorNumber::InvalidCall);
}

TEST_F(ItemShop, HeldAndSaleListingsShowEveryHeldKindInCatalogueOrder) {
    EXPECT_TRUE(items.GetHoldItemData().empty());
    items.ItemAdd("銅チケット", 2);
    items.ItemAdd("鉄の剣", 1);
    items.ItemAdd("薬草", 4);
    items.ItemAdd("風景画", 1);
    EXPECT_EQ(cellsOf(items.GetHoldItemData()), (Cells{{"消費アイテム", "薬草", "20", "4"},
                                                       {"戦闘用アイテム", "鉄の剣", "500", "1"},
                                                       {"建物用アイテム", "風景画", "1500", "1"},
                                                       {"チケット", "銅チケット", "50", "2"}}));
    EXPECT_EQ(cellsOf(items.GetItemSellData()), (Cells{{"0", "薬草", "20", "4"},
                                                       {"0", "鉄の剣", "500", "1"},
                                                       {"0", "風景画", "1500", "1"},
                                                       {"0", "銅チケット", "50", "2"}}));
}

TEST_F(ItemShop, UnitsSoldByIdArePricedByTheirWearAndGoAllOrNone) {
    items.SetSaveData("鉄の剣;4:0:5:5000:6:9500:7:999/7");
    EXPECT_EQ(cellsOf(items.GetItemStorageData("鉄の剣")),
              (Cells{{"0", "500", "4"}, {"0", "250", "5"}, {"0", "50", "6"}, {"0", "500", "7"}}));
    EXPECT_EQ(items.GetItemSellPriceAsID("鉄の剣", idsOf({"5", "6"})), 300);
    EXPECT_EQ(items.GetItemSellPriceAsID("鉄の剣", idsOf({"4", "99"})), 500);
    EXPECT_EQ(items.GetItemSellPriceAsID("鉄の剣", idsOf({})), 0);

    for (const auto& bad : std::vector<std::vector<const char*>>{{"5", "99"}, {"5", "5"}, {"5", "x"}}) {
        const auto ids = idsOf(bad);
        EXPECT_TRUE(errorOf([&] { items.SetItemSellAsID("鉄の剣", ids); })) << bad[1];
        EXPECT_EQ(items.GetSaveData(), "鉄の剣;4:0:5:5000:6:9500:7:999/7");
    }
    items.SetItemSellAsID("鉄の剣", idsOf({"7", "5"}));
    EXPECT_EQ(items.GetSaveData(), "鉄の剣;4:0:6:9500/7");
}

TEST_F(ItemShop, ASaleByCountPaysOnlyForTheUnitsRemoved) {
    struct Case {
        std::int16_t held, asked, removed;
        std::int32_t money;
    };
    const Case cases[] = {
        {.held = 3, .asked = 2, .removed = 2, .money = 40},
        {.held = 3, .asked = 5, .removed = 3, .money = 60},
        {.held = 0, .asked = 4, .removed = 0, .money = 0},
        {.held = 3, .asked = 0, .removed = 0, .money = 0},
        {.held = 3, .asked = -2, .removed = -2, .money = 0},
    };
    for (const Case& c : cases) {
        items.SetDataInit();
        items.ItemAdd("薬草", c.held);
        std::int16_t count = c.asked;
        EXPECT_EQ(items.sellByCount("薬草", count), c.money) << c.held << " held, " << c.asked << " asked";
        EXPECT_EQ(count, c.removed) << c.held << " held, " << c.asked << " asked";
        EXPECT_EQ(items.ItemStorage("薬草"), c.held - std::max<std::int16_t>(c.removed, 0));
    }
}

// Sums past the money's range are held at its end instead of wrapping into
// a negative sale.
TEST_F(ItemShop, SaleSumsPastTheMoneysRangeAreHeldAtItsEnd) {
    clsMngItem rich{lessons};
    rich.SetItemData("金塊,1,0,0,0,1,2000000000,\r\n銀塊,1,0,0,0,1,30000000,");
    std::string silver;
    for (int id = 10; id < 110; ++id)
        silver += (id == 10 ? "" : ":") + std::to_string(id) + ":0";
    rich.SetSaveData("金塊;1:0:2:0:3:9000;銀塊;" + silver + "/200");
    struct Case {
        const char* name;
        std::vector<const char*> ids;
        std::int32_t money;
    };
    const Case byId[] = {
        {.name = "one unit", .ids = {"1"}, .money = 2000000000},
        {.name = "two units", .ids = {"1", "2"}, .money = 2147483647},
        {.name = "a worn unit beside", .ids = {"3", "1"}, .money = 2147483647},
        {.name = "the worn unit", .ids = {"3"}, .money = 200000000},
    };
    for (const Case& c : byId) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(rich.GetItemSellPriceAsID("金塊", idsOf(c.ids)), c.money);
    }
    std::int16_t count = 100;
    EXPECT_EQ(rich.sellByCount("銀塊", count), 2147483647);
    EXPECT_EQ(count, 100);
    count = 2;
    EXPECT_EQ(rich.sellByCount("金塊", count), 2147483647);
    EXPECT_EQ(rich.ItemStorage("金塊"), 1);
}

} // namespace
