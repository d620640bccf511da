#include "school/school_fixture.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using schooltest::SchoolFixture;
using schooltest::SystemProbe;
using testsupport::errorOf;

namespace {

using Names = std::vector<std::string>;

Names offered(const clsSystem& system) {
    Names names;
    for (const auto& row : system.GetPointChange(0))
        names.push_back(row.Data(1));
    return names;
}

const Names kNewSchoolOffer = {"学園拡張許可・中", "校舎増築許可・中", "学生寮建設許可",    "銅チケット",
                               "二年制許可",       "八時間授業許可",   "スポンサー三枠許可"};

} // namespace

TEST(Permits, ANewSchoolIsOfferedTheFirstStepOfEveryKindWithDiscountOnBuildingsOnly) {
    SchoolFixture f;
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : f.system.GetPointChange(20)) {
        ASSERT_EQ(row.Cols(), 3);
        rows.push_back({row.Data(0), row.Data(1), row.Data(2), row.Data(3)});
    }
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                        {"0", "学園拡張許可・中", "9600", "300"},
                        {"0", "校舎増築許可・中", "4000", "250"},
                        {"0", "学生寮建設許可", "2400", "150"},
                        {"0", "銅チケット", "0", "100"},
                        {"0", "二年制許可", "20000", "100"},
                        {"0", "八時間授業許可", "10000", "200"},
                        {"0", "スポンサー三枠許可", "12000", "100"},
                    }));
}

TEST(Permits, OffersFollowTheSchoolsStateAndTheMonth) {
    struct {
        const char* name;
        std::function<void(SystemProbe&)> stage;
        Names offer;
    } cases[] = {
        {"January",
         [](SystemProbe& s) { s.SetDate("26:1:10"); },
         {"学園拡張許可・中", "校舎増築許可・中", "学生寮建設許可", "銅チケット", "八時間授業許可",
          "スポンサー三枠許可"}},
        {"March",
         [](SystemProbe& s) { s.SetDate("26:3:28"); },
         {"学園拡張許可・中", "校舎増築許可・中", "学生寮建設許可", "銅チケット", "八時間授業許可",
          "スポンサー三枠許可"}},
        {"December", [](SystemProbe& s) { s.SetDate("25:12:1"); }, kNewSchoolOffer},
        {"rank D",
         [](SystemProbe& s) { s.setRank(3); },
         {"学園拡張許可・中", "校舎増築許可・中", "学生寮建設許可", "銅チケット", "銀チケット", "二年制許可",
          "八時間授業許可", "スポンサー三枠許可"}},
        {"rank E", [](SystemProbe& s) { s.setRank(2); }, kNewSchoolOffer},
        {"two school years",
         [](SystemProbe& s) { s.cSchoolPermit.SchoolYearincrease(); },
         {"学園拡張許可・中", "校舎増築許可・中", "学生寮建設許可", "銅チケット", "三年制許可",
          "八時間授業許可", "スポンサー三枠許可"}},
        {"three sponsor slots",
         [](SystemProbe& s) { s.cSchoolPermit.SponserIncrease(); },
         {"学園拡張許可・中", "校舎増築許可・中", "学生寮建設許可", "銅チケット", "二年制許可",
          "八時間授業許可", "スポンサー四枠許可"}},
        {"schoolhouse 2 and a dormitory",
         [](SystemProbe& s) {
             s.finishWork(5, 1);
             s.finishWork(6, 0);
         },
         {"学園拡張許可・中", "校舎増築許可・大", "銅チケット", "二年制許可", "八時間授業許可",
          "スポンサー三枠許可"}},
        {"eight periods pending",
         [](SystemProbe& s) { s.cSchoolPermit.SetFullTimeClass(9); },
         {"学園拡張許可・中", "校舎増築許可・中", "学生寮建設許可", "銅チケット", "二年制許可",
          "スポンサー三枠許可"}},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        c.stage(f.system);
        EXPECT_EQ(offered(f.system), c.offer) << c.name;
    }
}

TEST(Permits, EnablingNeedsMoneyPointsAndForBuildingsAFreeSite) {
    struct {
        const char* permit;
        std::int32_t money;
        std::int32_t points;
        std::int16_t discount;
        bool workUnderWay;
        bool enabled;
    } cases[] = {
        {"学園拡張許可・中", 10000, 300, 20, false, true},
        {"スポンサー三枠許可", 10000, 300, 20, false, false},
        {"スポンサー三枠許可", 12000, 100, 20, false, true},
        {"学園拡張許可・中", 9599, 300, 20, false, false},
        {"学園拡張許可・中", 10000, 299, 20, false, false},
        {"学園拡張許可・中", 10000, 300, 20, true, false},
        {"八時間授業許可", 10000, 200, 0, true, true},
        {"銅チケット", 0, 100, 0, true, true},
        {"銅チケット", 0, 99, 0, false, false},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.Money = c.money;
        f.system.KingdomPoint = c.points;
        if (c.workUnderWay) f.system.cSchoolPermit.SetConstruct(1, 4, 3, "弓道場");
        EXPECT_EQ(f.system.GetEnablePermit(c.permit, c.discount), c.enabled)
            << c.permit << " " << c.money << "/" << c.points << (c.workUnderWay ? " working" : "");
    }
}

