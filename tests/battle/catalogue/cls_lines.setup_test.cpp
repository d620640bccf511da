#include "battle/catalogue/cls_lines.h"
#include "battle/battle_codes.h"
#include "battle/catalogue/team_fixture.h"
#include "platform/services/silent_services.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using studentstest::drawFor;

struct SetupTest : ::testing::Test {
    ScopedSilentServices services;
    clsLines lines;
    SetupTest() { battletest::loadTeamFixture(lines); }
};

TEST_F(SetupTest, TheRareMonstersPlayTheRareMusic) {
    const struct {
        std::string monster;
        std::string bgm;
    } cases[] = {
        {.monster = "ドラゴンロード", .bgm = "レア"}, {.monster = "アークエンジェル", .bgm = "レア"},
        {.monster = "グランガチ", .bgm = "レア"},     {.monster = "ｸﾞﾗﾝｶﾞﾁ", .bgm = "通常"},
        {.monster = "スライム", .bgm = "通常"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(clsLines::GetBattleBGMName(c.monster), c.bgm) << c.monster;
}

TEST_F(SetupTest, TournamentRulesByRankAndMonth) {
    const struct {
        const char* name;
        std::int16_t month = 0;
        std::int16_t rank = 0;
        bool item = false;
        std::int32_t battleTime = 0;
        bool status = false;
        bool skills = false;
        bool condition = false;
        std::int16_t recover = 0;
    } cases[] = {
        {.name = "June: the first row of period 1",
         .month = 6,
         .battleTime = 1,
         .status = true,
         .skills = true,
         .condition = true,
         .recover = 50},
        {.name = "October", .month = 10, .item = true, .battleTime = 4, .condition = true, .recover = 30},
        {.name = "March", .month = 3, .item = true, .status = true, .condition = true, .recover = 20},
        {.name = "a month without a tournament", .month = 5, .recover = -1},
        {.name = "a rank without rules", .month = 6, .rank = 1, .recover = -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lines.CheckBattleItem(c.month, c.rank), c.item);
        std::int16_t recover = -1;
        const clsBattleRegulation rules = lines.GetBattleRegulation(c.month, c.rank, recover);
        EXPECT_EQ(recover, c.recover);
        EXPECT_EQ(rules.BattleTime(), c.battleTime);
        EXPECT_EQ(rules.VisiblePhysical(), c.status);
        EXPECT_EQ(rules.VisibleEnergy(), c.status);
        EXPECT_EQ(rules.VisibleCT(), c.skills);
        EXPECT_EQ(rules.VisibleSkills(), c.skills);
        EXPECT_EQ(rules.Condition(), c.condition);
        EXPECT_FALSE(rules.UseItem());
        EXPECT_EQ(rules.GameName(), "");
    }
}

TEST_F(SetupTest, TheLastPrizeRowOfARankPaysAndNoRowPaysNothing) {
    const struct {
        std::int16_t rank;
        std::string money;
        std::string points;
    } cases[] = {{.rank = 0, .money = "500", .points = "3"},
                 {.rank = 1, .money = "2000", .points = "6"},
                 {.rank = 5, .money = "0", .points = "0"}};
    for (const auto& c : cases) {
        clsGetGridData row = lines.GetBattleVictory(c.rank);
        EXPECT_EQ(row.Data(0), c.money) << c.rank;
        EXPECT_EQ(row.Data(1), c.points) << c.rank;
    }
}

TEST_F(SetupTest, QuestRulesByRankAndDefeats) {
    const struct {
        std::int16_t defeats;
        std::int16_t rank;
        std::int32_t battleTime;
        std::array<bool, 4> visible;
    } cases[] = {
        {.defeats = 9, .rank = 4, .battleTime = 2, .visible = {false, false, false, false}},
        {.defeats = 10, .rank = 5, .battleTime = 3, .visible = {true, false, false, false}},
        {.defeats = 15, .rank = 0, .battleTime = 2, .visible = {true, true, false, false}},
        {.defeats = 20, .rank = 7, .battleTime = 3, .visible = {true, true, true, false}},
        {.defeats = 25, .rank = 1, .battleTime = 2, .visible = {true, true, true, true}},
    };
    for (const auto& c : cases) {
        lines.SetSaveData("スライム:" + std::to_string(c.defeats));
        const clsBattleRegulation rules = lines.GetRegulation("スライム", c.rank);
        EXPECT_EQ(rules.BattleTime(), c.battleTime) << c.defeats;
        EXPECT_TRUE(rules.Condition());
        EXPECT_EQ((std::array<bool, 4>{rules.VisiblePhysical(), rules.VisibleEnergy(), rules.VisibleCT(),
                                       rules.VisibleSkills()}),
                  c.visible)
            << c.defeats;
    }
    EXPECT_EQ(testsupport::errorOf([&] { lines.GetRegulation("ドラゴン", 1); }),
              host::runtime::ErrorNumber::InvalidCall);
}

std::vector<std::string> namesOf(const host::runtime::Collection<std::shared_ptr<clsUnit>>& units) {
    std::vector<std::string> names;
    for (const auto& unit : units)
        names.push_back(unit->GetUnitName());
    return names;
}

TEST_F(SetupTest, SevenRivalsOfTheFirstTenAtRank3OrMore) {
    host::runtime::Collection<std::shared_ptr<clsUnit>> entrants;
    entrants.add(std::make_shared<clsUnit>(), "ミルトナ騎士団");
    std::vector<float> draws;
    for (int n : {3, 3, 1, 10, 5, 7, 2, 9})
        draws.push_back(drawFor(1, 10, n));
    for (int school = 0; school < 7; ++school) {
        draws.push_back(0.5f);
        draws.push_back(drawFor(0, 4, 4));
    }
    services->scriptDraws(draws);
    lines.SetSchoolUnit(3, entrants, 6);
    EXPECT_EQ(namesOf(entrants), (std::vector<std::string>{"", "三校丙", "三校甲", "三校癸", "三校戊",
                                                           "三校庚", "三校乙", "三校壬"}));
    const clsUnit& rival = *entrants.item("三校癸");
    EXPECT_EQ(rival.GetUnitControl(), unit_control::kComputer);
    EXPECT_EQ(rival.GetLineType(), "攻撃");
    EXPECT_EQ(rival.GetSkills(), (std::vector<std::string>{"連撃", "ツバメ返し"}));
    // Base 45 in June with the draw 1.05: half of 1012 and 202.
    EXPECT_EQ(rival.GetMaxPhysical(), 531);
    EXPECT_EQ(rival.GetDataOffence(), 106);
    EXPECT_EQ(services->drawCount(), static_cast<int>(draws.size()));
}

TEST_F(SetupTest, TheFirstAndTheTenthSchoolComeUpHalfAsOftenAsTheOthers) {
    // RandomInt(1, 10) rounds 9r + 1: the first school only for r below 1/18, the tenth only from 17/18.
    host::runtime::Collection<std::shared_ptr<clsUnit>> entrants;
    std::vector<float> draws = {
        0.05f, 0.06f, 0.94f, 0.95f, drawFor(1, 10, 3), drawFor(1, 10, 4), drawFor(1, 10, 5)};
    for (int school = 0; school < 7; ++school) {
        draws.push_back(0.5f);
        draws.push_back(0.5f);
    }
    services->scriptDraws(draws);
    lines.SetSchoolUnit(3, entrants, 10);
    EXPECT_EQ(namesOf(entrants), (std::vector<std::string>{"三校甲", "三校乙", "三校壬", "三校癸", "三校丙",
                                                           "三校丁", "三校戊"}));
}

TEST_F(SetupTest, ThreeRivalsOfTheFirstFourBelowRank3AndAMissingSchoolAddsNobody) {
    host::runtime::Collection<std::shared_ptr<clsUnit>> entrants;
    services->scriptDraws({drawFor(1, 4, 4), drawFor(1, 4, 2), drawFor(1, 4, 1), 0.5f, 0.5f, 0.5f, 0.5f});
    lines.SetSchoolUnit(0, entrants, 10);
    EXPECT_EQ(namesOf(entrants), (std::vector<std::string>{"零校地", "零校天"}));
}

TEST_F(SetupTest, ARivalNamedLikeAnEntrantIsRefusedAfterTheOthersJoined) {
    host::runtime::Collection<std::shared_ptr<clsUnit>> entrants;
    entrants.add(std::make_shared<clsUnit>(), "零校天");
    services->scriptDraws({drawFor(1, 4, 2), drawFor(1, 4, 1), drawFor(1, 4, 3), 0.5f, 0.5f, 0.5f, 0.5f});
    EXPECT_EQ(testsupport::errorOf([&] { lines.SetSchoolUnit(0, entrants, 3); }),
              host::runtime::ErrorNumber::DuplicateKey);
    EXPECT_EQ(namesOf(entrants), (std::vector<std::string>{"", "零校地"}));
}

TEST_F(SetupTest, AQuestTeamsFormationTypeAndUnitTypes) {
    clsUnitData team;
    team.LineName("弓陣");
    clsGetGridData row = lines.GetQuestMemberLineData(team);
    std::vector<std::string> cells;
    for (std::int16_t i = 0; i <= row.Cols(); ++i)
        cells.push_back(row.Data(i));
    EXPECT_EQ(cells, (std::vector<std::string>{"奇襲", "弓兵", "弓兵", "剣士", "剣士", "剣士"}));
}

} // namespace
