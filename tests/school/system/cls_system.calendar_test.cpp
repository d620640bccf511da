#include "school/school_fixture.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using schooltest::SchoolFixture;
using testsupport::errorOf;

namespace {

using Log = std::vector<std::string>;

const std::string kTournament =
    "Report:今日は王国主催の大会が開かれます\r\n参加する場合は依頼からチームを編成してください";
const std::string kCamp = "Report:今日から一ヶ月間、生徒を連れて合宿に行くことができます";

std::string dateOf(const clsSystem& system) {
    return std::to_string(system.GetKingdomYear()) + ":" + std::to_string(system.GetMonth()) + ":" +
           std::to_string(system.GetDay());
}

long countOf(const Log& log, const std::string& entry) {
    return std::count(log.begin(), log.end(), entry);
}

} // namespace

TEST(Calendar, NewGameStartsOnSundayTheFirstOfAprilInYear25) {
    SchoolFixture f;
    EXPECT_EQ(dateOf(f.system), "25:4:1");
    EXPECT_EQ(f.system.GetDayofWeek(), "日");
    EXPECT_EQ(f.system.GetClassCount(), 0);
    EXPECT_TRUE(f.log.empty());
}

TEST(Calendar, DateEventsFireOnTheirDaysInOrder) {
    struct {
        const char* from;
        const char* to;
        Log events;
    } cases[] = {
        {"25:4:5", "25:4:6", {"DateChenge"}},
        {"25:4:14", "25:4:15", {"DateChenge", "StockPriceChange"}},
        {"30:12:28",
         "31:1:1",
         {"DateChenge", "GraduateCheck(False)", "NewComer(False)", "StockPriceChange", "CourseDecide"}},
        {"25:5:28", "25:6:1", {"DateChenge", "GraduateCheck(False)", "NewComer(False)", "StockPriceChange"}},
        {"25:7:28",
         "25:8:1",
         {"DateChenge", "GraduateCheck(False)", "NewComer(False)", kCamp, "StockPriceChange"}},
        {"26:3:28",
         "26:4:1",
         {"DateChenge", "GraduateCheck(True)", "StockDevvy", "NewYear", "NewComer(True)",
          "StockPriceChange"}},
        {"25:3:27", "25:3:28", {"DateChenge", kTournament}},
        {"25:6:27", "25:6:28", {"DateChenge", kTournament}},
        {"25:10:27", "25:10:28", {"DateChenge", kTournament}},
        {"25:9:27", "25:9:28", {"DateChenge"}},
        {"25:1:14", "25:1:15", {"DateChenge", "StockPriceChange"}},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.SetDate(c.from);
        f.system.DateCount();
        EXPECT_EQ(dateOf(f.system), c.to) << c.from;
        EXPECT_EQ(f.log, c.events) << c.from;
        EXPECT_EQ(f.system.GetClassCount(), 1) << c.from;
    }
}

TEST(Calendar, TheYearHoldsAt9999) {
    SchoolFixture f;
    f.system.SetDate("9999:12:28");
    f.system.DateCount();
    EXPECT_EQ(dateOf(f.system), "9999:1:1");
    f.system.SetDate("9998:12:28");
    f.system.DateCount();
    EXPECT_EQ(dateOf(f.system), "9999:1:1");
}

TEST(Calendar, AYearOfDaysRaisesEachEventItsNumberOfTimes) {
    SchoolFixture f;
    for (int day = 0; day < 12 * 28; ++day)
        f.system.DateCount();
    EXPECT_EQ(dateOf(f.system), "26:4:1");
    EXPECT_EQ(countOf(f.log, "DateChenge"), 336);
    EXPECT_EQ(countOf(f.log, "StockPriceChange"), 24);
    EXPECT_EQ(countOf(f.log, "GraduateCheck(False)"), 11);
    EXPECT_EQ(countOf(f.log, "GraduateCheck(True)"), 1);
    EXPECT_EQ(countOf(f.log, "NewComer(False)"), 11);
    EXPECT_EQ(countOf(f.log, "NewComer(True)"), 1);
    EXPECT_EQ(countOf(f.log, "StockDevvy"), 1);
    EXPECT_EQ(countOf(f.log, "NewYear"), 1);
    EXPECT_EQ(countOf(f.log, "CourseDecide"), 1);
    EXPECT_EQ(countOf(f.log, kTournament), 3);
    EXPECT_EQ(countOf(f.log, kCamp), 1);
}

