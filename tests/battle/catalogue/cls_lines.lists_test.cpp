#include "battle/catalogue/cls_lines.h"
#include "battle/catalogue/battle_fixture.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using host::runtime::Collection;
using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

using battletest::Cells;
using battletest::cellsOf;

std::vector<Cells> rowsOf(const Collection<clsGetGridData>& rows) {
    std::vector<Cells> all;
    for (const auto& row : rows)
        all.push_back(cellsOf(row));
    return all;
}

struct CatalogueLists : ::testing::Test {
    CatalogueLists() { battletest::loadFixture(lines); }
    clsLines lines;
};

} // namespace

TEST_F(CatalogueLists, FormationListAndTips) {
    EXPECT_EQ(rowsOf(lines.GetSelectLineData()),
              (std::vector<Cells>{{"0", "突破陣", "攻撃", "剣士", "45", "15"},
                                  {"0", "ｶﾀｶﾅ陣", "防御", "槍兵", "38", "16.5"},
                                  {"0", "無陣", "奇襲", "弓兵", "50", "12"}}));
    const struct {
        const char* formation;
        const char* tip;
    } tips[] = {
        {"突破陣",
         "突破陣の使用スキル\r\n連撃\r\nツバメ返し\r\n陣形理解度 * 2の体力ボーナス\r\n"
         "陣形理解度 * 4の攻撃力ボーナス\r\nただし、陣形理解度が低いとボーナスはほとんど得られません"},
        {"カタカナ陣", "ｶﾀｶﾅ陣の使用スキル\r\n鉄壁\r\n陣形理解度 * 2の攻撃力ボーナス\r\n"
                       "ただし、陣形理解度が低いとボーナスはほとんど得られません"},
        {"無陣", "無陣の使用スキル\r\n陣形ボーナスはありません"},
    };
    for (const auto& t : tips)
        EXPECT_EQ(lines.GetSelectLineTips(t.formation), t.tip) << t.formation;
    EXPECT_EQ(errorOf([&] { lines.GetSelectLineTips("無い陣"); }), ErrorNumber::InvalidCall);
}

TEST_F(CatalogueLists, PositionTipHalvesTheShareFactors) {
    EXPECT_EQ(lines.GetUnitNumberTips("突破陣", 1), "陣形貢献度\r\n体力:0.65\r\n攻撃:0.25\r\n防御:1");
    EXPECT_EQ(lines.GetUnitNumberTips("突破陣", 5), "陣形貢献度\r\n体力:0.4\r\n攻撃:0.65\r\n防御:0.3");
    EXPECT_EQ(errorOf([&] { lines.GetUnitNumberTips("突破陣", 6); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { lines.GetUnitNumberTips("突破陣", 0); }), ErrorNumber::InvalidCall);
}

TEST_F(CatalogueLists, BestiaryRevealsValuesByDefeatCount) {
    EXPECT_FALSE(lines.CheckMonsterData());
    EXPECT_TRUE(lines.GetMonsterData().empty());
    const struct {
        int defeats;
        Cells cells;
    } cases[] = {
        {1, {"2", "ピクシー", "不明", "不明", "不明", "不明", "不明", "1"}},
        {4, {"2", "ピクシー", "不明", "不明", "不明", "不明", "不明", "4"}},
        {5, {"2", "ピクシー", "奇襲", "不明", "不明", "不明", "不明", "5"}},
        {10, {"2", "ピクシー", "奇襲", "192", "不明", "不明", "不明", "10"}},
        {20, {"2", "ピクシー", "奇襲", "192", "66", "不明", "不明", "20"}},
        {30, {"2", "ピクシー", "奇襲", "192", "66", "35", "不明", "30"}},
        {39, {"2", "ピクシー", "奇襲", "192", "66", "35", "不明", "39"}},
        {40, {"2", "ピクシー", "奇襲", "192", "66", "35", "15.5", "40"}},
    };
    for (const auto& c : cases) {
        lines.SetSaveData("ピクシー:" + std::to_string(c.defeats));
        EXPECT_TRUE(lines.CheckMonsterData());
        EXPECT_EQ(rowsOf(lines.GetMonsterData()), std::vector<Cells>{c.cells}) << c.defeats;
    }
    lines.MonsterWin("ゴブリン");
    EXPECT_EQ(lines.GetMonsterData().count(), 2);
    EXPECT_EQ(lines.GetMonsterData().item(1).Data(1), "ピクシー");
}

TEST_F(CatalogueLists, MonsterSkillTipOpensAtFiftyDefeats) {
    lines.SetSaveData("スライム:49/ピクシー:50");
    EXPECT_EQ(lines.GetMonsterTips("スライム"), "使用スキル\r\n不明");
    EXPECT_EQ(lines.GetMonsterTips("ピクシー"), "使用スキル\r\n");
    lines.MonsterWin("スライム");
    EXPECT_EQ(lines.GetMonsterTips("ｽﾗｲﾑ"), "使用スキル\r\nかみつき\r\n粘液");
    EXPECT_EQ(errorOf([&] { lines.GetMonsterTips("ドラゴン"); }), ErrorNumber::InvalidCall);

    std::vector<std::string> names;
    for (const auto& name : lines.GetMonsterName())
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"スライム", "ピクシー", "ゴブリン"}));
}
