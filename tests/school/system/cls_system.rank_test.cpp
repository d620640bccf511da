#include "school/school_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using schooltest::SchoolFixture;

namespace {

std::int32_t bit(int k) {
    return std::int32_t{1} << (k - 1);
}

std::vector<std::string> namesOf(const host::runtime::Collection<std::string>& names) {
    std::vector<std::string> list;
    for (const auto& name : names)
        list.push_back(name);
    return list;
}

} // namespace

TEST(RankEvaluation, BattlePointsAndGraduatesMoveTheRankOneStep) {
    struct {
        std::int16_t rank;
        std::int16_t points;
        std::int16_t graduates;
        std::int16_t after;
    } cases[] = {
        {2, 16, 0, 3}, {2, 15, 0, 2},  {2, 3, 0, 1},     {2, 4, 0, 2},   {0, 0, 0, 0},   {1, 16, 0, 2},
        {3, 30, 0, 4}, {3, 29, 0, 3},  {3, 5, 0, 2},     {3, 6, 99, 3},  {4, 40, 4, 4},  {4, 40, 5, 5},
        {4, 5, 99, 3}, {5, 30, 14, 5}, {5, 30, 15, 6},   {6, 30, 44, 6}, {6, 30, 45, 7}, {7, 100, 999, 7},
        {7, 5, 0, 6},  {7, 6, 0, 7},   {5, 32767, 0, 5},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.setRank(c.rank);
        f.system.BattlePoint = c.points;
        f.hooks.rankUpCondition = c.graduates;
        f.log.clear();
        f.system.EvaluateSchoolRank();
        const std::string name =
            std::to_string(c.rank) + " " + std::to_string(c.points) + " " + std::to_string(c.graduates);
        EXPECT_EQ(f.system.GetRankAsNumber(), c.after) << name;
        EXPECT_EQ(f.system.BattlePoint, 0) << name;
        // The graduates are asked for from rank "D" up, whatever the points.
        EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "GetRankUpCondition"), c.rank >= 3 ? 1 : 0) << name;
    }
}

TEST(RankEvaluation, RunsOnAprilFirstAndClearsTheYearsPoints) {
    SchoolFixture f;
    f.system.setRank(2);
    f.system.AddBattlePoint(1);
    f.system.AddBattlePoint(2);
    f.system.AddBattlePoint(2);
    EXPECT_EQ(f.system.BattlePoint, 16);
    f.system.SetDate("25:3:28");
    f.log.clear();
    f.system.DateCount();
    EXPECT_EQ(f.system.GetRank(), "D");
    EXPECT_EQ(f.system.BattlePoint, 0);
    EXPECT_NE(std::find(f.log.begin(), f.log.end(), "Report:学園のランクがDに上がりました"), f.log.end());

    // No other first of the month evaluates.
    f.system.BattlePoint = 40;
    f.system.SetDate("25:4:28");
    f.system.DateCount();
    EXPECT_EQ(f.system.BattlePoint, 40);
    EXPECT_EQ(f.system.GetRank(), "D");
}

TEST(SchoolState, SnapshotCopiesTheSchoolAndLeavesCareerPointsAtZero) {
    SchoolFixture f;
    f.system.setRank(5);
    f.system.finishWork(4, 1);
    f.system.finishWork(6, 0);
    f.system.finishWork(2, 5);
    clsSponsorCondition snapshot = f.system.GetSponsorCondition();
    EXPECT_EQ(snapshot.Rank, 5);
    EXPECT_EQ(snapshot.SchoolScale, 2);
    EXPECT_EQ(snapshot.SchoolhouseScale, 1);
    EXPECT_EQ(snapshot.DormitoryScale, 1);
    EXPECT_EQ(snapshot.Construct, 5 | bit(2));
    EXPECT_EQ(snapshot.Classroom, 1 | bit(5));
    EXPECT_EQ(snapshot.Facilities, bit(1));
    for (std::int16_t course = 0; course <= 15; ++course)
        EXPECT_EQ(snapshot.GetOccupationNumber(course), 0) << course;

    // The snapshot is the caller's: later building does not reach it.
    f.system.finishWork(1, 9);
    EXPECT_EQ(snapshot.Construct, 5 | bit(2));
}

