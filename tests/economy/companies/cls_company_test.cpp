#include "economy/companies/cls_company.h"

#include "platform/services/silent_services.h"
#include "support/draws.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::Draw;
using testsupport::drawsFor;
using testsupport::errorOf;

namespace {

// Stability 3, Dependancy 2, dividend 3%, two ﾎﾟｰｼｮﾝ per 10 shares, initial
// price 1000 (band 500..2000, prices 200..5000), shop code 3; written half
// width where the master data arrives so.
const char* const kRow = "ﾃｽﾄ商会,3,2,3,ﾎﾟｰｼｮﾝ,2,10,1000,1,3";
const char* const kSponsor = "ﾃｽﾄ商会,3,5000,1,2,街の老舗";

class Company : public ::testing::Test {
  protected:
    void SetUp() override {
        company.SetCompanyData(kRow);
        company.SetSponsor(kSponsor);
        company.Report.subscribe([this](std::int32_t& type, std::string& message) {
            reports.push_back(std::to_string(type) + " " + message);
        });
    }

    // Puts the running fields in place: holding, price, average, contract years, delisting term.
    void state(int hold, int price, int average = 0, int years = 0, int delist = 0) {
        company.SetSaveData("ﾃｽﾄ商会:" + std::to_string(hold) + ":" + std::to_string(price) + ":" +
                            std::to_string(average) + ":False:" + std::to_string(years) +
                            ":0:" + std::to_string(delist) + ":" + std::to_string(price));
    }

    // One share-price day with exactly these draws.
    void day(int percent, const std::string& word, const std::vector<Draw>& draws) {
        const int before = services->drawCount();
        services->scriptDraws(drawsFor(draws));
        company.SetFluctuation(static_cast<std::int16_t>(percent), word);
        EXPECT_EQ(services->drawCount() - before, static_cast<int>(draws.size())) << word << " " << percent;
    }

