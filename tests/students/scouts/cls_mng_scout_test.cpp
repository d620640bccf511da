#include "students/scouts/cls_mng_scout.h"

#include "students/students_support.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using studentstest::drawFor;
using studentstest::Reports;
using testsupport::errorOf;

namespace {

clsScoutData scout(std::int32_t occupation, std::int32_t age, std::int16_t ability, std::int16_t number) {
    clsScoutData row;
    row.Occupation(occupation);
    row.Age(age);
    row.Growth(3);
    row.Ability(ability);
    row.Number(number);
    return row;
}

TEST(ScoutFee, FollowsFamilyAgeGradeAndNumber) {
    struct {
        const char* what;
        clsScoutData row;
        std::int32_t salary;
    } cases[] = {
        {"middle class, young, odd grade", scout(2, 1, 11, 5), 5900},
        {"an even grade one higher costs the same", scout(2, 1, 12, 5), 5900},
        {"country family, old, grade 2, six students", scout(1, 3, 2, 6), 100 + 900 + 1200},
        {"noble family, middle age, odd grade 17, nine students", scout(3, 2, 17, 9),
         6000 + 850 + 1200 + 1600 + 50},
        {"a negative odd grade gets no extra", scout(1, 6, -1, 0), -50},
        {"products beyond 16 bits are taken whole", scout(1, 6, 32767, 32767), 32767 * 50 + 50 + 16383 * 400},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.row.Salary(), c.salary) << c.what;
}

// Scouts A..F: "Name,Occupation,Age,Growth,Period,Ability,Number".
const char* const kScouts = "ＡＡ,2,1,3,2,11,5\r\n"
                            "ＢＢ,1,2,1,1,5,4\r\n"
                            "ＣＣ,3,3,4,3,18,8\r\n"
                            "ＤＤ,1,1,2,1,6,7\r\n"
                            "ＥＥ,2,2,2,2,14,5\r\n"
                            "ＦＦ,1,3,3,1,9,2";
const std::vector<std::string> kNames = {"ＡＡ", "ＢＢ", "ＣＣ", "ＤＤ", "ＥＥ", "ＦＦ"};

std::vector<std::string> offered(const clsMngScout& agency) {
    std::vector<std::string> names;
    for (const auto& row : agency.GetScoutData())
        names.push_back(row.Data(1));
    return names;
}

// The draws that pick the scouts at these positions (0-based) of a list.
std::vector<float> picks(std::initializer_list<int> positions, int count = 6) {
    std::vector<float> draws;
    for (int p : positions)
        draws.push_back(drawFor(0, count - 1, p));
    return draws;
}

class ScoutAgency : public ::testing::Test {
  protected:
    void SetUp() override { agency.SetScout(kScouts); }

    // Offers the scout at that position with three others and contracts it.
    void contract(int position) {
        services->scriptDraws(picks({position, 1, 2, 3, 4, 5}));
        agency.SetNewComer(false);
        agency.ScoutDecide(kNames[static_cast<std::size_t>(position)]);
    }

