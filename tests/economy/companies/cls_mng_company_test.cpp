#include "economy/companies/cls_mng_company.h"
#include "economy/companies/share_price_day.h"

#include "platform/services/silent_services.h"
#include "support/draws.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using testsupport::Draw;
using testsupport::drawsFor;
using testsupport::errorOf;

namespace {

// Name, Stability, Dependancy, Divvy, benefit item, items per unit, shares per
// unit, initial price, merit, merit data; the first written half width.
const char* const kCompanies = "ｱﾙﾌｧ商会,3,2,3,ポーション,2,10,1000,1,3\r\n"
                               "ベータ工房,4,1,2,薬草,3,5,800,2,10\r\n"
                               "\r\n"
                               "ガンマ銀行,5,3,4,,0,0,2000,3,15\r\n"
                               "デルタ牧場,2,4,1,,0,0,500,2,20\r\n"
                               "イプシロン書房,3,3,2,,0,0,600,1,4\r\n"
                               "ゼータ鉱山,1,5,5,,0,0,1500,3,5";
// Name, years, money, condition kind, value, tip.
const char* const kSponsors = "ｱﾙﾌｧ商会,3,5000,0,0,老舗の商会\r\n"
                              "ベータ工房,2,3000,1,2,\r\n"
                              "ガンマ銀行,5,8000,2,10,\r\n"
                              "デルタ牧場,1,2000,0,0,\r\n"
                              "イプシロン書房,2,2500,0,0,\r\n"
                              "ゼータ鉱山,4,6000,0,0,";

class CompanyManager : public ::testing::Test {
  protected:
    void SetUp() override { load(kCompanies, kSponsors); }

    void load(const char* companies, const char* sponsors) {
        manager.SetCompanyData(companies);
        manager.SetSponsorData(sponsors);
        manager.Report.subscribe([this](std::string& line) { events.push_back(line); });
        manager.MoveMoney.subscribe([this](std::int32_t& method, std::int32_t& money) {
            events.push_back("money " + std::to_string(method) + " " + std::to_string(money));
        });
        manager.StockItem.subscribe([this](std::string& item, std::int16_t& count) {
            events.push_back("item " + item + " " + std::to_string(count));
        });
    }

    // A company's running fields: shares, price, average, contract years, delisting term, previous price.
    static std::string part(const std::string& name, int hold, int price, int years = 0, int delist = 0,
                            int prev = -1) {
        return name + ":" + std::to_string(hold) + ":" + std::to_string(price) + ":" +
               std::to_string(hold ? 900 : 0) + ":False:" + std::to_string(years) +
               ":0:" + std::to_string(delist) + ":" + std::to_string(prev < 0 ? price : prev);
    }

    void script(const std::vector<Draw>& draws) {
        drawsBefore = services->drawCount();
        drawsScripted = static_cast<int>(draws.size());
        services->scriptDraws(drawsFor(draws));
    }
    void TearDown() override {
        if (drawsScripted >= 0) {
            EXPECT_EQ(services->drawCount() - drawsBefore, drawsScripted) << "scripted draws left over";
        }
    }

    ScopedSilentServices services;
    clsMngCompany manager;
    std::vector<std::string> events;
    int drawsBefore = 0;
    int drawsScripted = -1;
};

// Two companies only, so that a share-price day makes few draws.
class SharePriceDay : public CompanyManager {
  protected:
    void SetUp() override {
        load("ｱﾙﾌｧ商会,3,2,3,ポーション,2,10,1000,1,3\r\nデルタ牧場,2,4,1,,0,0,500,2,20",
             "ｱﾙﾌｧ商会,3,5000,0,0,\r\nデルタ牧場,1,2000,0,0,");
    }
};

class FakeReportSetting : public StockPriceReportSetting {
  public:
    explicit FakeReportSetting(bool answer) : answer_(answer) {}
    bool GetStockPriceReport() const override { return answer_; }

