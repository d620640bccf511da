#include "battle_stage.h"

#include "app/shell/message_types.h"
#include "school/permits/permit_codes.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using battletest::Fall;
using host::runtime::CLng;

constexpr const char* kSchool = clsData::AcademyUnitName;
constexpr const char* kRematch = "引き分けのため、再試合を行います";

class TournamentTest : public battletest::BattleStage {
  protected:
    // The June tournament's day at that rank, the school's team entered.
    void enterJuneTournament(std::int16_t rank) {
        setRank(rank);
        data().SetDate("25:6:28");
        sendTeam("青葉の王国大会");
    }
    std::string battlePoints() {
        return host::runtime::Split(managers(data()).system().GetSaveData(), "/").at(5);
    }
    int rematches() const {
        int count = 0;
        for (const Notice& notice : notices)
            count += notice.body == kRematch;
        return count;
    }
    // The tournament picture under the battle now, by its corners.
    std::string background() {
        for (const char* name : {"大会低", "大会高", "決勝"}) {
            const auto& picture = Images().GetImageHDC(name).bitmap();
            const auto& shown = pictures.BattleDisp.hDC().bitmap();
            bool same = true;
            for (auto [x, y] : {std::pair{3, 3}, std::pair{796, 3}, std::pair{3, 596}, std::pair{796, 596}})
                same = same && shown.pixel(x, y) == picture.pixel(x, y);
            if (same) return name;
        }
        return "";
    }
};

