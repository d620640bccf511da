#include "state/cls_data.h"

#include "economy/companies/company_codes.h"
#include "host/runtime/runtime_error.h"
#include "platform/rules/mdl_zrd_func.h"
#include "platform/sound/sound_names.h"
#include "state/state_support.h"
#include "students/newcomers/cls_create_student_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using host::runtime::RuntimeError;
using statetest::LoadedFacade;

constexpr const char* kStudent = "試験太郎";

// A new game made by the facade with one student; the reports are kept.
struct Town : LoadedFacade {
    Town() {
        data.SetDataInit();
        data.TestPlay();
        clsCreateStudentData student;
        student.StudentName(kStudent);
        managers(data).students().CreateStudent(student);
        managers(data).students().SetNewStudent(kStudent);
        data.Report.subscribe([this](std::string& MSG) { reports.push_back(MSG); });
    }
    void setMoney(std::int32_t money) {
        managers(data).system().SubMoney(data.GetMoney());
        managers(data).system().AddMoney(money);
    }
    void setPoints(std::int32_t points) {
        managers(data).system().SubKingdomPoint(data.GetKingdomPoint());
        managers(data).system().AddKingdomPoint(points);
    }
    void hold(const std::string& item, std::int16_t count) { managers(data).items().ItemAdd(item, count); }
    std::int16_t held(const std::string& item) { return managers(data).items().ItemStorage(item); }
    std::vector<std::string> played() const { return services->played(); }
    std::vector<std::string> reports;
};

// The game the command would have left, and what it would have heard.
struct Unchanged {
    explicit Unchanged(Town& town)
        : town(town), money(town.data.GetMoney()), points(town.data.GetKingdomPoint()),
          items(managers(town.data).items().GetSaveData()), sounds(town.played().size()) {}
    void check() const {
        EXPECT_EQ(town.data.GetMoney(), money);
        EXPECT_EQ(town.data.GetKingdomPoint(), points);
        EXPECT_EQ(managers(town.data).items().GetSaveData(), items);
        EXPECT_EQ(town.played().size(), sounds);
    }
    Town& town;
    std::int32_t money;
    std::int32_t points;
    std::string items;
    std::size_t sounds;
};

// The company whose running sponsor contract discounts building work.
std::string constructionSponsor(clsData& data) {
    for (const clsCompany& c : managers(data).companies().Companies())
        if (c.SponsorMerit() == sponsor_merit::kConstructionDiscount && c.SponsorData() > 0)
            return c.CompanyName();
    return "";
}

TEST(FacadeShopTips, EachTownPlaceTellsItsOwnTip) {
    Town town;
    clsData& data = town.data;
    town.hold("薬草", 3);
    const std::string company = data.GetCompanyData().keyAt(1);
    struct Case {
        MenuKey menu;
        std::string row;
        std::string tip;
    };
    const Case cases[] = {
        {.menu = "アイテム店",
         .row = "薬草",
         .tip = managers(data).items().GetItemTips("薬草") + "\r\n所持数=3"},
        {.menu = "アイテム店",
         .row = "回復薬",
         .tip = managers(data).items().GetItemTips("回復薬") + "\r\n所持数=0"},
        {.menu = "ポイント交換所",
         .row = "銅チケット",
         .tip = managers(data).items().GetItemTips("銅チケット")},
        {.menu = "ポイント交換所",
         .row = "八時間授業許可",
         .tip = "来月から4時間授業を8時間授業に変更します"},
        {.menu = "株屋", .row = company, .tip = managers(data).companies().GetCompanyTooltip(company)},
        {.menu = "加工屋", .row = "回復薬", .tip = managers(data).items().GetProcessItemTips("回復薬")},
        {.menu = "チケット引換所",
         .row = "銀チケット",
         .tip = managers(data).items().GetItemTips("銀チケット")},
        {.menu = "王国許可局", .row = "図書館", .tip = managers(data).system().GetBuildTips("図書館")},
        {.menu = "生徒を見る", .row = "薬草", .tip = ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.menu.name()) + " " + c.row);
        data.SetMenu(c.menu);
        EXPECT_EQ(data.GetShopTips(c.row), c.tip);
    }
    data.SetMenu("アイテム店");
    EXPECT_THROW(data.GetShopTips("無い品"), RuntimeError);
}