  private:
    bool answer_;
};

TEST_F(CompanyManager, SectionsAreReadWholeOrNotAtAll) {
    EXPECT_EQ(manager.Companies().count(), 6);
    EXPECT_EQ(manager.GetSponsorTips("アルファ商会"),
              "スポンサーメリット:街のアイテム店で書物(低)が販売開始(スポンサー期間のみ)\r\n老舗の商会");

    EXPECT_EQ(
        errorOf([&] { manager.SetCompanyData("新商会,3,2,3,,0,0,1000,1,3\r\n新商会,3,2,3,,0,0,1000,1,3"); }),
        ErrorNumber::DuplicateKey);
    EXPECT_EQ(manager.Companies().count(), 6);
    EXPECT_EQ(errorOf([&] { manager.SetSponsorData("ｱﾙﾌｧ商会,9,1,0,0,新しい\r\nない会社,1,1,0,0,"); }),
              ErrorNumber::InvalidCall);
    EXPECT_TRUE(errorOf([&] { manager.SetSponsorData("ｱﾙﾌｧ商会,9,1,0,0,新しい\r\nベータ工房,x,1,0,0,"); }));
    EXPECT_EQ(manager.Companies().item("アルファ商会").SponsorPeriod(), 3);
    EXPECT_EQ(errorOf([&] { (void)manager.GetSponsorTips("ない会社"); }), ErrorNumber::InvalidCall);
}

TEST_F(SharePriceDay, HeldSharesGetAPriceLineWhenThePlayerWantsOne) {
    manager.SetSaveData(part("アルファ商会", 10, 1250) + ";" + part("デルタ牧場", 0, 500));
    script({{1, 100, 2}, {0, 2, 0}, {1, 100, 2}, {0, 2, 0}});
    manager.SetFluctuation(-4, "普通", true);
    EXPECT_EQ(events, (std::vector<std::string>{"アルファ商会の株価が1200(前回比-50)になりました"}));

    events.clear();
    script({{1, 100, 2}, {0, 2, 0}, {1, 100, 2}, {0, 2, 0}});
    manager.SetFluctuation(-4, "普通", false);
    EXPECT_TRUE(events.empty());
}

TEST_F(SharePriceDay, ACompanyThatFailsReportsBeforeTheNextAndGetsNoPriceLine) {
    manager.SetSaveData(part("アルファ商会", 30, 600, 2) + ";" + part("デルタ牧場", 5, 500));
    // アルファ: -14% to 516, under the panic line 700, then fails; デルタ: -10% to 450, over its line 400.
    script({{1, 4, 4},
            {0, 3, 0},
            {1, 100, 1},
            {0, 2, 0},
            {0, 100, 0},
            {3, 10, 3},
            {3, 8, 3},
            {0, 2, 2},
            {1, 100, 2},
            {0, 2, 1}});
    manager.SetFluctuation(-10, "恐慌", true);
    EXPECT_EQ(events,
              (std::vector<std::string>{"アルファ商会が倒産しました", "30枚の株券が紙くずになりました",
                                        "スポンサー契約が白紙になりました",
                                        "デルタ牧場の株価が450(前回比-50)になりました"}));
    const auto rows = manager.GetCompanyStockData();
    EXPECT_EQ(rows.count(), 1);
    EXPECT_FALSE(rows.contains("アルファ商会"));
    EXPECT_EQ(manager.GetSponsorCount(), 0);
}

TEST_F(SharePriceDay, TheDayMovesTheCycleAndAsksWhetherToReport) {
    clsTrade cycle;
    cycle.SetSaveData("0:5:5:5:5:5");
    manager.SetSaveData(part("アルファ商会", 10, 1000));
    // The cycle stays normal: a coin, then +0%; each company: an even t and +2%.
    script({{0, 1, 0}, {0, 3, 0}, {1, 100, 2}, {0, 2, 2}, {1, 100, 2}, {0, 2, 2}});
    runSharePriceDay(cycle, manager, FakeReportSetting(true));
    EXPECT_EQ(cycle.BoomIndex(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"アルファ商会の株価が1020(前回比20)になりました"}));
}

TEST_F(CompanyManager, SharesAreBoughtAndSoldForTheCountActuallyMoved) {
    manager.SetSaveData(part("アルファ商会", 10, 800) + ";" + part("ベータ工房", 80, 500));
    manager.CompanyData("アルファ商会", 3, "5");
    manager.CompanyData("ベータ工房", 4, "30");
    manager.CompanyData("ベータ工房", 4, "0");
    manager.CompanyData("ベータ工房", 7, "30");
    EXPECT_EQ(events, (std::vector<std::string>{"money 1 4000", "money 2 10000", "money 2 0"}));
    EXPECT_EQ(manager.CompanyData("アルファ商会", 2), "5");
    EXPECT_EQ(manager.CompanyData("ベータ工房", 2), "100");
    EXPECT_EQ(manager.CompanyData("ベータ工房", 1), "500");
    EXPECT_EQ(manager.CompanyData("ベータ工房", 5), "");
    EXPECT_EQ(errorOf([&] { manager.CompanyData("ベータ工房", 3, "many"); }), ErrorNumber::TypeMismatch);
    EXPECT_EQ(manager.CompanyData("ベータ工房", 2), "100");
}