TEST(SchoolState, CareerPointsByCourseNumberHeldIn16Bits) {
    clsSponsorCondition c;
    c.LineLeader(1);
    c.Knight(2);
    c.Soldier(4);
    c.Gambler(6);
    c.Ninja(7);
    c.Merchant(8);
    c.Traverer(9);
    c.Adventurer(10);
    c.Engineer(11);
    c.Scholar(13);
    c.Hunter(14);
    for (std::int16_t course = 0; course <= 15; ++course) {
        const bool line = course != 0 && course != 3 && course != 5 && course != 12 && course != 15;
        EXPECT_EQ(c.GetOccupationNumber(course), line ? course : 0) << course;
    }
    c.Knight(40'000);
    c.Engineer(-40'000);
    EXPECT_EQ(c.Knight(), 32767);
    EXPECT_EQ(c.Engineer(), -32768);
    EXPECT_EQ(c.GetOccupationNumber(2), 32767);
}

TEST(SchoolState, HighBornStudentsNeedEveryOneOfTheirConditions) {
    // Schoolhouse 2, grounds 2, rank "B" and facility bits 6 to 9.
    auto stage = [](SchoolFixture& f) {
        f.system.finishWork(5, 1);
        f.system.finishWork(4, 1);
        f.system.setRank(5);
        for (std::int16_t b : {6, 7, 8, 9})
            f.system.finishWork(3, b);
    };
    {
        SchoolFixture f;
        stage(f);
        EXPECT_TRUE(f.system.GetHiPlaceFLG());
    }
    for (int missing : {6, 7, 8, 9}) {
        SchoolFixture f;
        stage(f);
        f.system.FacilitiesBits &= ~bit(missing);
        EXPECT_FALSE(f.system.GetHiPlaceFLG()) << missing;
    }
    {
        SchoolFixture f;
        stage(f);
        f.system.setRank(4);
        EXPECT_FALSE(f.system.GetHiPlaceFLG());
    }
    {
        SchoolFixture f;
        f.system.finishWork(4, 1);
        f.system.setRank(7);
        for (std::int16_t b : {6, 7, 8, 9})
            f.system.finishWork(3, b);
        EXPECT_FALSE(f.system.GetHiPlaceFLG()); // schoolhouse still 1
    }
}

TEST(SchoolState, MiddleClassStudentsNeedADormitoryAndRankE) {
    struct {
        bool dormitory;
        std::int16_t rank;
        bool allowed;
    } cases[] = {{false, 7, false}, {true, 1, false}, {true, 2, true}, {true, 7, true}};
    for (const auto& c : cases) {
        SchoolFixture f;
        if (c.dormitory) f.system.finishWork(6, 0);
        f.system.setRank(c.rank);
        EXPECT_EQ(f.system.GetMiddlePlaceFLG(), c.allowed) << c.dormitory << " " << c.rank;
    }
}

TEST(SchoolState, CourseGuidanceInTheFirstThreeMonthsWithItsRoom) {
    struct {
        const char* date;
        bool room;
        bool possible;
    } cases[] = {{"26:1:1", true, true},
                 {"26:3:28", true, true},
                 {"26:4:1", true, false},
                 {"25:12:28", true, false},
                 {"26:2:10", false, false}};
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.SetDate(c.date);
        if (c.room) f.system.finishWork(2, 8);
        EXPECT_EQ(f.system.CheckCourse(), c.possible) << c.date << " " << c.room;
    }
}

TEST(SchoolState, LessonRoomsAreBuiltConstructionsAndClassroomsOnly) {
    SchoolFixture f;
    EXPECT_EQ(namesOf(f.system.GetClassConstractData()),
              (std::vector<std::string>{"運動場", "内庭", "一般教室"}));
    f.system.finishWork(6, 0);
    f.system.finishWork(3, 6);
    f.system.finishWork(2, 2);
    f.system.finishWork(1, 4);
    EXPECT_EQ(namesOf(f.system.GetClassConstractData()),
              (std::vector<std::string>{"運動場", "学生寮", "内庭", "弓道場", "一般教室", "大教室"}));
}

TEST(SchoolState, SlotsYearsAndCriticism) {
    SchoolFixture f;
    EXPECT_EQ(f.system.GetSponsorMaxCount(), 2);
    EXPECT_EQ(f.system.GetSchoolYear(), 1);
    EXPECT_EQ(f.system.GetCriticism(), 0);
    f.system.cSchoolPermit.SponserIncrease();
    f.system.cSchoolPermit.SchoolYearincrease();
    f.system.cSchoolPermit.SchoolYearincrease();
    EXPECT_EQ(f.system.GetSponsorMaxCount(), 3);
    EXPECT_EQ(f.system.GetSchoolYear(), 3);
}