TEST(Calendar, DateChengeCarriesTheNewDay) {
    SchoolFixture f;
    std::vector<clsDateDetails> seen;
    f.system.DateChenge.subscribe([&](clsDateDetails& d) { seen.push_back(d); });
    f.system.SetDate("40:11:28");
    f.system.DateCount();
    f.system.DateCount();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].Year, 40);
    EXPECT_EQ(seen[0].Month, 12);
    EXPECT_EQ(seen[0].Day, 1);
    EXPECT_EQ(seen[0].DayofWeek, "日");
    EXPECT_EQ(seen[1].Day, 2);
    EXPECT_EQ(seen[1].DayofWeek, "月");
    clsDateDetails today = f.system.GetDate();
    EXPECT_EQ(today.Day, 2);
    EXPECT_EQ(today.DayofWeek, "月");
}

TEST(Calendar, AFinishedBuildingIsReportedBeforeTheNewDay) {
    SchoolFixture f;
    f.system.cSchoolPermit.SetConstruct(2, 5, 1, "保健室");
    f.system.DateCount();
    EXPECT_EQ(f.log, (Log{"Report:保健室が完成しました", "DateChenge"}));
    EXPECT_TRUE(f.system.GetNurseOffice());
}

TEST(Calendar, EightPeriodPermitTakenMidMonthStartsOnTheFirst) {
    SchoolFixture f;
    f.system.SetDate("25:5:5");
    f.system.cSchoolPermit.SetFullTimeClass(f.system.GetDay());
    std::vector<int> periodsSeen;
    f.system.DateChenge.subscribe([&](clsDateDetails&) { periodsSeen.push_back(f.system.GetClassNum()); });
    while (f.system.GetDay() != 28) {
        f.system.DateCount();
        EXPECT_EQ(f.system.GetClassNum(), 4);
        EXPECT_EQ(f.system.GetClassFullTime(), 4);
        EXPECT_FALSE(f.system.GetFullTime());
    }
    f.system.DateCount();
    EXPECT_EQ(f.system.GetClassNum(), 8);
    EXPECT_EQ(f.system.GetClassFullTime(), 8);
    EXPECT_TRUE(f.system.GetFullTime());
    EXPECT_EQ(periodsSeen.back(), 4); // the month step runs after DateChenge
}

TEST(Calendar, SecondEndingNeedsRankSAndFiftyBattlePointsAndComesOnce) {
    struct {
        std::int16_t rank;
        std::int16_t points;
        int endings;
    } cases[] = {{7, 49, 0}, {7, 50, 1}, {7, 120, 1}, {6, 90, 0}};
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.setRank(c.rank);
        f.system.BattlePoint = c.points;
        f.log.clear();
        for (int year = 0; year < 2; ++year) {
            f.system.SetDate("30:3:28");
            f.system.DateCount();
        }
        EXPECT_EQ(countOf(f.log, "Ending2"), c.endings) << c.rank << "/" << c.points;
        if (c.endings) {
            auto at = [&](const char* e) { return std::find(f.log.begin(), f.log.end(), e) - f.log.begin(); };
            EXPECT_LT(at("StockDevvy"), at("Ending2"));
            EXPECT_LT(at("Ending2"), at("GetRankUpCondition"));
        }
    }
}

TEST(Calendar, FirstEndingFollowsTheEvaluationThatLeavesRankCAndComesOnce) {
    SchoolFixture f;
    f.system.setRank(3);
    f.log.clear();

    f.system.BattlePoint = 30;
    f.system.SetDate("30:3:28");
    f.system.DateCount();
    Log firstApril(f.log.begin(), f.log.end());
    auto tail = std::find(firstApril.begin(), firstApril.end(), "GetRankUpCondition");
    EXPECT_EQ(Log(tail, firstApril.end()),
              (Log{"GetRankUpCondition", "Report:学園のランクがCに上がりました", "StatusRefresh", "Ending",
                   "NewYear", "NewComer(True)", "StockPriceChange"}));

    // Down to D, back to C, then on to B.
    f.hooks.rankUpCondition = 5;
    for (std::int16_t points : {0, 30, 30}) {
        f.system.BattlePoint = points;
        f.system.SetDate("30:3:28");
        f.system.DateCount();
    }
    EXPECT_EQ(countOf(f.log, "Ending"), 1);
    EXPECT_EQ(f.system.GetRank(), "B");
}

TEST(Calendar, DaysOfADateCommand) {
    struct {
        std::int16_t day;
        std::int16_t kind;
        std::int16_t days;
    } cases[] = {
        {1, 1, 1},  {28, 1, 1}, {1, 2, 6},  {6, 2, 1},  {7, 2, 7}, {8, 2, 6},
        {28, 2, 7}, {1, 3, 27}, {27, 3, 1}, {28, 3, 0}, {5, 0, 0}, {5, 4, 0},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.SetDate("25:5:" + std::to_string(c.day));
        EXPECT_EQ(f.system.GetDateForword(c.kind), c.days) << "day " << c.day << " kind " << c.kind;
    }
}

