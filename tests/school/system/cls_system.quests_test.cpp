#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/silent_services.h"
#include "school/school_fixture.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using host::runtime::Collection;
using host::runtime::ErrorNumber;
using schooltest::SchoolFixture;
using testsupport::errorOf;

namespace {

using Names = std::vector<std::string>;

// No team sent out.
const Collection<clsGetGridData> kNoTeams;

// The fixture's quest catalogue (kTestQuests) with helpers.
struct QuestFixture : SchoolFixture {
    Names offered(const Collection<clsGetGridData>& sent = kNoTeams) const {
        Names names;
        for (const auto& row : system.GetQuest(sent, false, clsGetGridData{}))
            names.push_back(row.Data(1));
        return names;
    }
    void at(std::int16_t rank, const std::string& date) {
        system.setRank(rank);
        system.SetDate(date);
    }
    // Runs DateCount until the calendar shows that date.
    void runTo(const std::string& date) {
        while (std::to_string(system.GetKingdomYear()) + ":" + std::to_string(system.GetMonth()) + ":" +
                   std::to_string(system.GetDay()) !=
               date)
            system.DateCount();
    }
};

Collection<clsGetGridData> sentTeams(const Names& quests) {
    Collection<clsGetGridData> teams;
    for (const auto& quest : quests) {
        clsGetGridData row;
        row.SetCols(0);
        row.Data(0, quest);
        teams.add(std::move(row));
    }
    return teams;
}

float drawFor(int lo, int hi, int value) {
    return static_cast<float>(value - lo) / static_cast<float>(hi - lo);
}

TEST(QuestRequests, OfferTheQuestsOfTheRankAndMonthWithWindowsAcrossTheYearEnd) {
    const Names spring = {"迷い猫探し", "妖精のいたずら", "荷運び", "スライム退治"};
    const Names winter = {"迷い猫探し", "冬の薪集め", "妖精のいたずら", "荷運び"};
    struct {
        std::int16_t rank;
        const char* date;
        Names offered;
    } cases[] = {
        {0, "25:4:1", spring},
        {0, "25:10:1", {"迷い猫探し", "妖精のいたずら", "荷運び"}},
        {0, "25:11:1", winter},
        {0, "25:12:14", winter},
        {0, "26:1:28", winter},
        {0, "26:2:1", winter},
        {0, "26:3:1", {"迷い猫探し", "妖精のいたずら", "荷運び"}},
        {2, "25:4:1", spring},
        {3, "25:4:1", {"迷い猫探し", "山賊退治", "妖精のいたずら", "荷運び", "スライム退治"}},
        {7, "26:2:1", {"迷い猫探し", "冬の薪集め", "山賊退治", "妖精のいたずら", "荷運び"}},
    };
    for (const auto& c : cases) {
        QuestFixture f;
        f.at(c.rank, c.date);
        EXPECT_EQ(f.offered(), c.offered) << "rank " << c.rank << " on " << c.date;
    }
}

TEST(QuestRequests, RowsGiveThePhysicalCostOfTheRankAndTheRewards) {
    QuestFixture f;
    f.at(3, "25:4:1");
    const auto rows = f.system.GetQuest(kNoTeams, false, clsGetGridData{});
    ASSERT_EQ(rows.count(), 5);
    auto cells = [](const clsGetGridData& row) {
        Names all;
        for (std::int16_t i = 0; i <= row.Cols(); ++i)
            all.push_back(row.Data(i));
        return all;
    };
    EXPECT_EQ(cells(rows.item(1)), (Names{"0", "迷い猫探し", "10", "2000", "3"}));
    EXPECT_EQ(cells(rows.item(2)), (Names{"0", "山賊退治", "58", "30000", "20"}));
}

TEST(QuestRequests, PutTheTournamentFirstAndLeaveOutQuestsAlreadySent) {
    QuestFixture f;
    clsGetGridData tournament;
    tournament.SetCols(4);
    tournament.Data(1, "春の王国大会");

    auto rows = f.system.GetQuest(sentTeams({"荷運び", "迷い猫探し"}), true, tournament);
    Names names;
    for (const auto& row : rows)
        names.push_back(row.Data(1));
    EXPECT_EQ(names, (Names{"春の王国大会", "妖精のいたずら", "スライム退治"}));

    EXPECT_EQ(f.offered(sentTeams({"春の王国大会"})),
              (Names{"迷い猫探し", "妖精のいたずら", "荷運び", "スライム退治"}));
}

TEST(QuestRequests, AOnceOnlyQuestLeavesAfterItsSuccessUntilANewGame) {
    QuestFixture f;
    f.system.SetQuestSuccess("妖精のいたずら");
    EXPECT_EQ(f.offered(), (Names{"迷い猫探し", "荷運び", "スライム退治"}));
    f.runTo("25:5:1");
    EXPECT_EQ(f.offered(), (Names{"迷い猫探し", "荷運び", "スライム退治"}));
    f.system.SetDataInit();
    EXPECT_EQ(f.offered(), (Names{"迷い猫探し", "妖精のいたずら", "荷運び", "スライム退治"}));
}

TEST(QuestRequests, AFollowUpOpensAtItsCountAndClosesTheMonthAfterItsWindow) {
    QuestFixture f;
    f.at(1, "25:4:1");
    const Names without = {"迷い猫探し", "妖精のいたずら", "荷運び", "スライム退治"};
    const Names with = {"迷い猫探し", "妖精のいたずら", "荷運び", "峠越えの護衛", "スライム退治"};

    f.system.SetQuestSuccess("荷運び");
    EXPECT_EQ(f.offered(), without);
    f.system.SetQuestSuccess("荷運び");
    EXPECT_EQ(f.offered(), with);

    f.runTo("25:6:1"); // inside the window: the prerequisite keeps its count
    EXPECT_EQ(f.system.GetQuestCount(5), 2);
    EXPECT_EQ(f.offered(), with);
    f.runTo("25:7:1"); // the month after the window: it has to be earned again
    EXPECT_EQ(f.system.GetQuestCount(5), 0);
    f.runTo("26:4:1");
    f.system.setRank(1);
    EXPECT_EQ(f.offered(), without);
}

TEST(QuestRequests, APrerequisiteShortOfItsCountIsNotClearedAfterTheWindow) {
    QuestFixture f;
    f.system.SetQuestSuccess("荷運び");
    f.runTo("25:7:1");
    EXPECT_EQ(f.system.GetQuestCount(5), 1);
}

TEST(QuestCounts, ResetQuestsStartEachMonthAtZeroBeforeTheMonthsEvents) {
    QuestFixture f;
    f.system.SetQuestSuccess("迷い猫探し");
    f.system.SetQuestSuccess("荷運び");
    std::vector<int> seen;
    f.system.DateChenge.subscribe([&](clsDateDetails&) { seen.push_back(f.system.GetQuestCount(1)); });
    f.system.GraduateCheck.subscribe([&](bool&) { seen.push_back(f.system.GetQuestCount(1)); });

    f.runTo("25:4:28");
    EXPECT_EQ(f.system.GetQuestCount(1), 1);
    seen.clear();
    f.system.DateCount();
    EXPECT_EQ(seen, (std::vector<int>{1, 0}));
    EXPECT_EQ(f.system.GetQuestCount(5), 1); // no reset
}

TEST(QuestCounts, ASuccessCountsAndPaysMoneyAndKingdomPoints) {
    QuestFixture f;
    f.system.Money = 500;
    f.system.KingdomPoint = 7;
    f.system.SetQuestSuccess("妖精のいたずら");
    EXPECT_EQ(f.system.GetQuestCount(4), 1);
    EXPECT_EQ(f.system.GetMoney(), 3500);
    EXPECT_EQ(f.system.GetKingdomPoint(), 27);
    EXPECT_TRUE(f.system.IsQuestCountReached(4, 1));
    EXPECT_FALSE(f.system.IsQuestCountReached(4, 2));
    EXPECT_FALSE(f.system.IsQuestCountReached(99, 0));
    EXPECT_EQ(f.system.GetQuestCount(99), 0);
}

TEST(QuestCounts, ACountHoldsAtItsLargestValue) {
    clsQuest quest;
    quest.SetSaveData(32767);
    quest.AddCount();
    EXPECT_EQ(quest.Count(), 32767);
}

TEST(QuestCounts, TheSavePartKeepsEveryCountAndSkipsUnknownIDs) {
    QuestFixture f;
    f.system.SetQuestSuccess("荷運び");
    f.system.SetQuestSuccess("荷運び");
    f.system.SetQuestSuccess("スライム退治");
    const std::string saved = f.system.GetQuestSaveData();
    EXPECT_EQ(saved, "1:2:3:4:5:6:7\r\n0:0:0:0:2:0:1");

    QuestFixture loaded;
    loaded.system.SetQuestSuccess("迷い猫探し");
    loaded.system.SetQuestSaveData("5:99:7\r\n3:8:4");
    EXPECT_EQ(loaded.system.GetQuestSaveData(), "1:2:3:4:5:6:7\r\n1:0:0:0:3:0:4");
    loaded.system.SetQuestSaveData(saved);
    EXPECT_EQ(loaded.system.GetQuestSaveData(), saved);
}

TEST(QuestCounts, ADamagedSavePartChangesNothing) {
    struct {
        const char* what;
        const char* text;
        ErrorNumber error;
    } cases[] = {
        {"no second line", "1:2:3", ErrorNumber::SubscriptOutOfRange},
        {"fewer counts than IDs", "1:5\r\n4", ErrorNumber::SubscriptOutOfRange},
        {"a count that is no number", "1:5\r\n4:x", ErrorNumber::TypeMismatch},
        {"a count beyond 16 bits", "1:5\r\n4:40000", ErrorNumber::Overflow},
    };
    for (const auto& c : cases) {
        QuestFixture f;
        f.system.SetQuestSuccess("迷い猫探し");
        EXPECT_EQ(errorOf([&] { f.system.SetQuestSaveData(c.text); }), c.error) << c.what;
        EXPECT_EQ(f.system.GetQuestSaveData(), "1:2:3:4:5:6:7\r\n1:0:0:0:0:0:0") << c.what;
    }
}

TEST(QuestCounts, TravelInTheSystemRecord) {
    QuestFixture f;
    f.system.SetQuestSuccess("荷運び");
    const std::string record = f.system.GetSaveData();

    QuestFixture loaded;
    loaded.system.SetSaveData(record);
    EXPECT_EQ(loaded.system.GetQuestCount(5), 1);
    loaded.system.SetDataInit();
    EXPECT_EQ(loaded.system.GetQuestCount(5), 0);
}

TEST(QuestFights, AQuestFightsWhenItsChanceReachesTheDraw) {
    struct {
        const char* quest;
        float draw;
        bool fights;
    } cases[] = {
        {"迷い猫探し", 0.0f, true}, // Battle 0 fights only on a draw of 0
        {"迷い猫探し", 1.0f / 256, true}, {"迷い猫探し", 1.0f / 128, false},
        {"山賊退治", 0.5f, true},                                       // Battle 50
        {"山賊退治", 0.515625f, false},   {"冬の薪集め", 0.999f, true}, // Battle 100
    };
    for (const auto& c : cases) {
        QuestFixture f;
        ScopedSilentServices services;
        services->scriptDraws({c.draw});
        EXPECT_EQ(f.system.GetQuestBattle(c.quest), c.fights) << c.quest << " at " << c.draw;
    }
}

TEST(QuestFights, ARegionWordDrawsFromItsMonstersAndANameIsKept) {
    const struct {
        const char* region;
        Names monsters;
    } regions[] = {
        {"平原", {"ピクシー", "スライム"}},
        {"森", {"バックベアード", "ドリアード", "マンドレイク"}},
        {"海", {"海賊", "ナーガ", "セイレーン"}},
        {"雨", {"シルフ", "ハーピー", "アスプ"}},
        {"死者", {"ゾンビ", "グール", "スケルトン"}},
        {"山", {"山賊", "天狗", "ソードモンキー"}},
        {"巡礼", {"ガーゴイル", "ワーウルフ", "デュラハン"}},
        {"迷宮", {"ミノタウロス", "ケンタウロス", "サイクロプス", "ゴーレム"}},
        {"ドラゴン", {"黒龍", "白龍", "緑龍", "赤龍", "青龍"}},
    };
    SchoolFixture f;
    std::string section;
    int id = 0;
    for (const auto& r : regions)
        section += std::to_string(++id) + ",0," + r.region + "の依頼,100,1,森,1,12,50," + r.region +
                   ",False,False,0,0,調査\r\n";
    f.system.SetQuest(section);

    ScopedSilentServices services;
    for (const auto& r : regions) {
        const int last = static_cast<int>(r.monsters.size()) - 1;
        for (int i = 0; i <= last; ++i) {
            services->scriptDraws({drawFor(0, last, i)});
            EXPECT_EQ(f.system.GetMonsterNameFromQuest(std::string(r.region) + "の依頼"),
                      r.monsters[static_cast<std::size_t>(i)])
                << r.region << " " << i;
        }
    }
    QuestFixture named;
    services->scriptDraws({});
    EXPECT_EQ(named.system.GetMonsterNameFromQuest("山賊退治"), "山賊");
    EXPECT_EQ(named.system.GetMonsterNameFromQuest("スライム退治"), "スライム");
}

TEST(QuestCatalogue, AnswersByWidenedNameAndRefusesOthers) {
    QuestFixture f;
    EXPECT_EQ(f.system.GetQuestTips("スライム退治"), "ヌルヌル");
    EXPECT_EQ(f.system.GetQuestRank("山賊退治"), 3);
    EXPECT_EQ(f.system.GetQuestImageName("冬の薪集め"), "森");
    EXPECT_EQ(errorOf([&] { f.system.GetQuestTips("ｽﾗｲﾑ退治"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { f.system.SetQuestSuccess("竜退治"); }), ErrorNumber::InvalidCall);
}

TEST(QuestCatalogue, RefusesMalformedRowsKeepingTheRowsBefore) {
    const std::string first = "1,0,猫探し,2000,3,公園,1,12,0,平原,False,True,0,0,猫\r\n";
    struct {
        const char* what;
        std::string section;
        ErrorNumber error;
    } cases[] = {
        {"fourteen fields", first + "2,0,薪集め,3000,4,森,11,2,100,森,False,False,0,0",
         ErrorNumber::SubscriptOutOfRange},
        {"a flag that is no Boolean", first + "2,0,薪集め,3000,4,森,11,2,100,森,Maybe,False,0,0,薪",
         ErrorNumber::TypeMismatch},
        {"points beyond 16 bits", first + "2,0,薪集め,3000,40000,森,11,2,100,森,False,False,0,0,薪",
         ErrorNumber::Overflow},
        {"a repeated name", first + "2,0,猫探し,3000,4,森,11,2,100,森,False,False,0,0,薪",
         ErrorNumber::DuplicateKey},
        {"no name", first + "2,0,,3000,4,森,11,2,100,森,False,False,0,0,薪", ErrorNumber::InvalidCall},
    };
    for (const auto& c : cases) {
        std::vector<std::string> log;
        schooltest::FakeHooks hooks{log};
        clsSystem system{hooks};
        EXPECT_EQ(errorOf([&] { system.SetQuest(c.section); }), c.error) << c.what;
        EXPECT_EQ(system.GetQuestSaveData(), "1\r\n0") << c.what;
    }
}

} // namespace