TEST(FacadeShop, BuyingAndSellingByCountPayForTheUnitsThatMove) {
    struct Case {
        const char* name;
        const char* excute;
        std::int16_t before;
        std::int16_t count;
        std::int16_t answer;
        std::int16_t after;
        std::int32_t moneyChange;
    };
    // 薬草: shop price 40, sale price 20.
    const Case cases[] = {
        {.name = "buy",
         .excute = "購入",
         .before = 20,
         .count = 5,
         .answer = 75,
         .after = 25,
         .moneyChange = -200},
        {.name = "buy past the cap sells the surplus",
         .excute = "購入",
         .before = 98,
         .count = 5,
         .answer = 0,
         .after = 100,
         .moneyChange = -200 + 3 * 20},
        {.name = "sell",
         .excute = "売却",
         .before = 20,
         .count = 5,
         .answer = 15,
         .after = 15,
         .moneyChange = 100},
        {.name = "any other text sells",
         .excute = "",
         .before = 4,
         .count = 4,
         .answer = 0,
         .after = 0,
         .moneyChange = 80},
        {.name = "selling more than held pays for those held",
         .excute = "売却",
         .before = 3,
         .count = 5,
         .answer = 0,
         .after = 0,
         .moneyChange = 60},
        {.name = "a negative count moves nothing",
         .excute = "購入",
         .before = 3,
         .count = -5,
         .answer = 97,
         .after = 3,
         .moneyChange = 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Town town;
        clsData& data = town.data;
        town.setMoney(100000);
        town.hold("薬草", c.before);
        const auto sounds = town.played().size();

        EXPECT_EQ(data.SetItemChange("薬草", c.excute, c.count), c.answer);

        EXPECT_EQ(town.held("薬草"), c.after);
        EXPECT_EQ(data.GetMoney() - 100000, c.moneyChange);
        ASSERT_EQ(town.played().size(), sounds + 1);
        EXPECT_EQ(town.played().back(), sound_name::kCoin);
    }
}

TEST(FacadeShop, AnUnknownItemIsTheManagersErrorAndMovesNoMoney) {
    for (const char* excute : {"購入", "売却"}) {
        SCOPED_TRACE(excute);
        Town town;
        town.setMoney(100000);
        const Unchanged unchanged(town);
        EXPECT_THROW(town.data.SetItemChange("無い品", excute, 1), RuntimeError);
        unchanged.check();
    }
    Town town;
    EXPECT_THROW(town.data.GetMaxItem("無い品"), RuntimeError);
    EXPECT_THROW(town.data.GetMaxItemMixture("無い品"), RuntimeError);
    EXPECT_THROW(town.data.SetProcessItem("無い品", 1), RuntimeError);
}

TEST(FacadeShop, SellingByUnitIdPaysEachUnitsWornPrice) {
    Town town;
    clsData& data = town.data;
    // 木刀 sells for 300: unworn, worn 2500 (two tenths off) and worn 9000 (nine tenths off).
    managers(data).items().SetSaveData("木刀;1:0:2:2500:3:9000/3");
    town.setMoney(1000);
    const auto sounds = town.played().size();

    clsMngItem::UnitIds ids;
    ids.add("2");
    ids.add("3");
    EXPECT_EQ(data.SetItemSellAsID("木刀", ids), 1);

    EXPECT_EQ(data.GetMoney(), 1000 + 240 + 30);
    const auto rows = data.GetItemStorageData("木刀");
    ASSERT_EQ(rows.count(), 1);
    EXPECT_EQ(rows.item(1).Data(2), "1");
    ASSERT_EQ(town.played().size(), sounds + 1);
    EXPECT_EQ(town.played().back(), sound_name::kCoin);
}

TEST(FacadeShop, SellingAUnitNotHeldTakesBackThePayment) {
    Town town;
    managers(town.data).items().SetSaveData("木刀;1:0:2:2500/2");
    const Unchanged unchanged(town);

    clsMngItem::UnitIds ids;
    ids.add("1");
    ids.add("7");
    EXPECT_THROW(town.data.SetItemSellAsID("木刀", ids), RuntimeError);
    unchanged.check();
}

TEST(FacadeShop, TheSliderLimitsFollowTheMoneyThePointsAndTheCap) {
    struct Case {
        const char* name;
        std::int32_t money;
        std::int32_t points;
        std::int16_t held;
        std::int32_t maxItem;
        std::int16_t maxTicket;
    };
    // 薬草 costs 40 at the shop; 銅チケット 20 points.
    const Case cases[] = {
        {.name = "money and points bound",
         .money = 400,
         .points = 100,
         .held = 0,
         .maxItem = 10,
         .maxTicket = 5},
        {.name = "the cap bounds",
         .money = 100000,
         .points = 10000,
         .held = 98,
         .maxItem = 2,
         .maxTicket = 2},
        {.name = "too little", .money = 39, .points = 19, .held = 0, .maxItem = 0, .maxTicket = 0},
        {.name = "full", .money = 100000, .points = 10000, .held = 100, .maxItem = 0, .maxTicket = 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Town town;
        town.setMoney(c.money);
        town.setPoints(c.points);
        town.hold("薬草", c.held);
        town.hold("銅チケット", c.held);
        EXPECT_EQ(town.data.GetMaxItem("薬草"), c.maxItem);
        EXPECT_EQ(town.data.GetMaxTicket("銅チケット"), c.maxTicket);
    }
}

TEST(FacadeProcessing, TheLimitFollowsTheMaterialsTheMoneyAndTheCap) {
    struct Case {
        const char* name;
        std::int32_t money;
        std::int16_t materials;
        std::int16_t product;
        std::int16_t most;
    };
    // 回復薬 from 薬草 and 清らかな水 for a fee of 20.
    const Case cases[] = {
        {.name = "materials bound", .money = 1000, .materials = 10, .product = 0, .most = 10},
        {.name = "money bounds", .money = 100, .materials = 10, .product = 0, .most = 5},
        {.name = "the cap bounds", .money = 1000, .materials = 10, .product = 95, .most = 5},
        {.name = "less than one fee", .money = 19, .materials = 10, .product = 0, .most = 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Town town;
        town.setMoney(c.money);
        town.hold("薬草", c.materials);
        town.hold("清らかな水", c.materials);
        town.hold("回復薬", c.product);
        EXPECT_EQ(town.data.GetMaxItemMixture("回復薬"), c.most);
    }
}

TEST(FacadeProcessing, ProcessingPaysTheFeesMakesTheProductsAndUsesTheMaterials) {
    Town town;
    clsData& data = town.data;
    town.setMoney(1000);
    town.hold("薬草", 10);
    town.hold("清らかな水", 10);
    town.hold("回復薬", 2);
    const auto sounds = town.played().size();

    EXPECT_EQ(data.SetProcessItem("回復薬", 4), 6);

    EXPECT_EQ(data.GetMoney(), 1000 - 4 * 20);
    EXPECT_EQ(town.held("回復薬"), 6);
    EXPECT_EQ(town.held("薬草"), 6);
    EXPECT_EQ(town.held("清らかな水"), 6);
    ASSERT_EQ(town.played().size(), sounds + 1);
    EXPECT_EQ(town.played().back(), sound_name::kCoin);
}

TEST(FacadeProcessing, TooFewMaterialsIsAnErrorAndTheFeeIsNotKept) {
    Town town;
    town.setMoney(1000);
    town.hold("薬草", 3);
    town.hold("清らかな水", 10);
    const Unchanged unchanged(town);

    EXPECT_THROW(town.data.SetProcessItem("回復薬", 4), RuntimeError);
    unchanged.check();
}

TEST(FacadePermits, ATicketPermitAddsItsTicketsAfterThePointsArePaid) {
    struct Case {
        const char* permit;
        std::int16_t count;
        std::int32_t points;
        std::int32_t moneyChange;
        std::int32_t pointsChange;
        std::int16_t tickets;
        bool paid;
    };
    // 銅チケット: 20 points; 八時間授業許可: 100000 and 200 points.
    const Case cases[] = {
        {.permit = "銅チケット",
         .count = 3,
         .points = 1000,
         .moneyChange = 0,
         .pointsChange = -60,
         .tickets = 3,
         .paid = true},
        {.permit = "八時間授業許可",
         .count = 3,
         .points = 1000,
         .moneyChange = -100000,
         .pointsChange = -200,
         .tickets = 0,
         .paid = true},
        {.permit = "銅チケット",
         .count = 3,
         .points = 59,
         .moneyChange = 0,
         .pointsChange = 0,
         .tickets = 0,
         .paid = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.permit) + " with " + std::to_string(c.points) + " points");
        Town town;
        clsData& data = town.data;
        town.setMoney(1000000);
        town.setPoints(c.points);
        const std::string items = managers(data).items().GetSaveData();
        const auto sounds = town.played().size();

        data.SetPermitChange(c.permit, c.count);

        EXPECT_EQ(data.GetMoney() - 1000000, c.moneyChange);
        EXPECT_EQ(data.GetKingdomPoint() - c.points, c.pointsChange);
        EXPECT_EQ(town.held("銅チケット"), c.tickets);
        if (c.tickets == 0) {
            EXPECT_EQ(managers(data).items().GetSaveData(), items);
        }
        EXPECT_EQ(town.played().size(), sounds + (c.paid ? 1 : 0));
        if (c.paid) {
            EXPECT_EQ(town.played().back(), sound_name::kCoin);
        }
    }
}

TEST(FacadePermits, PermitsAndBuildingsAreOfferedAndPaidAtTheSponsorsDiscount) {
    Town town;
    clsData& data = town.data;
    const std::string sponsor = constructionSponsor(data);
    ASSERT_FALSE(sponsor.empty());
    data.SetSponsorContract(sponsor);
    const std::int16_t discount = managers(data).companies().GetConstDiscount();
    ASSERT_GT(discount, 0);
    const std::int32_t permitPrice = mdlZRDFunc::SubPercentLong(300000, discount);
    const std::int32_t buildPrice = mdlZRDFunc::SubPercentLong(35000, discount);
    town.setPoints(300);

    town.setMoney(permitPrice - 1);
    EXPECT_FALSE(data.GetEnablePermit("学園拡張許可・中"));
    town.setMoney(permitPrice);
    EXPECT_TRUE(data.GetEnablePermit("学園拡張許可・中"));

    town.setMoney(buildPrice - 1);
    EXPECT_FALSE(data.GetEnableBuild("図書館"));
    town.setMoney(buildPrice);
    EXPECT_TRUE(data.GetEnableBuild("図書館"));
    const auto sounds = town.played().size();

    data.SetBuild("図書館");

    EXPECT_EQ(data.GetMoney(), 0);
    EXPECT_NE(data.GetConstruct().find("図書館"), std::string::npos);
    ASSERT_EQ(town.played().size(), sounds + 1);
    EXPECT_EQ(town.played().back(), sound_name::kCoin);
}

TEST(FacadeBuildingItems, OnlyTheThreeItemBuildingsTakeAHeldItemThatFits) {
    struct Case {
        const char* building;
        const char* item;
        bool fits;
    };
    // 百科事典 belongs in the library, 風景画 in the museum.
    const Case cases[] = {
        {.building = "図書館", .item = "百科事典", .fits = true},
        {.building = "美術館", .item = "百科事典", .fits = false},
        {.building = "美術館", .item = "風景画", .fits = true},
        {.building = "図書館", .item = "", .fits = false},
        {.building = "運動場", .item = "百科事典", .fits = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.building) + " " + c.item);
        Town town;
        if (*c.item) town.hold(c.item, 1);
        EXPECT_EQ(town.data.CheckConstructItem(c.building), c.fits);
    }

    Town town;
    town.hold("百科事典", 1);
    town.hold("失われた写本", 1);
    town.hold("風景画", 1);
    const auto rows = town.data.GetConstructItemData("図書館");
    ASSERT_EQ(rows.count(), 2);
    EXPECT_EQ(rows.item(1).Data(1), "百科事典");
    EXPECT_EQ(rows.item(2).Data(1), "失われた写本");
}

TEST(FacadeConsumables, UsingOneTakesAUnitAndTellsTheStudent) {
    Town town;
    clsData& data = town.data;
    EXPECT_FALSE(data.GetIsConsumeItem());
    town.hold("薬草", 2);
    ASSERT_TRUE(data.GetIsConsumeItem());
    EXPECT_TRUE(data.GetIsItemMaterial("薬草"));
    EXPECT_FALSE(data.GetIsItemMaterial("木刀"));
    ASSERT_EQ(data.GetItemConsumeData().count(), 1);
    EXPECT_EQ(data.GetItemConsumeData().item(1).Data(1), "薬草");
    EXPECT_EQ(data.GetConsumeItemTips("薬草"), managers(data).items().GetConsumeItemTips("薬草"));

    data.SetUseConsumeItem(kStudent, "薬草");

    EXPECT_EQ(town.held("薬草"), 1);
    ASSERT_FALSE(town.reports.empty());
    EXPECT_EQ(town.reports.front(), std::string(kStudent) + "に薬草を使った");
}

TEST(FacadeConsumables, NoStudentOrNoUnitTakesNothing) {
    struct Case {
        const char* name;
        const char* student;
        std::int16_t held;
        bool error;
    };
    const Case cases[] = {
        {.name = "unknown student", .student = "居ない人", .held = 2, .error = true},
        {.name = "no student named", .student = "", .held = 2, .error = true},
        {.name = "none held", .student = kStudent, .held = 0, .error = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Town town;
        town.hold("薬草", c.held);
        const Unchanged unchanged(town);
        if (c.error) {
            EXPECT_THROW(town.data.SetUseConsumeItem(c.student, "薬草"), RuntimeError);
        } else {
            town.data.SetUseConsumeItem(c.student, "薬草");
        }
        unchanged.check();
        EXPECT_TRUE(town.reports.empty());
    }
    Town town;
    EXPECT_THROW(town.data.SetUseConsumeItem(kStudent, "無い品"), RuntimeError);
}

TEST(FacadeTickets, DrawingGivesAPrizePerTicketAndAnswersTheTicketsLeft) {
    struct Case {
        std::int16_t held;
        std::int16_t count;
        std::int16_t left;
        std::int16_t draws;
    };
    const Case cases[] = {
        {.held = 5, .count = 3, .left = 2, .draws = 3},
        {.held = 2, .count = 5, .left = 0, .draws = 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " of " + std::to_string(c.held));
        Town town;
        town.hold("銅チケット", c.held);
        // Prize 1 of 銅チケット is ポーション.
        town.services->scriptDraws(std::vector<float>(c.draws, 0.0F));
        const auto waited = town.services->waits().size();

        EXPECT_EQ(town.data.SetDrawTicket("銅チケット", c.count), c.left);

        EXPECT_EQ(town.held("銅チケット"), c.left);
        EXPECT_EQ(town.held("ポーション"), c.draws);
        std::vector<std::string> expected{"銅チケットを引換えます"};
        expected.insert(expected.end(), c.draws, "ポーションを貰いました");
        EXPECT_EQ(town.reports, expected);
        const std::vector<double> waits(town.services->waits().begin() + static_cast<long>(waited),
                                        town.services->waits().end());
        EXPECT_EQ(waits, std::vector<double>(c.draws, 500.0));
    }
}

} // namespace
