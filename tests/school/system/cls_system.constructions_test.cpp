#include "school/buildings/building_codes.h"
#include "school/school_fixture.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using schooltest::SchoolFixture;
using testsupport::errorOf;

namespace {

using namespace building_work;

using Rows = std::vector<std::vector<std::string>>;

Rows cellsOf(const host::runtime::Collection<clsGetGridData>& rows) {
    Rows cells;
    for (const auto& row : rows) {
        std::vector<std::string> line;
        for (std::int16_t i = 0; i <= row.Cols(); ++i)
            line.push_back(row.Data(i));
        cells.push_back(line);
    }
    return cells;
}

// The names (cell 1) of the permit office's list.
std::vector<std::string> listed(const clsSystem& system) {
    std::vector<std::string> names;
    for (const auto& row : system.GetBuild(0))
        names.push_back(row.Data(1));
    return names;
}

} // namespace

TEST(Constructions, NewSchoolListsWhatItsLandHoldsWithDiscountedPrices) {
    SchoolFixture f;
    EXPECT_EQ(cellsOf(f.system.GetBuild(10)), (Rows{
                                                  {"0", "学生寮", "45000", "学園", "10"},
                                                  {"0", "弓道場", "1111", "学園", "5"},
                                                  {"0", "美術館", "27000", "学園", "7"},
                                                  {"0", "図書館", "18000", "学園", "6"},
                                                  {"0", "礼拝堂", "36000", "学園", "8"},
                                                  {"0", "保健室", "7200", "校舎", "3"},
                                                  {"0", "大教室", "13500", "校舎", "4"},
                                              }));
    EXPECT_EQ(f.system.GetSchoolConstructTips(), "小さな敷地(2/5)\r\n木造校舎(1/2)\r\n寮なし");
}

TEST(Constructions, AnOrderPaysStartsTheWorkAndLeavesTheListAtOnce) {
    SchoolFixture f;
    f.system.Money = 5000;
    f.system.SetConstructBuild("弓道場", 10);
    EXPECT_EQ(f.system.Money, 5000 - 1111);
    EXPECT_EQ(f.log, (std::vector<std::string>{"SoundPlay:coin05"}));
    EXPECT_EQ(f.system.GetConstruct(false), "建設:弓道場(5)");
    EXPECT_EQ(f.system.GetConstruct(true), "弓道場");

    const std::vector<std::string> others = {"学生寮", "美術館", "図書館", "礼拝堂", "保健室", "大教室"};
    EXPECT_EQ(listed(f.system), others);
    f.system.Money = 1'000'000;
    for (const auto& name : others) {
        EXPECT_FALSE(f.system.GetEnableBuild(name, 0)) << name;
        const std::string tips = f.system.GetBuildTips(name);
        EXPECT_TRUE(tips.ends_with("\r\n現在弓道場を建設しているので申請できません")) << tips;
    }
    // A work under way answers False before the name is looked up.
    EXPECT_EQ(errorOf([&] { EXPECT_FALSE(f.system.GetEnableBuild("城", 0)); }), std::nullopt);

    for (int day = 0; day < 5; ++day)
        f.system.DateCount();
    EXPECT_EQ(f.system.GetConstruct(false), "建設:なし");
    EXPECT_EQ(f.system.ConstructBits, 5 | 8);
    EXPECT_EQ(listed(f.system), others);
    EXPECT_TRUE(f.system.GetEnableBuild("美術館", 0));
    EXPECT_EQ(f.system.GetSchoolConstructTips(), "小さな敷地(3/5)\r\n木造校舎(1/2)\r\n寮なし");
}

TEST(Constructions, AnOrderTheScreenWouldRefuseTakesNoMoney) {
    struct {
        const char* name;
        const char* building;
        std::int32_t money;
        bool workUnderWay;
    } cases[] = {
        {"money short of the discounted price", "弓道場", 1110, false},
        {"a work under way", "弓道場", 1'000'000, true},
        {"the dormitory", "学生寮", 1'000'000, false},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.Money = c.money;
        if (c.workUnderWay) f.system.cSchoolPermit.SetConstruct(kClassroom, 5, 3, "保健室");
        const std::string work = f.system.GetConstruct(false);
        f.system.SetConstructBuild(c.building, 10);
        EXPECT_EQ(f.system.Money, c.money) << c.name;
        EXPECT_EQ(f.system.GetConstruct(false), work) << c.name;
        EXPECT_TRUE(f.log.empty()) << c.name;
    }
}