TEST(Calendar, WeekdaysAndTheDaysTheyAllow) {
    struct {
        std::int16_t day;
        const char* name;
        bool lessonDay;
        bool saturday;
    } cases[] = {
        {1, "日", false, false}, {2, "月", true, false},  {6, "金", true, false},
        {7, "土", false, true},  {8, "日", false, false}, {15, "日", false, false},
        {21, "土", false, true}, {26, "木", true, false}, {28, "土", false, true},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.SetDate("25:5:" + std::to_string(c.day));
        EXPECT_EQ(f.system.GetDayofWeek(), c.name) << c.day;
        EXPECT_EQ(f.system.CheckClassToday(), c.lessonDay) << c.day;
        EXPECT_EQ(f.system.CheckSchoolMenu(), c.saturday) << c.day;
        EXPECT_EQ(f.system.CheckDateCommand(2), !c.saturday) << c.day;
        EXPECT_TRUE(f.system.CheckDateCommand(1)) << c.day;
        EXPECT_EQ(f.system.CheckClass(), c.day == 1) << c.day;
    }
}

TEST(Calendar, TeachingIsOfferedOnLessonDaysWhileTheCounterIsBelowThePeriods) {
    SchoolFixture f;
    f.system.SetDate("25:5:1");
    f.system.DateCount(); // Monday the 2nd, period 1
    for (int period = 1; period < 4; ++period) {
        EXPECT_TRUE(f.system.CheckDateCommand(0)) << period;
        f.system.ClassCount();
    }
    EXPECT_EQ(f.system.GetClassCount(), 4);
    EXPECT_FALSE(f.system.CheckDateCommand(0)); // the last period is left to the day's run

    f.system.cSchoolPermit.SetFullTimeClass(1);
    EXPECT_TRUE(f.system.CheckDateCommand(0));
    for (int period = 4; period < 8; ++period)
        f.system.ClassCount();
    EXPECT_FALSE(f.system.CheckDateCommand(0));

    for (const char* day : {"25:5:1", "25:5:7", "25:5:8"}) {
        SchoolFixture g;
        g.system.SetDate(day);
        g.system.DateCount();
        g.system.SetDate(day);
        EXPECT_FALSE(g.system.CheckDateCommand(0)) << day;
    }
}

TEST(Calendar, CampOnlyOnTheFirstOfAugustAndTournamentsOnTheirDays) {
    struct {
        const char* date;
        bool camp;
        bool tournament;
        bool dividend;
    } cases[] = {
        {"25:8:1", true, false, false},   {"25:8:2", false, false, false},  {"25:7:1", false, false, false},
        {"25:3:28", false, true, false},  {"25:6:28", false, true, false},  {"25:10:28", false, true, false},
        {"25:9:28", false, false, false}, {"25:6:27", false, false, false}, {"25:4:1", false, false, true},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.SetDate(c.date);
        EXPECT_EQ(f.system.CheckDateCommand(3), c.camp) << c.date;
        EXPECT_EQ(f.system.CheckBattleGameDay(), c.tournament) << c.date;
        EXPECT_EQ(f.system.GetDivvy(), c.dividend) << c.date;
    }
}

TEST(Calendar, SeasonMusicByMonth) {
    const char* seasons[] = {"冬", "冬", "冬", "春", "春", "春", "夏", "夏", "夏", "秋", "秋", "秋"};
    for (int month = 1; month <= 12; ++month) {
        SchoolFixture f;
        f.system.SetDate("25:" + std::to_string(month) + ":1");
        EXPECT_EQ(f.system.GetSoundName(), seasons[month - 1]) << month;
    }
}

TEST(Calendar, SetDateRefusesTextThatIsNoCalendarDate) {
    struct {
        const char* text;
        ErrorNumber error;
    } cases[] = {
        {"25:4", ErrorNumber::SubscriptOutOfRange}, {"", ErrorNumber::SubscriptOutOfRange},
        {"a:4:1", ErrorNumber::TypeMismatch},       {"25:4:1:0", ErrorNumber::TypeMismatch},
        {"25:4:40000", ErrorNumber::Overflow},      {"25:13:1", ErrorNumber::InvalidCall},
        {"25:4:29", ErrorNumber::InvalidCall},      {"25:4:0", ErrorNumber::InvalidCall},
        {"0:4:1", ErrorNumber::InvalidCall},        {"25:0:1", ErrorNumber::InvalidCall},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.SetDate("30:6:9");
        EXPECT_EQ(errorOf([&] { f.system.SetDate(c.text); }), c.error) << c.text;
        EXPECT_EQ(dateOf(f.system), "30:6:9") << c.text;
    }
}
