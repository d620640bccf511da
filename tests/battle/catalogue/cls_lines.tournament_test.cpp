#include "battle/catalogue/cls_lines.h"
#include "battle/catalogue/battle_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using battletest::Cells;
using battletest::cellsOf;

struct CatalogueTournament : ::testing::Test {
    CatalogueTournament() { battletest::loadFixture(lines); }
    clsLines lines;
};

} // namespace

TEST_F(CatalogueTournament, TournamentRowNamesTheSeasonAndShowsTheFirstPrizeOfTheRank) {
    const struct {
        std::int16_t month, rank;
        Cells cells;
    } cases[] = {
        {6, 0, {"0", "青葉の王国大会", "10", "500", "3"}},
        {10, 1, {"0", "時雨の王国大会", "22", "1000", "5"}},
        {3, 0, {"0", "桜花の王国大会", "10", "500", "3"}},
        {4, 0, {"0", "桜花の王国大会", "10", "500", "3"}},
        {6, 5, {"0", "青葉の王国大会", "", "", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cellsOf(lines.GetBattleGame(c.month, c.rank)), c.cells) << c.month << "/" << c.rank;
}

TEST_F(CatalogueTournament, RuleTipFollowsTheFirstRuleRowOfTheRankAndPeriod) {
    EXPECT_EQ(lines.GetGattleGameTips(6, 0),
              "大会ルール\r\n戦闘時間:短い\r\nアイテム使用:不可\r\n"
              "相手の体力と気力:見える\r\n相手の行動力とスキル:見える\r\n体力回復:50%");
    EXPECT_EQ(lines.GetGattleGameTips(10, 0), "大会ルール\r\n戦闘時間:無限\r\nアイテム使用:可\r\n"
                                              "相手の体力と気力:見えない\r\n相手の行動力とスキル:見えない\r\n"
                                              "体力回復:30%");
    EXPECT_EQ(lines.GetGattleGameTips(3, 0), "大会ルール\r\n戦闘時間:無限\r\nアイテム使用:可\r\n"
                                             "相手の体力と気力:見える\r\n相手の行動力とスキル:見えない\r\n"
                                             "体力回復:20%");
    EXPECT_EQ(lines.GetGattleGameTips(4, 0), "");
    EXPECT_EQ(lines.GetGattleGameTips(6, 1), "");

    const struct {
        const char* time;
        const char* word;
    } words[] = {{"1", "短い"}, {"2", "普通"}, {"3", "長い"}, {"4", "無限"}, {"0", "無限"}};
    for (const auto& w : words) {
        clsLines one;
        one.SetRegulation(std::string("2,1,") + w.time + ",False,False,False,0");
        EXPECT_NE(one.GetGattleGameTips(6, 2).find(std::string("戦闘時間:") + w.word + "\r\n"),
                  std::string::npos)
            << w.time;
    }
}