TEST_F(CompanyManager, DividendsArePaidAboveHalfTheInitialPriceAndItemsPerFullUnit) {
    manager.SetSaveData(part("アルファ商会", 40, 900) + ";" + part("ベータ工房", 25, 400) + ";" +
                        part("ガンマ銀行", 9, 2100) + ";" + part("デルタ牧場", 0, 900));
    EXPECT_EQ(manager.GetDivvyMoney(), 1080 + 756);
    EXPECT_EQ(events, (std::vector<std::string>{
                          "アルファ商会から配当1080エニスを受け取った",
                          "アルファ商会から株主優待としてポーションを8個貰いました",
                          "item ポーション 8",
                          "ベータ工房は業績低迷で配当はありません",
                          "ベータ工房から株主優待として薬草を15個貰いました",
                          "item 薬草 15",
                          "ガンマ銀行から配当756エニスを受け取った",
                      }));
}

TEST_F(CompanyManager, AtMostFourOffersAreDrawnAmongListedCompaniesWithoutAContractWhoseConditionHolds) {
    clsSponsorCondition school;
    school.Rank = 2;
    manager.SetSaveData(part("ガンマ銀行", 10, 2000));
    // Six candidates: draws pick the 6th, 1st, 2nd and 3rd of those left.
    script({{1, 6, 6}, {1, 5, 1}, {1, 4, 2}, {1, 3, 3}});
    auto offers = manager.GetEnableSponsor(school);
    ASSERT_EQ(offers.count(), 4);
    std::vector<std::string> names;
    for (const clsGetGridData& row : offers)
        names.push_back(row.Data(1));
    EXPECT_EQ(names,
              (std::vector<std::string>{"ゼータ鉱山", "アルファ商会", "ガンマ銀行", "イプシロン書房"}));
    EXPECT_EQ(offers.item(3).Cols(), 5);
    EXPECT_EQ(offers.item(3).Data(0), "0");
    EXPECT_EQ(offers.item(3).Data(2), "5");
    EXPECT_EQ(offers.item(3).Data(3), "8000");
    EXPECT_EQ(offers.item(3).Data(4), "10");
    EXPECT_EQ(offers.item(3).Data(5), "2000");

    // Rank 1, no shares of the bank, three contracts and one failed company: one is left.
    school.Rank = 1;
    manager.SetSaveData(part("ガンマ銀行", 0, 2000) + ";" + part("アルファ商会", 0, 1000, 2) + ";" +
                        part("デルタ牧場", 0, 500, 1) + ";" + part("ゼータ鉱山", 0, 0, 0, 30) + ";" +
                        part("ベータ工房", 0, 800, 1));
    script({{1, 1, 1}});
    offers = manager.GetEnableSponsor(school);
    ASSERT_EQ(offers.count(), 1);
    EXPECT_EQ(offers.item(1).Data(1), "イプシロン書房");

    manager.SponsorContract("イプシロン書房");
    script({});
    EXPECT_EQ(manager.GetEnableSponsor(school).count(), 0);
}

TEST_F(CompanyManager, RunningContractsGiveTheirMeritsMoneyAndTips) {
    std::string message = "unchanged";
    EXPECT_EQ(manager.GetSponsorMoney(message), 0);
    EXPECT_EQ(message, "unchanged");
    EXPECT_EQ(manager.GetItemShopFLG(), 64);
    EXPECT_EQ(manager.GetCampDiscount(), 0);
    EXPECT_EQ(manager.GetSponsorMenuTips(3), "スポンサー契約数:0件\r\nスポンサー最大契約数:3件");
    EXPECT_FALSE(manager.CheckCompanyData());

    for (const char* name : {"アルファ商会", "ベータ工房", "デルタ牧場", "ゼータ鉱山"})
        manager.SponsorContract(name);
    EXPECT_EQ(manager.GetItemShopFLG(), 64 + 4);
    EXPECT_EQ(manager.GetCampDiscount(), 20);
    EXPECT_EQ(manager.GetConstDiscount(), 5);
    EXPECT_EQ(manager.GetSponsorMoney(message), 5000 + 3000 + 2000 + 6000);
    EXPECT_EQ(message, "スポンサー4社から総額16000エニス貰いました");
    EXPECT_EQ(manager.GetSponsorMenuTips(4),
              "アルファ商会(3/3)\r\nベータ工房(2/2)\r\nデルタ牧場(1/1)\r\n"
              "ゼータ鉱山(4/4)\r\nスポンサー契約数:4件\r\nスポンサー最大契約数:4件");
    const auto rows = manager.GetSponsorData();
    ASSERT_EQ(rows.count(), 4);
    EXPECT_EQ(rows.item(2).Cols(), 4);
    EXPECT_EQ(rows.item(2).Data(0), "ベータ工房");
    EXPECT_EQ(rows.item(2).Data(1), "2");
    EXPECT_EQ(rows.item(2).Data(2), "3000");

    manager.NextYear();
    EXPECT_EQ(events, (std::vector<std::string>{"デルタ牧場との契約が終了しました"}));
    EXPECT_EQ(manager.GetCampDiscount(), 10);
    EXPECT_EQ(manager.GetSponsorCount(), 3);
}