    ScopedSilentServices services;
    clsCompany company;
    std::vector<std::string> reports;
};

TEST_F(Company, RowsAreReadWidenedAndAFreshCompanySavesItsInitialPrice) {
    EXPECT_EQ(company.CompanyName(), "テスト商会");
    EXPECT_EQ(company.StockTreatmentItem(), "ポーション");
    EXPECT_EQ(company.GetLowPrice(), 500);
    EXPECT_EQ(company.GetSaveData(), "テスト商会:0:1000:0:False:0:0:0:1000");
    EXPECT_TRUE(company.OpenSponsor());

    for (const char* row : {"商会,3,2,3,薬草,2,10,1000,1", "商会,x,2,3,,0,0,1000,1,3", ",3,2,3,,0,0,1000,1,3",
                            "商会,3,2,3,薬草,2,0,1000,1,3", "商会,3,2,3,,0,0,0,1,3"}) {
        clsCompany bad;
        EXPECT_TRUE(errorOf([&] { bad.SetCompanyData(row); })) << row;
    }
    EXPECT_TRUE(errorOf([&] { company.SetSponsor("テスト商会,3,x,1,2,"); }));
    EXPECT_EQ(company.SponsorMoney(), 5000);
}

TEST_F(Company, APriceMovesByTheCycleTheCompanyAndThePullBackAndIsClamped) {
    struct Case {
        const char* word;
        int percent, price;
        std::vector<Draw> draws;
        int moved;
    };
    const Case cases[] = {
        // Boom: +D, then a draw takes off up to p - 6 + S; inside the band an even t adds.
        {.word = "好景気",
         .percent = 4,
         .price = 1000,
         .draws = {{0, 3, 1}, {1, 100, 2}, {0, 2, 2}},
         .moved = 1070},
        {.word = "バブル",
         .percent = -3,
         .price = 1000,
         .draws = {{0, 2, 1}, {0, 3, 2}, {1, 100, 3}, {0, 2, 1}},
         .moved = 970},
        {.word = "不況",
         .percent = -4,
         .price = 1000,
         .draws = {{1, 4, 3}, {0, 3, 1}, {1, 100, 4}, {0, 2, 0}},
         .moved = 940},
        {.word = "恐慌",
         .percent = 2,
         .price = 1000,
         .draws = {{0, 2, 1}, {0, 3, 0}, {1, 100, 2}, {0, 2, 1}},
         .moved = 1040},
        // Below the band the price is pulled up, above it down.
        {.word = "普通", .percent = 3, .price = 400, .draws = {{0, 2, 2}}, .moved = 420},
        {.word = "好景気", .percent = 0, .price = 400, .draws = {{1, 4, 3}}, .moved = 420},
        {.word = "不況",
         .percent = -1,
         .price = 2500,
         .draws = {{1, 4, 1}, {0, 3, 0}, {1, 4, 2}},
         .moved = 2400},
        {.word = "好景気", .percent = 5, .price = 2500, .draws = {{0, 4, 4}, {2, 6, 2}}, .moved = 2525},
        // Five times the initial price at most, a fifth at least; halves round to even.
        {.word = "普通", .percent = 10, .price = 4900, .draws = {{0, 2, 0}}, .moved = 5000},
        {.word = "普通", .percent = -10, .price = 210, .draws = {{0, 2, 0}}, .moved = 200},
        {.word = "普通", .percent = 5, .price = 1050, .draws = {{1, 100, 1}, {0, 2, 0}}, .moved = 1102},
    };
    for (const Case& c : cases) {
        state(0, c.price);
        day(c.percent, c.word, c.draws);
        EXPECT_EQ(company.StockPrice(), c.moved) << c.word << " " << c.percent << " at " << c.price;
        EXPECT_EQ(company.PrevStockPrice(), c.price);
        EXPECT_EQ(company.GetCompareStockPrice(), c.moved - c.price);
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(Company, AnUnstableCompanyInABoomDrawsFromAReversedRangeAndRisesFurther) {
    // Stability 1: from p = 2 + 1 the boom takes off r(0, 3 - 6 + 1) = r(0, -2), which adds.
    clsCompany unstable;
    unstable.SetCompanyData("ｱﾔｳｲ商会,1,1,3,,0,0,1000,1,3");
    services->scriptDraws(drawsFor({{0, -2, -1}, {1, 100, 2}, {0, 2, 0}}));
    unstable.SetFluctuation(2, "好景気");
    EXPECT_EQ(services->drawCount(), 3);
    EXPECT_EQ(unstable.StockPrice(), 1040);
}

TEST_F(Company, APriceUnderTheLineMayGoBankruptOnlyInARecessionOrAPanic) {
    // With stability 3 the recession line is 300 and the panic line 700.
    struct Case {
        const char* word;
        int price;
        std::vector<Draw> draws;
        bool bankrupt;
    };
    const std::vector<Draw> fall = {{1, 4, 4}, {0, 3, 0}, {1, 100, 1}, {0, 2, 0}}; // -14%: 600 -> 516
    auto with = [&](std::vector<Draw> more) {
        std::vector<Draw> all = fall;
        all.insert(all.end(), more.begin(), more.end());
        return all;
    };
    const Case cases[] = {
        {.word = "恐慌", .price = 600, .draws = with({{0, 100, 11}, {3, 10, 5}}), .bankrupt = true},
        {.word = "恐慌", .price = 600, .draws = with({{0, 100, 12}}), .bankrupt = false},
        {.word = "不況", .price = 600, .draws = fall, .bankrupt = false},
        // 250 is under the band: -11% pulled back by 2, 227.5 rounds to 228.
        {.word = "不況",
         .price = 250,
         .draws = {{1, 4, 1}, {0, 3, 0}, {2, 6, 2}, {0, 100, 5}, {3, 10, 5}},
         .bankrupt = true},
        {.word = "不況",
         .price = 250,
         .draws = {{1, 4, 1}, {0, 3, 0}, {2, 6, 2}, {0, 100, 6}},
         .bankrupt = false},
    };
    for (const Case& c : cases) {
        state(0, c.price);
        day(-10, c.word, c.draws);
        EXPECT_EQ(company.Bankruptcy(), c.bankrupt) << c.word << " at " << c.price;
    }
}

TEST_F(Company, ABankruptcyLosesTheSharesAndTheContractAndDelistsTheCompany) {
    state(30, 600, 800, 2);
    day(-10, "恐慌", {{1, 4, 4}, {0, 3, 0}, {1, 100, 1}, {0, 2, 0}, {0, 100, 0}, {3, 10, 10}});
    EXPECT_EQ(reports, (std::vector<std::string>{"1 テスト商会", "3 30枚の株券が紙くずになりました",
                                                 "3 スポンサー契約が白紙になりました"}));
    EXPECT_EQ(company.HoldStock(), 0);
    EXPECT_EQ(company.AverageStockPrice(), 0);
    EXPECT_EQ(company.StockPrice(), 0);
    EXPECT_EQ(company.PassagePeriod(), 0);
    EXPECT_EQ(company.DelistTerm(), 54);
    EXPECT_TRUE(company.Bankruptcy());
    EXPECT_FALSE(company.OpenSponsor());
}

TEST_F(Company, ADelistedCompanyWaitsOutItsTermOutsideSlumpsAndReturnsAtItsInitialPrice) {
    state(0, 0, 0, 0, 2);
    day(5, "不況", {});
    EXPECT_EQ(company.DelistTerm(), 2);
    day(5, "普通", {});
    EXPECT_EQ(company.DelistTerm(), 1);
    EXPECT_EQ(company.StockPrice(), 0);
    EXPECT_TRUE(reports.empty());

    day(5, "普通", {{1, 100, 1}, {0, 2, 0}});
    EXPECT_EQ(reports, (std::vector<std::string>{"2 テスト商会が株式市場に登場しました"}));
    EXPECT_FALSE(company.Bankruptcy());
    EXPECT_EQ(company.PrevStockPrice(), 1000);
    EXPECT_EQ(company.StockPrice(), 1050);
}

TEST_F(Company, BuyingAndSellingKeepTheAveragePriceAndWriteBackTheCountMoved) {
    struct Step {
        bool buy;
        int price, count, moved, hold, average;
    };
    const Step steps[] = {
        {.buy = true, .price = 1000, .count = 0, .moved = 0, .hold = 0, .average = 0},
        {.buy = true, .price = 1000, .count = 10, .moved = 10, .hold = 10, .average = 1000},
        {.buy = true, .price = 1500, .count = 10, .moved = 10, .hold = 20, .average = 1250},
        {.buy = true, .price = 1333, .count = 95, .moved = 80, .hold = 100, .average = 1316},
        {.buy = true, .price = 1333, .count = 5, .moved = 0, .hold = 100, .average = 1316},
        {.buy = false, .price = 900, .count = 30, .moved = 30, .hold = 70, .average = 1316},
        {.buy = true, .price = 900, .count = -5, .moved = 0, .hold = 70, .average = 1316},
        {.buy = false, .price = 900, .count = -5, .moved = 0, .hold = 70, .average = 1316},
        {.buy = false, .price = 900, .count = 80, .moved = 70, .hold = 0, .average = 0},
    };
    for (const Step& s : steps) {
        state(company.HoldStock(), s.price, company.AverageStockPrice());
        std::int16_t count = static_cast<std::int16_t>(s.count);
        if (s.buy) {
            company.SetStockAcquisition(count);
        } else {
            company.SetSoldOff(count);
        }
        EXPECT_EQ(count, s.moved) << (s.buy ? "buy " : "sell ") << s.count;
        EXPECT_EQ(company.HoldStock(), s.hold) << (s.buy ? "buy " : "sell ") << s.count;
        EXPECT_EQ(company.AverageStockPrice(), s.average) << (s.buy ? "buy " : "sell ") << s.count;
    }
}

TEST_F(Company, EachSponsorConditionKindReadsItsPartOfTheSchool) {
    struct School {
        std::int16_t Rank = 0, SchoolhouseScale = 0, DormitoryScale = 0;
        std::int32_t Classroom = 0, Facilities = 0, Construct = 0;
    };
    struct Case {
        int kind;
        int value;
        School school;
        int leaders = 0, knights = 0, hold = 0;
        bool met;
    };
    const int careers = 3 * 65536 + 1 + 2; // commander and knight lines, 3 points
    const Case cases[] = {
        {.kind = 1, .value = 4, .school = {.Rank = 4}, .met = true},
        {.kind = 1, .value = 4, .school = {.Rank = 3}, .met = false},
        {.kind = 2, .value = 20, .school = {}, .hold = 20, .met = true},
        {.kind = 2, .value = 20, .school = {}, .hold = 19, .met = false},
        {.kind = 3, .value = careers, .school = {}, .leaders = 1, .knights = 2, .met = true},
        {.kind = 3, .value = careers, .school = {}, .leaders = 2, .knights = 0, .met = false},
        {.kind = 3, .value = 3 * 65536 + 4, .school = {}, .leaders = 5, .knights = 5, .met = false},
        {.kind = 4, .value = 2, .school = {.SchoolhouseScale = 2}, .met = true},
        {.kind = 4, .value = 2, .school = {.SchoolhouseScale = 1}, .met = false},
        {.kind = 5, .value = 1, .school = {.DormitoryScale = 1}, .met = true},
        {.kind = 5, .value = 1, .school = {.DormitoryScale = 0}, .met = false},
        {.kind = 6, .value = 4, .school = {.Classroom = 8}, .met = true},
        {.kind = 6, .value = 4, .school = {.Classroom = 7, .Facilities = 8, .Construct = 8}, .met = false},
        {.kind = 7, .value = 2, .school = {.Facilities = 2}, .met = true},
        {.kind = 7, .value = 2, .school = {.Classroom = 2, .Facilities = 1}, .met = false},
        {.kind = 8, .value = 6, .school = {.Construct = 32}, .met = true},
        {.kind = 8, .value = 6, .school = {.Construct = 31}, .met = false},
        {.kind = 9, .value = 99, .school = {}, .met = true},
    };
    for (const Case& c : cases) {
        clsSponsorCondition school;
        school.Rank = c.school.Rank;
        school.SchoolhouseScale = c.school.SchoolhouseScale;
        school.DormitoryScale = c.school.DormitoryScale;
        school.Classroom = c.school.Classroom;
        school.Facilities = c.school.Facilities;
        school.Construct = c.school.Construct;
        school.LineLeader(c.leaders);
        school.Knight(c.knights);
        company.SetSponsor("テスト商会,3,5000," + std::to_string(c.kind) + "," + std::to_string(c.value) +
                           ",");
        state(c.hold, 1000, c.hold ? 1000 : 0);
        EXPECT_EQ(company.SponsorCondition(school), c.met) << "kind " << c.kind << " value " << c.value;
    }
}

TEST_F(Company, SponsorTipsNameTheMeritAndContractsCountDownToTheirEnd) {
    struct Case {
        int merit, data;
        const char* tips;
    };
    const Case cases[] = {
        {.merit = 1,
         .data = 3,
         .tips = "スポンサーメリット:街のアイテム店で書物(低)が販売開始(スポンサー期間のみ)\r\n街の老舗"},
        {.merit = 1,
         .data = 7,
         .tips = "スポンサーメリット:街のアイテム店でが販売開始(スポンサー期間のみ)\r\n街の老舗"},
        {.merit = 2, .data = 15, .tips = "スポンサーメリット:合宿費15%OFF\r\n街の老舗"},
        {.merit = 3, .data = 10, .tips = "スポンサーメリット:建設費10%OFF\r\n街の老舗"},
        {.merit = 0, .data = 10, .tips = "街の老舗"},
    };
    for (const Case& c : cases) {
        clsCompany other;
        other.SetCompanyData("テスト商会,3,2,3,,0,0,1000," + std::to_string(c.merit) + "," +
                             std::to_string(c.data));
        other.SetSponsor(kSponsor);
        EXPECT_EQ(other.SponsorTips(), c.tips) << c.merit;
    }

    company.SponsorDecision();
    EXPECT_EQ(company.PassagePeriod(), 3);
    EXPECT_FALSE(company.OpenSponsor());
    company.SponsorPassage();
    company.SponsorPassage();
    EXPECT_TRUE(reports.empty());
    company.SponsorPassage();
    company.SponsorPassage();
    EXPECT_EQ(reports, (std::vector<std::string>{"4 テスト商会との契約が終了しました"}));
    EXPECT_EQ(company.PassagePeriod(), 0);
    EXPECT_TRUE(company.OpenSponsor());
}

TEST_F(Company, ASaveRestoresTheRunningFieldsOrIsRefusedWhole) {
    company.SetSaveData("テスト商会:40:1200:950:True:2:7:0:1250");
    EXPECT_EQ(company.GetSaveData(), "テスト商会:40:1200:950:True:2:7:0:1250");
    EXPECT_EQ(company.GetCompareStockPrice(), -50);

    for (const char* text :
         {"テスト商会:40:1200:950:True:2:7:0", "テスト商会:x:1200:950:False:2:7:0:1250",
          "テスト商会:101:1200:950:False:2:7:0:1250", "テスト商会:40:-1:950:False:2:7:0:1250",
          "テスト商会:40:1200:950:maybe:2:7:0:1250", "テスト商会:40:1200:950:False:2:7:-3:1250"}) {
        EXPECT_TRUE(errorOf([&] { company.SetSaveData(text); })) << text;
        EXPECT_EQ(company.GetSaveData(), "テスト商会:40:1200:950:True:2:7:0:1250") << text;
    }

    company.SetDataInit();
    EXPECT_EQ(company.GetSaveData(), "テスト商会:0:1000:0:False:0:0:0:1000");
}

// A save may hold only what the game gives this company: prices 200..5000,
// a contract of at most 3 years, a delisting term of at most 10 x 3 + 24
// days during which nothing is held, priced or contracted.
TEST_F(Company, ASaveOutsideWhatTheGameGivesThisCompanyIsRefused) {
    struct Case {
        const char* name;
        const char* text;
        bool loads;
    };
    const Case cases[] = {
        {.name = "lowest prices", .text = "テスト商会:100:200:200:False:3:0:0:200", .loads = true},
        {.name = "highest prices", .text = "テスト商会:100:5000:5000:False:0:0:0:5000", .loads = true},
        {.name = "longest delisting", .text = "テスト商会:0:0:0:False:0:0:54:0", .loads = true},
        {.name = "listed at price 0", .text = "テスト商会:100:0:0:False:0:0:0:1000", .loads = false},
        {.name = "price below its range", .text = "テスト商会:0:199:0:False:0:0:0:1000", .loads = false},
        {.name = "price far above its range",
         .text = "テスト商会:100:2000000000:1000:False:0:0:0:1000",
         .loads = false},
        {.name = "previous price out of range",
         .text = "テスト商会:0:1000:0:False:0:0:0:5001",
         .loads = false},
        {.name = "average out of range", .text = "テスト商会:10:1000:9000:False:0:0:0:1000", .loads = false},
        {.name = "average without shares", .text = "テスト商会:0:1000:950:False:0:0:0:1000", .loads = false},
        {.name = "shares without an average",
         .text = "テスト商会:10:1000:0:False:0:0:0:1000",
         .loads = false},
        {.name = "contract longer than its period",
         .text = "テスト商会:0:1000:0:False:4:0:0:1000",
         .loads = false},
        {.name = "delisting too long", .text = "テスト商会:0:0:0:False:0:0:55:0", .loads = false},
        {.name = "delisted with shares", .text = "テスト商会:10:0:1000:False:0:0:30:0", .loads = false},
        {.name = "delisted with a price", .text = "テスト商会:0:1000:0:False:0:0:30:1000", .loads = false},
        {.name = "delisted with a contract", .text = "テスト商会:0:0:0:False:2:0:30:0", .loads = false},
        {.name = "an extra field", .text = "テスト商会:0:1000:0:False:0:0:0:1000:7", .loads = false},
    };
    const std::string before = "テスト商会:40:1200:950:True:2:7:0:1250";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        company.SetSaveData(before);
        EXPECT_EQ(!errorOf([&] { company.SetSaveData(c.text); }), c.loads);
        EXPECT_EQ(company.GetSaveData(), c.loads ? c.text : before);
    }
}

TEST(CompanyRow, AStabilityOutsideOneToFiveIsRefused) {
    struct Case {
        const char* stability;
        bool loads;
    };
    for (const Case& c :
         {Case{"1", true}, Case{"5", true}, Case{"0", false}, Case{"6", false}, Case{"-20", false}}) {
        clsCompany company;
        EXPECT_EQ(!errorOf([&] {
            company.SetCompanyData(std::string("商会,") + c.stability + ",2,3,,0,0,1000,1,3");
        }),
                  c.loads)
            << c.stability;
    }
}

} // namespace