TEST(Permits, TicketsAreLimitedByPointsAndAHundredHeld) {
    struct {
        std::int32_t points;
        std::int16_t held;
        std::int16_t most;
    } cases[] = {{950, 95, 5},     {950, 5, 9},   {950, 0, 9},  {99, 0, 0},
                 {99'999, 0, 100}, {950, 100, 0}, {950, 120, 0}};
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.KingdomPoint = c.points;
        EXPECT_EQ(f.system.GetMaxTicket("銅チケット", c.held), c.most) << c.points << "/" << c.held;
    }
}

TEST(Permits, TicketsCostPointsPerTicketAndOtherPermitsCountOnce) {
    SchoolFixture f;
    f.system.Money = 50'000;
    f.system.KingdomPoint = 1000;

    std::int16_t count = 3;
    EXPECT_TRUE(f.system.SetPermitChange("銅チケット", count, 0));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(f.system.KingdomPoint, 700);
    EXPECT_EQ(f.system.Money, 50'000);

    count = 3;
    EXPECT_TRUE(f.system.SetPermitChange("スポンサー三枠許可", count, 50));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(f.system.KingdomPoint, 600);
    EXPECT_EQ(f.system.Money, 38'000); // no discount on a sponsor slot
    EXPECT_EQ(f.system.GetSponsorMaxCount(), 3);

    count = 1;
    EXPECT_TRUE(f.system.SetPermitChange("二年制許可", count, 0));
    EXPECT_EQ(f.system.GetSchoolYear(), 2);
    EXPECT_EQ(f.system.KingdomPoint, 500);
    EXPECT_EQ(f.system.Money, 18'000);
}

TEST(Permits, ABuildingPermitStartsItsSchoolBuildingAtTheDiscountedPrice) {
    SchoolFixture f;
    f.system.Money = 20'000;
    f.system.KingdomPoint = 400;
    std::int16_t count = 1;
    EXPECT_TRUE(f.system.SetPermitChange("学園拡張許可・中", count, 20));
    EXPECT_EQ(f.system.Money, 20'000 - 9600);
    EXPECT_EQ(f.system.KingdomPoint, 100);
    EXPECT_EQ(f.system.GetConstruct(false), "建設:広い敷地(20)");
    EXPECT_EQ(f.system.cSchoolPermit.GetSaveData(), "33872:20:4:1:広い敷地:False");

    // Still offered while it is built, but not again until the site is free.
    EXPECT_EQ(offered(f.system).front(), "学園拡張許可・中");
    EXPECT_FALSE(f.system.GetEnablePermit("学園拡張許可・中", 20));
    EXPECT_EQ(f.system.GetPermitTips("学園拡張許可・中"), "\r\n現在広い敷地を建設しているので交換できません");
    EXPECT_EQ(f.system.GetPermitTips("学生寮建設許可"),
              "木造の寮\r\n完成まで10日\r\n施設最大設置数:2\r\n現在広い敷地を建設しているので交換できません");

    for (int day = 0; day < 20; ++day)
        f.system.DateCount();
    EXPECT_EQ(f.system.cSchoolPermit.GetSchoolScale(), 2);
    EXPECT_EQ(f.system.GetClassImageName(), "カリキュラム中");
    EXPECT_EQ(offered(f.system).front(), "校舎増築許可・中");
}

TEST(Permits, TheFirstDormitoryPermitBuildsTheDormitory) {
    SchoolFixture f;
    f.system.Money = 3000;
    f.system.KingdomPoint = 150;
    std::int16_t count = 1;
    EXPECT_TRUE(f.system.SetPermitChange("学生寮建設許可", count, 0));
    for (int day = 0; day < 10; ++day)
        f.system.DateCount();
    EXPECT_TRUE(f.system.CheckDormitory());
    EXPECT_EQ(f.system.GetAfternoon(), 120);
    EXPECT_EQ(f.system.GetSchoolConstructTips(), "小さな敷地(3/5)\r\n木造校舎(1/2)\r\n木造の寮(1/2)");
}

TEST(Permits, EightPeriodsTakenMidMonthWaitForTheNextMonth) {
    for (const char* date : {"25:5:1", "25:5:5"}) {
        SchoolFixture f;
        f.system.SetDate(date);
        f.system.Money = 10'000;
        f.system.KingdomPoint = 200;
        std::int16_t count = 1;
        EXPECT_TRUE(f.system.SetPermitChange("八時間授業許可", count, 0));
        const Names offer = offered(f.system);
        EXPECT_EQ(std::count(offer.begin(), offer.end(), "八時間授業許可"), 0) << date;
        const bool firstDay = f.system.GetDay() == 1;
        EXPECT_EQ(f.system.GetClassFullTime(), firstDay ? 8 : 4) << date;
        while (f.system.GetDay() != 1)
            f.system.DateCount();
        EXPECT_EQ(f.system.GetClassFullTime(), 8) << date;
    }
}

TEST(Permits, AnExchangeThatCannotBePaidInFullChangesNothing) {
    struct {
        const char* name;
        const char* permit;
        std::int16_t count;
        std::int32_t money;
        std::int32_t points;
        bool workUnderWay;
    } cases[] = {
        {"no tickets", "銅チケット", 0, 0, 1000, false},
        {"fewer than none", "銅チケット", -2, 0, 1000, false},
        {"points for two of three", "銅チケット", 3, 0, 250, false},
        {"a product past 16 bits", "銀チケット", 32767, 0, 99'999, false},
        {"money short", "スポンサー三枠許可", 1, 11'999, 1000, false},
        {"points short", "八時間授業許可", 1, 10'000, 199, false},
        {"site taken", "学生寮建設許可", 1, 10'000, 1000, true},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.setRank(3);
        f.system.Money = c.money;
        f.system.KingdomPoint = c.points;
        if (c.workUnderWay) f.system.cSchoolPermit.SetConstruct(2, 5, 3, "保健室");
        const std::string permitBefore = f.system.cSchoolPermit.GetSaveData();
        f.log.clear();
        std::int16_t count = c.count;
        EXPECT_FALSE(f.system.SetPermitChange(c.permit, count, 0)) << c.name;
        EXPECT_EQ(f.system.Money, c.money) << c.name;
        EXPECT_EQ(f.system.KingdomPoint, c.points) << c.name;
        EXPECT_EQ(f.system.cSchoolPermit.GetSaveData(), permitBefore) << c.name;
        EXPECT_TRUE(f.log.empty()) << c.name;
    }
}

TEST(Permits, TipsExplainEachKind) {
    SchoolFixture f;
    EXPECT_EQ(f.system.GetPermitTips("八時間授業許可"), "来月から4時間授業を8時間授業に変更します");
    EXPECT_EQ(f.system.GetPermitTips("三年制許可"),
              "来年度から3年制に変更します\r\n1月～3月は生徒の進路期間なので変更できません");
    EXPECT_EQ(f.system.GetPermitTips("スポンサー四枠許可"),
              "来年度からスポンサー枠を一つ増やして4枠に変更します");
    EXPECT_EQ(f.system.GetPermitTips("校舎増築許可・中"), "石造りの校舎\r\n完成まで15日\r\n施設最大設置数:4");
    // No school building is ordered by this permit.
    EXPECT_EQ(f.system.GetPermitTips("校舎増築許可・大"), "");
    EXPECT_EQ(f.system.GetPermitTips("銅チケット"), "");
    EXPECT_EQ(errorOf([&] { f.system.GetPermitTips("王冠"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { f.system.GetMaxTicket("王冠", 0); }), ErrorNumber::InvalidCall);
    std::int16_t count = 1;
    EXPECT_EQ(errorOf([&] { f.system.SetPermitChange("王冠", count, 0); }), ErrorNumber::InvalidCall);
}

TEST(Permits, TheLoaderRefusesAPermitWithoutPointsAndDuplicates) {
    SchoolFixture f;
    EXPECT_EQ(errorOf([&] { f.system.SetPermit("無料チケット,0,4,0,0"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { f.system.SetPermit("借金チケット,-5,4,0,0"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { f.system.GetPermitTips("無料チケット"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { f.system.SetPermit("銅チケット,10,4,0,0"); }), ErrorNumber::DuplicateKey);
    EXPECT_EQ(errorOf([&] { f.system.SetPermit("札,10,4"); }), ErrorNumber::SubscriptOutOfRange);

    f.system.SetPermit("\r\nﾌﾟﾗﾁﾅﾁｹｯﾄ,500,4,0,0\r\n");
    EXPECT_EQ(offered(f.system).back(), "プラチナチケット");
}