TEST_F(CompanyManager, TheMarketListsListedCompaniesWithTheirTipsAndMoves) {
    manager.SetSaveData(part("アルファ商会", 20, 1100, 0, 0, 1000) + ";" +
                        part("ベータ工房", 0, 700, 0, 0, 800) + ";" + part("ガンマ銀行", 0, 0, 0, 40, 0) +
                        ";" + part("デルタ牧場", 100, 1000));
    const auto rows = manager.GetCompanyStockData();
    EXPECT_EQ(rows.count(), 5);
    EXPECT_FALSE(rows.contains("ガンマ銀行"));
    const clsGetCompany& alpha = rows.item("アルファ商会");
    std::vector<std::string> cells;
    for (std::int16_t i = 0; i <= alpha.Cols() + 1; ++i)
        cells.push_back(alpha.GetData(i));
    EXPECT_EQ(cells, (std::vector<std::string>{"0", "アルファ商会", "1100", "20", "2", "1", "100", ""}));

    EXPECT_EQ(manager.GetCompanyTooltip("アルファ商会"),
              "平均取得株価=900\r\n株主優待=ポーション(2個)\r\n必要株数=10\r\n配当=3%\r\n老舗の商会");
    EXPECT_EQ(manager.GetCompanyTooltip("ガンマ銀行"), "配当=4%\r\n");

    std::string name;
    EXPECT_EQ(manager.GetMaxWentUp(name), 100);
    EXPECT_EQ(name, "アルファ商会");
    EXPECT_EQ(manager.GetMaxFall(name), -100);
    EXPECT_EQ(name, "ベータ工房");
    EXPECT_EQ(manager.GetTotalStockPrice(), 20 * 1100 + 100 * 1000);

    // The value of all held shares is shown at most as 99999999.
    clsMngCompany rich;
    rich.SetCompanyData("大金商会,3,2,3,,0,0,250000,1,3");
    rich.SetSaveData("大金商会:100:1250000:1000000:False:0:0:0:1250000");
    EXPECT_EQ(rich.GetTotalStockPrice(), 99999999);
}

TEST_F(CompanyManager, ASaveRestoresEveryCompanyOrIsRefusedWhole) {
    manager.SetSaveData(part("アルファ商会", 20, 1100, 2, 0, 1000) + ";" +
                        part("ガンマ銀行", 0, 0, 0, 40, 0));
    const std::string saved = manager.GetSaveData();
    EXPECT_EQ(saved.substr(0, saved.find(';')), "アルファ商会:20:1100:900:False:2:0:0:1000");

    clsMngCompany loaded;
    loaded.SetCompanyData(kCompanies);
    loaded.SetSponsorData(kSponsors);
    loaded.SetSaveData(saved);
    EXPECT_EQ(loaded.GetSaveData(), saved);

    for (const std::string& bad : {part("アルファ商会", 1, 1) + ";" + part("ない会社", 1, 1),
                                   part("アルファ商会", 1, 1) + ";" + part("ｱﾙﾌｧ商会", 2, 2),
                                   part("アルファ商会", 1, 1) + ";ベータ工房:1:2"}) {
        EXPECT_TRUE(errorOf([&] { manager.SetSaveData(bad); })) << bad;
        EXPECT_EQ(manager.GetSaveData(), saved) << bad;
    }

    manager.SetSaveData(part("ベータ工房", 3, 850) + ";");
    EXPECT_EQ(manager.Companies().item("アルファ商会").HoldStock(), 20);
    EXPECT_EQ(manager.Companies().item("ベータ工房").HoldStock(), 3);
    manager.SetDataInit();
    EXPECT_EQ(manager.Companies().item("アルファ商会").GetSaveData(),
              "アルファ商会:0:1000:0:False:0:0:0:1000");
}

} // namespace
