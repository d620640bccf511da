#include "school/camps/cls_mng_country.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

// "Name,Rank,Money,Base,BigEffect,SmallEffect,Tips"; the second row is
// written half width, as the game hands the section over.
const char* const kCamps = "海辺の村,0,3000,5,3,12,潮風の中で走り込む\r\n"
                           "ｶﾞﾗｽ工房の町,0,999,4,8,0,手先を鍛える\r\n"
                           "\r\n"
                           "山の修道院,3,12000,8,6144,256,心身を清める\r\n"
                           "王都,7,50000,12,131071,0,王国最高の教官";

std::vector<std::string> names(const host::runtime::Collection<clsGetGridData>& rows) {
    std::vector<std::string> result;
    for (const auto& row : rows)
        result.push_back(row.Data(1));
    return result;
}

class Camps : public ::testing::Test {
  protected:
    void SetUp() override { camps.SetCountry(kCamps); }
    clsMngCountry camps;
};

TEST_F(Camps, ListsTheDestinationsUpToTheSchoolRankInCatalogueOrder) {
    const std::vector<std::string> rank0 = {"海辺の村", "ガラス工房の町"};
    const std::vector<std::string> rank3 = {"海辺の村", "ガラス工房の町", "山の修道院"};
    const std::vector<std::string> all = {"海辺の村", "ガラス工房の町", "山の修道院", "王都"};
    struct {
        std::int16_t rank;
        std::vector<std::string> listed;
    } cases[] = {{0, rank0}, {2, rank0}, {3, rank3}, {6, rank3}, {7, all}};
    for (const auto& c : cases)
        EXPECT_EQ(names(camps.GetCountry(c.rank, 0)), c.listed) << "rank " << c.rank;
}

TEST_F(Camps, ListsTheFeeAfterTheDiscount) {
    struct {
        std::int16_t discount;
        const char* seaside;
        const char* glassworks;
    } cases[] = {
        {0, "3000", "999"},
        {15, "2550", "850"}, // 999 less Fix(149.85)
        {100, "0", "0"},
    };
    for (const auto& c : cases) {
        auto rows = camps.GetCountry(0, c.discount);
        ASSERT_EQ(rows.count(), 2);
        EXPECT_EQ(rows.item(1).Data(2), c.seaside) << c.discount << "%";
        EXPECT_EQ(rows.item(2).Data(2), c.glassworks) << c.discount << "%";
    }
    const auto rows = camps.GetCountry(0, 0);
    const auto& row = rows.item(1);
    EXPECT_EQ(row.Cols(), 2);
    EXPECT_EQ(row.Data(0), "0");
}

TEST_F(Camps, RunsOneCampFromBookingToItsEnd) {
    EXPECT_FALSE(camps.CheckCamp());
    EXPECT_EQ(errorOf([&] { camps.GetCampEffect(); }), ErrorNumber::InvalidCall);

    camps.SetContract("山の修道院");
    EXPECT_TRUE(camps.CheckCamp());
    EXPECT_EQ(camps.GetCampName(), "山の修道院");
    const clsGetGridData effect = camps.GetCampEffect();
    EXPECT_EQ(effect.Cols(), 2);
    EXPECT_EQ(effect.Data(0), "8");
    EXPECT_EQ(effect.Data(1), "6144");
    EXPECT_EQ(effect.Data(2), "256");

    camps.EndCamp();
    EXPECT_FALSE(camps.CheckCamp());
    EXPECT_EQ(camps.GetCampName(), "");
    camps.EndCamp();
    EXPECT_FALSE(camps.CheckCamp());
}

TEST_F(Camps, TipsComeWidenedAndOnlyForKnownDestinations) {
    EXPECT_EQ(camps.GetCountryTips("ガラス工房の町"), "手先を鍛える");
    EXPECT_EQ(errorOf([&] { camps.GetCountryTips("ｶﾞﾗｽ工房の町"); }), ErrorNumber::InvalidCall);
}

TEST(CampCatalogue, RefusesMalformedRowsKeepingTheRowsBefore) {
    struct {
        const char* what;
        const char* section;
        ErrorNumber error;
    } cases[] = {
        {"six fields", "村,0,3000,5,3,12,村\r\n町,0,3000,5,3,12", ErrorNumber::SubscriptOutOfRange},
        {"a rank that is no number", "村,0,3000,5,3,12,村\r\n町,x,3000,5,3,12,町", ErrorNumber::TypeMismatch},
        {"a base beyond 16 bits", "村,0,3000,5,3,12,村\r\n町,0,3000,40000,3,12,町", ErrorNumber::Overflow},
        {"a repeated name", "村,0,3000,5,3,12,村\r\n村,1,9000,5,3,12,村", ErrorNumber::DuplicateKey},
        {"no name", "村,0,3000,5,3,12,村\r\n,1,9000,5,3,12,村", ErrorNumber::InvalidCall},
    };
    for (const auto& c : cases) {
        clsMngCountry camps;
        EXPECT_EQ(errorOf([&] { camps.SetCountry(c.section); }), c.error) << c.what;
        EXPECT_EQ(names(camps.GetCountry(7, 0)), std::vector<std::string>{"村"}) << c.what;
    }
}

} // namespace