    ScopedSilentServices services;
    clsMngScout agency;
};

TEST_F(ScoutAgency, ContractPriceAndTips) {
    EXPECT_EQ(agency.GetContractMoney("ＡＡ"), 11800);
    EXPECT_EQ(agency.GetScoutTips("ＡＡ", 11800), "契約するのに11800エニス必要ですが、払えます");
    EXPECT_EQ(agency.GetScoutTips("ＡＡ", 11799), "契約するのに11800エニス必要ですが、払えません");
    EXPECT_EQ(errorOf([&] { agency.GetContractMoney("ＺＺ"); }), ErrorNumber::InvalidCall);
}

TEST_F(ScoutAgency, MonthlyOfferRedrawsScoutsAlreadyOfferedOrContracted) {
    contract(0);
    // ＢＢ, ＢＢ again, the contracted ＡＡ, then ＣＣ, ＦＦ, ＥＥ.
    services->scriptDraws(picks({1, 1, 0, 2, 5, 4}));
    agency.SetNewComer(false);
    EXPECT_EQ(offered(agency), (std::vector<std::string>{"ＢＢ", "ＣＣ", "ＦＦ", "ＥＥ"}));
    EXPECT_EQ(services->drawCount(), 4 + 6);
    EXPECT_TRUE(agency.CheckNewScout());

    services->scriptDraws(picks({3, 0, 5, 4, 1}));
    agency.SetNewComer(false);
    EXPECT_EQ(offered(agency), (std::vector<std::string>{"ＤＤ", "ＦＦ", "ＥＥ", "ＢＢ"}));
}

TEST_F(ScoutAgency, OffersOnlyTheFreeScoutsWhenFewerThanFourAre) {
    struct {
        const char* what;
        const char* list;
        bool contracted;
        std::vector<float> draws;
        std::vector<std::string> offers;
    } cases[] = {
        {"three scouts, none contracted",
         "ＡＡ,1,1,1,1,1,1\r\nＢＢ,1,1,1,1,1,1\r\nＣＣ,1,1,1,1,1,1",
         false,
         picks({2, 2, 0, 1}, 3),
         {"ＣＣ", "ＡＡ", "ＢＢ"}},
        {"two scouts, one contracted",
         "ＡＡ,1,1,1,1,1,1\r\nＢＢ,1,1,1,1,1,1",
         true,
         picks({0, 1}, 2),
         {"ＢＢ"}},
        {"one scout, contracted", "ＡＡ,1,1,1,1,1,1", true, {}, {}},
        {"no scouts", "", false, {}, {}},
    };
    for (const auto& c : cases) {
        clsMngScout small;
        small.SetScout(c.list);
        if (c.contracted) small.SetSaveData("ＡＡ/1/ＡＡ:0:0:0");
        services->scriptDraws(c.draws);
        small.SetNewComer(false);
        EXPECT_EQ(offered(small), c.offers) << c.what;
        EXPECT_EQ(small.CheckNewScout(), !c.offers.empty()) << c.what;
    }
}

TEST_F(ScoutAgency, ContractTakesAnOfferedScoutForItsPeriod) {
    services->scriptDraws(picks({0, 1, 2, 3}));
    agency.SetNewComer(false);
    EXPECT_FALSE(agency.CheckScout());
    agency.ScoutDecide("ＡＡ");
    EXPECT_TRUE(agency.CheckScout());
    EXPECT_EQ(offered(agency), (std::vector<std::string>{"ＢＢ", "ＣＣ", "ＤＤ"}));
    EXPECT_EQ(agency.GetScout().Name(), "ＡＡ");

    // A running contract is replaced.
    agency.ScoutDecide("ＣＣ");
    EXPECT_EQ(agency.GetScout().Name(), "ＣＣ");
    EXPECT_EQ(agency.GetContract().item(1).Data(5), "3");

    for (const char* name : {"ＥＥ", "ＺＺ"}) {
        EXPECT_EQ(errorOf([&] { agency.ScoutDecide(name); }), ErrorNumber::InvalidCall) << name;
        EXPECT_EQ(agency.GetScout().Name(), "ＣＣ") << name;
        EXPECT_EQ(offered(agency), (std::vector<std::string>{"ＢＢ", "ＤＤ"})) << name;
    }
}

TEST_F(ScoutAgency, ContractCountsDownEachAprilAndEnds) {
    contract(4); // ＥＥ, two years
    Reports reports(agency);
    services->scriptDraws(picks({0, 1, 2, 3}));
    agency.SetNewComer(true);
    EXPECT_TRUE(agency.CheckScout());
    EXPECT_EQ(agency.GetContract().item(1).Data(5), "1");
    EXPECT_TRUE(reports.texts.empty());

    // A month that is not April leaves the contract alone.
    services->scriptDraws(picks({0, 1, 2, 3}));
    agency.SetNewComer(false);
    EXPECT_EQ(agency.GetContract().item(1).Data(5), "1");

    // The contracted scout can be offered again in the month it ends.
    services->scriptDraws(picks({4, 0, 1, 2}));
    agency.SetNewComer(true);
    EXPECT_EQ(reports.texts, std::vector<std::string>{"ＥＥとのスカウト契約が終了しました"});
    EXPECT_FALSE(agency.CheckScout());
    EXPECT_EQ(offered(agency).front(), "ＥＥ");
    EXPECT_EQ(agency.GetContractScoutTips(), "現在、どのスカウトとも契約していません");

    clsScoutData fallback = agency.GetScout();
    EXPECT_EQ(fallback.Name(), "");
    EXPECT_EQ(fallback.Occupation(), 1);
    EXPECT_EQ(fallback.Age(), 0);
    EXPECT_EQ(fallback.Growth(), 2);
    EXPECT_EQ(fallback.Ability(), 2);
    EXPECT_EQ(fallback.Number(), 6);
    EXPECT_EQ(fallback.Period(), 0);
}

TEST_F(ScoutAgency, ContractTipsDescribeTheContractedScout) {
    contract(0);
    EXPECT_EQ(agency.GetContractScoutTips(),
              "ＡＡとの契約が2年あります\r\n出身:中流\r\n年齢:低\r\n成長:晩成\r\n"
              "能力:普通\r\n人数:中");
    agency.SetDataInit();
    EXPECT_FALSE(agency.CheckScout());
    EXPECT_EQ(agency.GetContractScoutTips(), "現在、どのスカウトとも契約していません");
    EXPECT_EQ(agency.GetScout().Name(), "");
}

TEST_F(ScoutAgency, GridRowsShowTheScoutsInWords) {
    // Ability words at 5, 6, 9, 10, 13, 14, 17, 18; number words at 4, 5, 7, 8.
    agency.SetScout("ＧＧ,1,1,1,1,10,8\r\nＨＨ,1,1,1,1,13,7\r\nＩＩ,1,1,1,1,17,5\r\nＪＪ,9,9,9,1,0,0");
    struct {
        const char* name;
        std::vector<std::string> cells;
    } cases[] = {
        {"ＡＡ", {"0", "ＡＡ", "中流", "低", "晩成", "2", "普通", "中", "5900"}},
        {"ＢＢ", {"0", "ＢＢ", "田舎", "中", "早熟", "1", "最低", "少", "2300"}},
        {"ＣＣ", {"0", "ＣＣ", "高貴", "高", "特殊", "3", "最高", "多", "9400"}},
        {"ＤＤ", {"0", "ＤＤ", "田舎", "低", "普通", "1", "低", "中", "3000"}},
        {"ＥＥ", {"0", "ＥＥ", "中流", "中", "普通", "2", "高", "中", "5700"}},
        {"ＦＦ", {"0", "ＦＦ", "田舎", "高", "晩成", "1", "低", "少", "1800"}},
        {"ＧＧ", {"0", "ＧＧ", "田舎", "低", "早熟", "1", "普通", "多", "3600"}},
        {"ＨＨ", {"0", "ＨＨ", "田舎", "低", "早熟", "1", "普通", "中", "3400"}},
        {"ＩＩ", {"0", "ＩＩ", "田舎", "低", "早熟", "1", "高", "中", "3200"}},
        {"ＪＪ", {"0", "ＪＪ", "", "", "", "1", "最低", "少", "23100"}},
    };
    std::vector<float> draws;
    for (int p = 0; p < 10; ++p)
        draws.push_back(drawFor(0, 9, p));
    for (std::size_t first = 0; first < 10; first += 4) {
        // Offers of four at a time: positions first..first+3 (wrapping).
        std::vector<float> script;
        for (std::size_t k = 0; k < 4; ++k)
            script.push_back(draws[(first + k) % 10]);
        services->scriptDraws(script);
        agency.SetNewComer(false);
        std::size_t k = 0;
        for (const auto& row : agency.GetScoutData()) {
            const auto& c = cases[(first + k++) % 10];
            ASSERT_EQ(row.Cols(), 8);
            for (std::int16_t col = 0; col <= 8; ++col)
                EXPECT_EQ(row.Data(col), c.cells[static_cast<std::size_t>(col)])
                    << c.name << " column " << col;
        }
    }
}

TEST_F(ScoutAgency, SaveStringKeepsContractAndOfferedNames) {
    contract(0);
    EXPECT_EQ(agency.GetSaveData(), "ＡＡ/2/ＢＢ:0:0:0\r\nＣＣ:0:0:0\r\nＤＤ:0:0:0");

    clsMngScout loaded;
    loaded.SetScout(kScouts);
    // The facade hands the text over narrowed; names come back wide.
    loaded.SetSaveData("AA/2/BB:3:4:5\r\nCC:0:0:0");
    EXPECT_EQ(loaded.GetSaveData(), "ＡＡ/2/ＢＢ:0:0:0\r\nＣＣ:0:0:0");
    EXPECT_TRUE(loaded.CheckScout());
    EXPECT_EQ(loaded.GetScout().Name(), "ＡＡ");

    loaded.SetSaveData("/0/");
    EXPECT_EQ(loaded.GetSaveData(), "/0/");
    EXPECT_FALSE(loaded.CheckNewScout());
    EXPECT_FALSE(loaded.CheckScout());
}

TEST_F(ScoutAgency, DamagedSaveStringChangesNothing) {
    contract(0);
    const std::string before = agency.GetSaveData();
    struct {
        const char* text;
        ErrorNumber error;
    } cases[] = {
        {"ＢＢ/1", ErrorNumber::SubscriptOutOfRange},
        {"ＢＢ/x/ＣＣ:0:0:0", ErrorNumber::TypeMismatch},
        {"ＢＢ/1/ＣＣ:0:0:0\r\nＣＣ:0:0:0", ErrorNumber::DuplicateKey},
        {"ゴースト/3/", ErrorNumber::InvalidCall},
        {"ＢＢ/1/ゴースト:0:0:0", ErrorNumber::InvalidCall},
        {"/0/:0:0:0", ErrorNumber::InvalidCall},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorOf([&] { agency.SetSaveData(c.text); }), c.error) << c.text;
        EXPECT_EQ(agency.GetSaveData(), before) << c.text;
    }
}

TEST(ScoutList, BadRowStopsTheLoadAndKeepsEarlierRows) {
    struct {
        const char* row;
        ErrorNumber error;
    } cases[] = {
        {"ＡＡ,1,1,1,1,1,1", ErrorNumber::DuplicateKey},
        {"ＢＢ,1,1,1,1,1", ErrorNumber::SubscriptOutOfRange},
        {"ＢＢ,1,1,1,1,x,1", ErrorNumber::TypeMismatch},
        {",1,1,1,1,1,1", ErrorNumber::InvalidCall},
    };
    for (const auto& c : cases) {
        clsMngScout agency;
        EXPECT_EQ(errorOf([&] { agency.SetScout(std::string("ＡＡ,2,1,3,2,11,5\r\n") + c.row); }), c.error)
            << c.row;
        EXPECT_EQ(agency.GetContractMoney("ＡＡ"), 11800) << c.row;
        EXPECT_EQ(errorOf([&] { agency.GetContractMoney("ＢＢ"); }), ErrorNumber::InvalidCall) << c.row;
    }
}

} // namespace
