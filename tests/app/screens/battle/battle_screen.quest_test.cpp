#include "battle_stage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using battletest::Fall;
using testsupport::drawFor;

constexpr const char* kFugue = "幻獣遁走曲"; // always a fight with キマイラ, 300000 paid

class QuestBattleTest : public battletest::BattleStage {
  protected:
    void sendOnTheFugue() {
        data().SetDate("25:11:7");
        sendTeam(kFugue);
        // The encounter.
        flowing->queue({drawFor(0, 100, 50)});
    }
};

TEST_F(QuestBattleTest, TheDaysFightEndsInTheQuestsRewardOnlyWhenTheSchoolWins) {
    struct Case {
        const char* name;
        Fall fall;
        std::string winner; // as handed to the facade; "" for the school
        bool success;
    };
    const Case cases[] = {
        {.name = "won", .fall = Fall::Second, .winner = "", .success = true},
        {.name = "lost", .fall = Fall::First, .winner = "キマイラ", .success = false},
        {.name = "drawn", .fall = Fall::Both, .winner = "draw", .success = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reports.clear();
        fought.clear();
        falls = {c.fall};
        setting("BattleHiSpeed", "True");
        setting("BattleMSG", "3");
        sendOnTheFugue();
        // A won fight drops the monster's ordinary item.
        afterQuestBattle = [&] { flowing->queue({drawFor(0, 100, 0), drawFor(0, 100, 50)}); };
        const std::int32_t money = data().GetMoney();
        const std::string item = managers(data()).lines().GetMonsterItem("キマイラ");
        const std::int16_t held = managers(data()).items().ItemStorage(item);
        const std::size_t waits = flowing->waits().size();

        data().DateForword(1);

        ASSERT_EQ(fought.size(), 1u);
        EXPECT_EQ(fought[0].first, clsData::AcademyUnitName) << "the school fights on the left";
        EXPECT_EQ(fought[0].second, "キマイラ");
        EXPECT_FALSE(fought[0].hiSpeed) << "a quest battle never runs fast";
        EXPECT_EQ(fought[0].msgSpeed, 3);
        const std::vector<double> battleWaits(flowing->waits().begin() + static_cast<long>(waits),
                                              flowing->waits().end());
        EXPECT_NE(std::find(battleWaits.begin(), battleWaits.end(), 3 * 30 + 100), battleWaits.end())
            << "each battle message waits at the message speed";
        EXPECT_EQ(Battle().GetResultUnit(), c.winner.empty() ? clsData::AcademyUnitName : c.winner);
        EXPECT_EQ(reported("依頼に成功した"), c.success);
        EXPECT_EQ(reported("依頼に失敗した"), !c.success);
        EXPECT_EQ(data().GetMoney() - money, c.success ? 300000 : 0);
        EXPECT_EQ(managers(data()).items().ItemStorage(item) - held, c.success ? 1 : 0);
        EXPECT_FALSE(pictures.BattleDisp.Visible());
        const std::string call = "StartQuestBattle " + managers(data()).system().GetQuestImageName(kFugue);
        EXPECT_EQ(std::count(screens.calls.begin(), screens.calls.end(), call), 1);
        screens.calls.clear();
    }
}

TEST_F(QuestBattleTest, ThePlayerPicksTheSchoolsSkillByClickingItsButton) {
    falls = {Fall::None};
    data().SetDate("25:5:7");
    sendTeam("スライム退治");
    flowing->queue({drawFor(0, 100, 50)});
    ctrGraphicalLabelLite& first = screen.GL1(0);
    bool clicked = false;
    bool selectedAfterClick = false;
    std::vector<std::string> leftSkills;
    std::vector<std::string> rightSkills;
    onFirstTick = [&] {
        for (int i = 0; i < 6; ++i) {
            leftSkills.push_back(screen.GL1(i).Text());
            rightSkills.push_back(screen.GL2(i).Text());
        }
    };
    onEveryWait = [&](double ms) {
        if (ms != 20) return;
        // Once the skill is used, the fight may end.
        if (std::find(battleLog.begin(), battleLog.end(), leftSkills[0] + "を発動") != battleLog.end())
            battletest::knockOut(fighting(1));
        if (clicked || !first.Enable()) return;
        clicked = true;
        driver.click(first.Left() + 10, first.Top() + 10);
        main->DoEvents();
        selectedAfterClick = first.Selected();
    };
    data().DateForword(1);
    ASSERT_FALSE(leftSkills.empty());
    EXPECT_NE(leftSkills[0], "") << "the school's skills are on the left buttons";
    EXPECT_TRUE(clicked) << "the skill's button was enabled during the fight";
    EXPECT_TRUE(selectedAfterClick);
    EXPECT_NE(std::find(battleLog.begin(), battleLog.end(), leftSkills[0] + "を発動"), battleLog.end());
}

} // namespace
