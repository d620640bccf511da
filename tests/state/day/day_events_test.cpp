#include "state/day/day_support.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "platform/sound/sound_names.h"
#include "state/state_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using daytest::DayGame;
using daytest::percentDraw;
using host::runtime::CLng;
using host::runtime::Split;

namespace {

constexpr const char* kLostCat = "迷い猫探し"; // 5 % encounters, a monster of the plain, 2000 paid
constexpr const char* kFugue = "幻獣遁走曲";   // always a fight with キマイラ, 300000 paid

enum class Fight { None, Won, Lost, Drawn };

std::string battlePoints(clsData& data) {
    return Split(managers(data).system().GetSaveData(), "/").at(5);
}

long played(DayGame& game, const std::string& sound) {
    const auto& sounds = game.services().played();
    return std::count(sounds.begin(), sounds.end(), sound);
}

TEST(DayEvents, AQuestSucceedsWithoutAFightOrByAWonOne) {
    struct Case {
        const char* name;
        std::string quest;
        int encounter; // RandomInt(0, 100) of the encounter roll
        Fight fight;
        bool success;
        std::int32_t paid;
        bool fugueWithoutFights = false;
    };
    const Case cases[] = {
        {.name = "no encounter",
         .quest = kLostCat,
         .encounter = 99,
         .fight = Fight::None,
         .success = true,
         .paid = 2000},
        {.name = "a fight won",
         .quest = kLostCat,
         .encounter = 0,
         .fight = Fight::Won,
         .success = true,
         .paid = 2000},
        {.name = "a fight lost",
         .quest = kLostCat,
         .encounter = 0,
         .fight = Fight::Lost,
         .success = false,
         .paid = 0},
        {.name = "a draw is a lost fight",
         .quest = kLostCat,
         .encounter = 0,
         .fight = Fight::Drawn,
         .success = false,
         .paid = 0},
        {.name = "the fugue won",
         .quest = kFugue,
         .encounter = 50,
         .fight = Fight::Won,
         .success = true,
         .paid = 300000},
        {.name = "the fugue drawn",
         .quest = kFugue,
         .encounter = 50,
         .fight = Fight::Drawn,
         .success = false,
         .paid = 0},
        {.name = "the fugue without a fight fails",
         .quest = kFugue,
         .encounter = 99,
         .fight = Fight::None,
         .success = false,
         .paid = 0,
         .fugueWithoutFights = true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DayGame game(c.fugueWithoutFights ? daytest::masterDataWith("幻獣遁走曲,300000,200,平原,11,3,100,",
                                                                    "幻獣遁走曲,300000,200,平原,11,3,0,")
                                          : statetest::packedMasterData());
        game.admitNewcomers();
        game.data().SetDate("25:11:7");
        const std::string item = managers(game.data()).items().GetBattleItemName().item(1);
        managers(game.data()).items().ItemAdd(item, 1);
        game.sendTeam(c.quest, item);
        game.host().questWinner = [&](const clsUnit& academy, const clsUnit& monster) -> std::string {
            if (c.fight == Fight::Won) return academy.GetUnitName();
            if (c.fight == Fight::Lost) return monster.GetUnitName();
            return "draw";
        };
        // No drop after a won fight.
        game.host().afterQuestBattle = [&] { game.services().queue({percentDraw(90)}); };
        game.services().queue({percentDraw(c.encounter)});
        const std::int32_t money = game.data().GetMoney();
        const std::string items = managers(game.data()).items().GetSaveData();
        game.log().clear();

        game.data().DateForword(1);
        const bool fought = c.fight != Fight::None;
        EXPECT_EQ(game.logged("敵に遭遇した!"), fought);
        EXPECT_EQ(game.logged("QuestBattle"), fought);
        EXPECT_EQ(game.logged("依頼に成功した"), c.success);
        EXPECT_EQ(game.logged("依頼に失敗した"), !c.success);
        EXPECT_EQ(game.data().GetMoney() - money, c.paid);
        EXPECT_EQ(managers(game.data()).items().GetSaveData() != items, fought)
            << "the carried item wears in a fight";
        EXPECT_FALSE(managers(game.data()).students().CheckQuest()) << "the teams come home";
    }
}

TEST(DayEvents, AWonFightMayDropTheMonstersItem) {
    struct Case {
        const char* name;
        std::vector<int> draws; // the drop roll, then the kind of item
        bool rare;
        bool drop;
    };
    const Case cases[] = {
        {.name = "no drop", .draws = {25}, .rare = false, .drop = false},
        {.name = "the ordinary item", .draws = {24, 20}, .rare = false, .drop = true},
        {.name = "the rare item", .draws = {0, 19}, .rare = true, .drop = true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DayGame game;
        game.admitNewcomers();
        game.data().SetDate("25:11:7");
        game.sendTeam(kFugue);
        game.host().afterQuestBattle = [&] {
            for (int draw : c.draws)
                game.services().queue({percentDraw(draw)});
        };
        game.log().clear();
        game.data().DateForword(1);
        const std::string item = c.rare ? managers(game.data()).lines().GetMonsterRheaItem("キマイラ")
                                        : managers(game.data()).lines().GetMonsterItem("キマイラ");
        EXPECT_EQ(game.logged(item + "を敵から一つ手に入れた"), c.drop);
        EXPECT_EQ(managers(game.data()).items().ItemStorage(item), c.drop ? 1 : 0);
    }
}

TEST(DayEvents, ATournamentPaysItsPrizeOnlyToTheWinner) {
    struct Case {
        std::string place;
        const char* battlePoints; // at rank G
    };
    const Case cases[] = {
        {.place = "1", .battlePoints = "10"},
        {.place = "2", .battlePoints = "3"},
        {.place = "3", .battlePoints = "0"},
        {.place = "0", .battlePoints = "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("place " + c.place);
        DayGame game;
        game.admitNewcomers();
        game.data().SetDate("25:6:28");
        game.sendTeam("青葉の王国大会");
        game.host().tournamentPlace = c.place;
        const std::int32_t money = game.data().GetMoney();
        const std::int32_t points = game.data().GetKingdomPoint();
        const clsGetGridData prize = managers(game.data()).lines().GetBattleVictory(0);
        game.log().clear();

        game.data().DateForword(1);
        const bool won = c.place == "1";
        ASSERT_FALSE(game.host().entrants.empty());
        EXPECT_EQ(game.host().entrants.front(), clsData::AcademyUnitName);
        EXPECT_EQ(game.host().entrants.size(), 4u) << "three rival schools at rank G";
        EXPECT_EQ(game.data().GetMoney() - money, won ? CLng(prize.Data(0)) : 0);
        EXPECT_EQ(game.data().GetKingdomPoint() - points, won ? CLng(prize.Data(1)) : 0);
        EXPECT_EQ(battlePoints(game.data()), c.battlePoints);
        EXPECT_EQ(played(game, sound_name::kCoin), won ? 1 : 0);
        EXPECT_EQ(played(game, sound_name::kTournament), 1);
        EXPECT_EQ(game.logged("おめでとうございます、大会で優勝しました!"), won);
        EXPECT_EQ(
            game.logged("賞金" + prize.Data(0) + "エニスと" + prize.Data(1) + "王国ポイントを貰いました"),
            won);
        EXPECT_EQ(game.logged("残念ながら、負けてしまいました"), !won);
    }
}

TEST(DayEvents, TheTournamentComesBeforeTheQuestsOfTheDay) {
    DayGame game;
    game.admitNewcomers();
    game.data().SetDate("25:6:28");
    const std::string leader = managers(game.data()).students().GetALLStudentName().item(1);
    game.sendTeam(kLostCat);
    game.sendTeam("青葉の王国大会");
    game.sendTeam("薬草摘み");
    game.log().clear();
    game.data().DateForword(1);
    const std::size_t tournament = game.find("SetBattleGame");
    const std::size_t first =
        game.find(leader + "をリーダーとするチームは「" + kLostCat + "」の依頼を実行しています");
    const std::size_t second =
        game.find(leader + "をリーダーとするチームは「薬草摘み」の依頼を実行しています");
    EXPECT_LT(tournament, first);
    EXPECT_LT(first, second);
    EXPECT_LT(second, game.log().size());
}

TEST(DayEvents, APartTimeJobPaysAndMayFindItsItem) {
    for (const bool found : {false, true}) {
        SCOPED_TRACE(found ? "item found" : "nothing found");
        DayGame game;
        game.admitNewcomers();
        game.data().SetDate("25:5:7");
        const std::string job = managers(game.data()).arbeits().GetArbeitData(5).item(1).Data(1);
        managers(game.data()).arbeits().SetContractArbeit(job);
        const clsGetGridData effect = managers(game.data()).arbeits().GetArbeitEffect(5);
        const std::string item = managers(game.data()).arbeits().GetItem();
        // Every draw of the day at the low or the high end: the find roll among them.
        for (int draw = 0; draw < 200; ++draw)
            game.services().queue({percentDraw(found ? 0 : 99)});
        const std::int32_t money = game.data().GetMoney();
        game.log().clear();

        game.data().DateForword(1);
        EXPECT_TRUE(game.logged(job + "のアルバイトをしました"));
        EXPECT_EQ(game.data().GetMoney() - money, CLng(effect.Data(4)));
        EXPECT_EQ(game.logged("アルバイト中に" + item + "を一つ見つけました"), found);
        EXPECT_EQ(managers(game.data()).items().ItemStorage(item), found ? 1 : 0);
        EXPECT_FALSE(managers(game.data()).arbeits().CheckArbeit()) << "the job lasts one day";
    }
}

TEST(Newcomers, NamesAreFreeAndRunningOutOfThemBringsFewerNewcomers) {
    const std::vector<std::string> names = {"アキラ", "イサム", "ウメコ", "エイジ",
                                            "オサム", "カオル", "キヨシ", "クニオ"};
    DayGame game(daytest::masterDataWithNames(names));
    const std::vector<std::string> first = game.admitNewcomers();
    EXPECT_EQ(first.size(), 6u);
    const std::vector<std::string> second = game.admitNewcomers();
    EXPECT_EQ(second.size(), 2u) << "only two names left";
    std::set<std::string> all(first.begin(), first.end());
    all.insert(second.begin(), second.end());
    EXPECT_EQ(all, std::set<std::string>(names.begin(), names.end()));
    EXPECT_TRUE(game.admitNewcomers().empty()) << "no free name: no newcomer, and no endless draw";
}

} // namespace