TEST_F(TournamentTest, TheSchoolsPlacingEndsTheRunAndOnlyTheWinnerIsPaid) {
    struct Case {
        const char* name;
        std::int16_t rank;
        std::vector<Fall> falls; // one per battle, the second side falling after the list
        std::size_t entrants;
        std::size_t battles;
        int rematches;
        bool won;
        int battlePoints; // the placing as the facade scores it at that rank
    };
    const Case cases[] = {
        {.name = "four: all won",
         .rank = school_rank::kG,
         .falls = {},
         .entrants = 4,
         .battles = 3,
         .rematches = 0,
         .won = true,
         .battlePoints = 10},
        {.name = "four: the first match lost",
         .rank = school_rank::kG,
         .falls = {Fall::First},
         .entrants = 4,
         .battles = 1,
         .rematches = 0,
         .won = false,
         .battlePoints = 0},
        {.name = "four: the final lost",
         .rank = school_rank::kE,
         .falls = {Fall::Second, Fall::Second, Fall::First},
         .entrants = 4,
         .battles = 3,
         .rematches = 0,
         .won = false,
         .battlePoints = 3},
        {.name = "four: a match drawn twice is fought again",
         .rank = school_rank::kG,
         .falls = {Fall::Both, Fall::Both},
         .entrants = 4,
         .battles = 5,
         .rematches = 2,
         .won = true,
         .battlePoints = 10},
        {.name = "eight: the first match lost",
         .rank = school_rank::kD,
         .falls = {Fall::First},
         .entrants = 8,
         .battles = 1,
         .rematches = 0,
         .won = false,
         .battlePoints = 0},
        {.name = "eight: the semifinal lost is third place",
         .rank = school_rank::kD,
         .falls = {Fall::Second, Fall::Second, Fall::Second, Fall::Second, Fall::First},
         .entrants = 8,
         .battles = 5,
         .rematches = 0,
         .won = false,
         .battlePoints = 5},
        {.name = "eight: the final lost",
         .rank = school_rank::kC,
         .falls = {Fall::Second, Fall::Second, Fall::Second, Fall::Second, Fall::Second, Fall::Second,
                   Fall::First},
         .entrants = 8,
         .battles = 7,
         .rematches = 0,
         .won = false,
         .battlePoints = 10},
        {.name = "eight: a drawn match between two others, all won",
         .rank = school_rank::kD,
         .falls = {Fall::Second, Fall::Both},
         .entrants = 8,
         .battles = 8,
         .rematches = 1,
         .won = true,
         .battlePoints = 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        notices.clear();
        fought.clear();
        reports.clear();
        falls.assign(c.falls.begin(), c.falls.end());
        enterJuneTournament(c.rank);
        const std::int32_t money = data().GetMoney();
        const std::int32_t points = data().GetKingdomPoint();
        const clsGetGridData prize = managers(data()).lines().GetBattleVictory(c.rank);
        const std::string before = battlePoints();

        data().DateForword(1);

        ASSERT_EQ(fought.size(), c.battles);
        EXPECT_EQ(fought.front().first, kSchool) << "the school is the first entrant";
        EXPECT_EQ(rematches(), c.rematches);
        EXPECT_EQ(static_cast<std::size_t>(screen.cTournament.GetIntervenor()), c.entrants);
        EXPECT_EQ(data().GetMoney() - money, c.won ? CLng(prize.Data(0)) : 0);
        EXPECT_EQ(data().GetKingdomPoint() - points, c.won ? CLng(prize.Data(1)) : 0);
        EXPECT_EQ(CLng(battlePoints()) - CLng(before), c.battlePoints);
        EXPECT_EQ(reported("おめでとうございます、大会で優勝しました!"), c.won);
        EXPECT_EQ(reported("残念ながら、負けてしまいました"), !c.won);
        EXPECT_FALSE(pictures.picTournament.Visible()) << "the bracket is gone with the run";
        EXPECT_FALSE(pictures.BattleDisp.Visible());
    }
}

TEST_F(TournamentTest, EveryMatchIsAnnouncedAndItsResultShownOverTheBracketAwaitingAClick) {
    enterJuneTournament(school_rank::kG);
    falls = {Fall::Second, Fall::Both, Fall::First, Fall::Second};
    std::vector<std::int32_t> typesShown;
    onNotice = [&](const Notice&) { typesShown.push_back(CTMP.GetMSGType()); };
    data().DateForword(1);

    std::vector<std::string> bodies;
    for (const Notice& notice : notices) {
        bodies.push_back(notice.body);
        EXPECT_TRUE(notice.bracketShown) << notice.body;
    }
    const std::string second = fought[1].first;
    const std::string third = fought[1].second;
    const std::string finalist = fought[2].second;
    ASSERT_EQ(fought.size(), 4u);
    EXPECT_EQ(finalist, third) << "the drawn match's rematch went to its second side";
    const std::vector<std::string> expected = {
        "第1試合を開始します\r\n\r\n" + std::string(kSchool) + "\r\n対\r\n" + fought[0].second,
        fought[0].first + "の勝ち",
        "第2試合を開始します\r\n\r\n" + second + "\r\n対\r\n" + third,
        kRematch,
        third + "の勝ち",
        "決勝戦を開始します\r\n\r\n" + std::string(kSchool) + "\r\n対\r\n" + third,
        std::string(kSchool) + "の勝ち",
    };
    EXPECT_EQ(bodies, expected);
    for (const auto& dialog : screens.dialogs) {
        EXPECT_EQ(dialog.kind, 1);
        EXPECT_EQ(dialog.pictureName, "picTournament");
        EXPECT_EQ(dialog.okCaption, "OK");
        EXPECT_EQ(dialog.region.Left, 200);
        EXPECT_EQ(dialog.region.Top, 150);
        EXPECT_EQ(dialog.region.Width, 400);
        EXPECT_EQ(dialog.region.Height, 300);
    }
    EXPECT_EQ(typesShown, std::vector<std::int32_t>(expected.size(), message_type::kTournamentNotice));
    EXPECT_EQ(screen.cTournament.GetWinner(3), kSchool);
    EXPECT_EQ(screen.cTournament.GetLoser(2), second);
}

TEST_F(TournamentTest, OnlyMatchesBetweenTwoOtherSchoolsRunFastAndOnlyWhenSet) {
    for (const char* hiSpeed : {"True", "False"}) {
        SCOPED_TRACE(std::string("BattleHiSpeed ") + hiSpeed);
        fought.clear();
        setting("BattleHiSpeed", hiSpeed);
        setting("BattleMSG", "7");
        Battle().MSGSpeed(3);
        enterJuneTournament(school_rank::kD);
        data().DateForword(1);
        ASSERT_EQ(fought.size(), 7u);
        for (const Fought& battle : fought) {
            const bool others = battle.first != kSchool && battle.second != kSchool;
            SCOPED_TRACE(battle.first + " / " + battle.second);
            EXPECT_EQ(battle.hiSpeed, others && std::string(hiSpeed) == "True");
            if (!battle.hiSpeed) {
                EXPECT_EQ(battle.msgSpeed, 7);
            }
        }
        EXPECT_EQ(notices.size() % 2, 0u) << "a fast match is still announced and its result shown";
        notices.clear();
    }
}

TEST_F(TournamentTest, TheGroundsFollowTheRankAndTheFinalIsStagedFromRankA) {
    struct Case {
        std::int16_t rank;
        const char* matches;
        const char* final;
    };
    const Case cases[] = {
        {.rank = school_rank::kD, .matches = "大会低", .final = "大会低"},
        {.rank = school_rank::kB, .matches = "大会高", .final = "大会高"},
        {.rank = school_rank::kA, .matches = "大会高", .final = "決勝"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rank);
        std::vector<std::string> grounds;
        onFirstTick = [&] { grounds.push_back(background()); };
        enterJuneTournament(c.rank);
        data().DateForword(1);
        ASSERT_EQ(grounds.size(), 7u);
        EXPECT_EQ(grounds.front(), c.matches);
        EXPECT_EQ(grounds[5], c.matches);
        EXPECT_EQ(grounds.back(), c.final);
    }
}

TEST_F(TournamentTest, AnErrorInAMatchLeavesNeitherPictureShownNorTheCombatantsBound) {
    enterJuneTournament(school_rank::kG);
    onFirstTick = [&] {
        if (fought.size() == 2)
            throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall, "boom");
    };
    EXPECT_THROW(data().DateForword(1), host::runtime::RuntimeError);
    EXPECT_FALSE(pictures.BattleDisp.Visible());
    EXPECT_FALSE(pictures.picTournament.Visible());
    const std::size_t logged = battleLog.size();
    std::string late = "遅い知らせ";
    CTMP.GetUnit(fought[1].first).Notification.raise(late);
    EXPECT_EQ(battleLog.size(), logged);
}

} // namespace