TEST(Constructions, EnablingNeedsTheDiscountedPriceAndNeverTheDormitory) {
    struct {
        const char* building;
        std::int32_t money;
        std::int16_t discount;
        bool enabled;
    } cases[] = {
        {"弓道場", 1234, 0, true},   {"弓道場", 1233, 0, false}, {"弓道場", 1111, 10, true},
        {"弓道場", 1110, 10, false}, {"運動場", 0, 0, true},     {"学生寮", 99'999'999, 0, false},
        {"大浴場", 9000, 0, true},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.Money = c.money;
        EXPECT_EQ(f.system.GetEnableBuild(c.building, c.discount), c.enabled) << c.building << " " << c.money;
    }
    SchoolFixture f;
    EXPECT_EQ(errorOf([&] { f.system.GetEnableBuild("城", 0); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { f.system.SetConstructBuild("城", 0); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { f.system.GetBuildTips("城"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { f.system.GetConstructTips("城"); }), ErrorNumber::InvalidCall);
}

TEST(Constructions, AKindIsFullAtItsLandUntilTheNextLevelStands) {
    SchoolFixture f;
    f.system.finishWork(kClassroom, 5);
    EXPECT_EQ(listed(f.system), (std::vector<std::string>{"学生寮", "弓道場", "美術館", "図書館", "礼拝堂"}));
    EXPECT_EQ(f.system.GetSchoolConstructTips(), "小さな敷地(2/5)\r\n木造校舎(2/2)\r\n寮なし");

    f.system.finishWork(kSchoolhouse, 1);
    EXPECT_EQ(listed(f.system).back(), "大教室");
    EXPECT_EQ(f.system.GetSchoolConstructTips(), "小さな敷地(2/5)\r\n石造りの校舎(2/4)\r\n寮なし");

    // Three more constructions fill the grounds' five places.
    for (std::int16_t bit : {4, 5, 6})
        f.system.finishWork(kConstruction, bit);
    EXPECT_EQ(listed(f.system), (std::vector<std::string>{"大教室"}));
    // A level with no row holds nothing more, and its line shows no name.
    f.system.finishWork(kSchoolGrounds, 1);
    f.system.finishWork(kSchoolGrounds, 2);
    EXPECT_EQ(listed(f.system), (std::vector<std::string>{"大教室"}));
    EXPECT_TRUE(f.system.GetSchoolConstructTips().starts_with("(5/0)\r\n"));
}

TEST(Constructions, FacilitiesAreListedOnlyOnceADormitoryStands) {
    SchoolFixture f;
    f.system.Money = 1'000'000;
    EXPECT_EQ(f.system.GetConstData(kFacility).count(), 0);
    f.system.finishWork(kDormitory, 0);
    EXPECT_EQ(listed(f.system), (std::vector<std::string>{"弓道場", "美術館", "図書館", "礼拝堂", "保健室",
                                                          "大教室", "食堂", "大浴場"}));
    EXPECT_EQ(f.system.GetSchoolConstructTips(), "小さな敷地(3/5)\r\n木造校舎(1/2)\r\n木造の寮(1/2)");
    EXPECT_EQ(cellsOf(f.system.GetConstData(kFacility)), (Rows{{"0", "寮室"}}));
    EXPECT_EQ(cellsOf(f.system.GetConstData(kConstruction)),
              (Rows{{"0", "運動場"}, {"0", "学生寮"}, {"0", "内庭"}}));
    EXPECT_EQ(cellsOf(f.system.GetConstData(kClassroom)), (Rows{{"0", "一般教室"}}));
    EXPECT_EQ(f.system.GetConstData(4).count(), 0);
}

TEST(Constructions, BuildTipsNameTheLevelTheLessonsAndTheDormitoryRule) {
    SchoolFixture f;
    f.hooks.lessons["弓道場"] = {"弓術", "流鏑馬"};
    EXPECT_EQ(f.system.GetBuildTips("弓道場"), "弓を引く\r\n小さな敷地(2/5)\r\n授業=弓術:流鏑馬");
    EXPECT_EQ(f.system.GetBuildTips("学生寮"),
              "生徒が暮らす\r\n小さな敷地(2/5)\r\nここでは許可できません。ポイント交換所で申請してください");
    EXPECT_EQ(f.system.GetBuildTips("食堂"), "食事をとる\r\n(0/0)");
}

TEST(Constructions, BuiltTipsShowLessonsOrThePlacedItem) {
    SchoolFixture f;
    f.hooks.lessons["運動場"] = {"走りこみ", "素振り"};
    f.hooks.items = {{"百科事典", 1}, {"古い石像", 0}};
    EXPECT_EQ(f.system.GetConstructTips("運動場"), "授業:走りこみ,素振り\r\n広い運動場");
    EXPECT_EQ(f.system.GetConstructTips("内庭"), "木陰のある庭");

    EXPECT_EQ(f.system.GetConstructTips("図書館"),
              "事典を設置することができます\r\n現在、設置していません\r\n本を読む");
    f.system.SetConstructItem("図書館", "百科事典");
    EXPECT_EQ(f.system.GetConstructTips("図書館"),
              "事典を設置することができます\r\n百科事典が設置してあります\r\n本を読む");

    // An item no longer held is taken out of its building by the tip.
    f.system.SetConstructItem("礼拝堂", "古い石像");
    EXPECT_EQ(f.system.GetConstructTips("礼拝堂"),
              "彫刻を設置することができます\r\n現在、設置していません\r\n祈りの場");
    EXPECT_EQ(f.system.ChapelItem, "");
    EXPECT_EQ(f.system.LibraryItem, "百科事典");
}

TEST(Constructions, LoadersWidenNamesSkipEmptyRowsAndRefuseBadRows) {
    SchoolFixture f;
    f.system.SetClassroom("ｺﾞｰﾙﾄﾞﾙｰﾑ,100,1,3,ｷﾗｷﾗ\r\n\r\n");
    f.system.Money = 100;
    EXPECT_TRUE(f.system.GetEnableBuild("ゴールドルーム", 0));
    EXPECT_EQ(f.system.GetConstructTips("ゴールドルーム"), "キラキラ");

    EXPECT_EQ(errorOf([&] { f.system.SetConstruction("運動場,0,0,1,二つ目"); }), ErrorNumber::DuplicateKey);
    EXPECT_EQ(errorOf([&] { f.system.SetFacilities("物置,0,0,7"); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { f.system.SetFacilities("物置,安い,0,7,狭い"); }), ErrorNumber::TypeMismatch);
    EXPECT_EQ(errorOf([&] { f.system.SetSchoolConstruct("空き地,0,0,1,5,1"); }),
              ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { f.system.GetConstructTips("物置"); }), ErrorNumber::InvalidCall);
}
