#include "school/jobs/cls_mng_arbeit.h"

#include "host/text/width.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

// "Name,Physical,StartMonth,EndMonth,Money,KingdomPoint,SmallEffect,
// EffectPoint,Item,RheaItem,Tips"; the third row is written half width.
const char* const kJobs = "田植え,10,4,6,800,2,3,4,古い鍬,,田に苗を植える\r\n"
                          "港の荷運び,15,1,12,1200,1,2,5,錆びた錨,,荷を運ぶ\r\n"
                          "ｹﾞｰﾑ屋の店番,5,8,8,500,0,64,2,ｻｲｺﾛ,ｶｰﾄﾞ,ﾋﾏな店番\r\n"
                          "\r\n"
                          "雪かき,12,11,2,900,3,33,3,雪玉,,年をまたぐ窓は開かない";

std::vector<std::string> jobsOf(const clsMngArbeit& jobs, std::int16_t month) {
    std::vector<std::string> result;
    for (const auto& row : jobs.GetArbeitData(month))
        result.push_back(row.Data(1));
    return result;
}

class Jobs : public ::testing::Test {
  protected:
    void SetUp() override { jobs.SetArbeit(kJobs); }
    clsMngArbeit jobs;
};

TEST_F(Jobs, ListsTheJobsOfTheMonthWithoutWrappingTheYear) {
    const std::vector<std::string> port = {"港の荷運び"};
    const std::vector<std::string> spring = {"田植え", "港の荷運び"};
    const std::vector<std::string> august = {"港の荷運び", "ゲーム屋の店番"};
    const std::vector<std::string> expected[13] = {
        {}, port, port, port, spring, spring, spring, port, august, port, port, port, port,
    };
    for (std::int16_t month = 1; month <= 12; ++month)
        EXPECT_EQ(jobsOf(jobs, month), expected[month]) << "month " << month;
}

TEST_F(Jobs, ListRowsCarryCostAndEarnings) {
    const auto rows = jobs.GetArbeitData(5);
    ASSERT_EQ(rows.count(), 2);
    const auto& row = rows.item(1);
    EXPECT_EQ(row.Cols(), 4);
    const std::vector<std::string> cells = {row.Data(0), row.Data(1), row.Data(2), row.Data(3), row.Data(4)};
    EXPECT_EQ(cells, (std::vector<std::string>{"0", "田植え", "10", "800", "2"}));
}

TEST_F(Jobs, TheChosenJobGivesItsEffectItemAndTips) {
    EXPECT_FALSE(jobs.CheckArbeit());
    EXPECT_EQ(jobs.GetArbeitTips(), "まだアルバイトは決まっていません");
    EXPECT_EQ(errorOf([&] { jobs.GetItem(); }), ErrorNumber::InvalidCall);

    jobs.SetContractArbeit("田植え");
    jobs.SetContractArbeit("ゲーム屋の店番"); // a second choice replaces the first
    EXPECT_TRUE(jobs.CheckArbeit());
    EXPECT_EQ(jobs.GetContractArbeit(), "ゲーム屋の店番");
    EXPECT_EQ(jobs.GetArbeitTips(), "ゲーム屋の店番のアルバイトをすることが決まっています");
    EXPECT_EQ(jobs.GetItem(), "サイコロ");

    const clsGetGridData effect = jobs.GetArbeitEffect(9);
    EXPECT_EQ(effect.Cols(), 5);
    const std::vector<std::string> cells = {effect.Data(0), effect.Data(1), effect.Data(2),
                                            effect.Data(3), effect.Data(4), effect.Data(5)};
    EXPECT_EQ(cells, (std::vector<std::string>{"5", "64", "2", "9", "500", "0"}));

    jobs.ArbeitClear();
    EXPECT_FALSE(jobs.CheckArbeit());
    EXPECT_EQ(jobs.GetSaveData(), "");
}

TEST_F(Jobs, CatalogueRowsAreWidened) {
    const clsArbeit& job = jobs.GetArbeit("ゲーム屋の店番");
    EXPECT_EQ(job.RheaItem(), "カード");
    EXPECT_EQ(jobs.GetTips("ゲーム屋の店番"), "ヒマな店番");
    EXPECT_EQ(errorOf([&] { jobs.GetTips("ｹﾞｰﾑ屋の店番"); }), ErrorNumber::InvalidCall);
}

TEST_F(Jobs, TheChosenJobSurvivesSaveAndLoad) {
    jobs.SetContractArbeit("ゲーム屋の店番");
    // The game narrows the whole save text before handing it back.
    const std::string saved = host::text::toNarrow(jobs.GetSaveData());

    clsMngArbeit loaded;
    loaded.SetArbeit(kJobs);
    loaded.SetSaveData(saved);
    EXPECT_TRUE(loaded.CheckArbeit());
    EXPECT_EQ(loaded.GetContractArbeit(), "ゲーム屋の店番");

    loaded.SetSaveData("");
    EXPECT_FALSE(loaded.CheckArbeit());

    jobs.SetDataInit();
    EXPECT_EQ(jobs.GetSaveData(), "");
}

TEST_F(Jobs, ASavedJobMissingFromTheCatalogueIsRefused) {
    jobs.SetContractArbeit("田植え");
    EXPECT_EQ(errorOf([&] { jobs.SetSaveData("牛の世話"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(jobs.GetContractArbeit(), "田植え");
}

TEST(JobCatalogue, RefusesMalformedRowsKeepingTheRowsBefore) {
    const std::string first = "畑,1,1,12,100,0,1,1,鍬,,畑\r\n";
    struct {
        const char* what;
        std::string section;
        ErrorNumber error;
    } cases[] = {
        {"ten fields", first + "店,1,1,12,100,0,1,1,鍬,", ErrorNumber::SubscriptOutOfRange},
        {"wages beyond 16 bits", first + "店,1,1,12,40000,0,1,1,鍬,,店", ErrorNumber::Overflow},
        {"a month that is no number", first + "店,1,x,12,100,0,1,1,鍬,,店", ErrorNumber::TypeMismatch},
        {"a repeated name", first + "畑,1,1,12,100,0,1,1,鍬,,畑", ErrorNumber::DuplicateKey},
        {"no name", first + ",1,1,12,100,0,1,1,鍬,,店", ErrorNumber::InvalidCall},
    };
    for (const auto& c : cases) {
        clsMngArbeit jobs;
        EXPECT_EQ(errorOf([&] { jobs.SetArbeit(c.section); }), c.error) << c.what;
        EXPECT_EQ(jobsOf(jobs, 6), std::vector<std::string>{"畑"}) << c.what;
    }
}

} // namespace
