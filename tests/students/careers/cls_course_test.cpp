#include "students/careers/cls_course.h"

#include "students/abilities.h"
#include "students/mng_student_support.h"

#include <gtest/gtest.h>

#include <optional>

using studentstest::Entry;
using studentstest::percentDraws;
using studentstest::studentLine;
using studentstest::StudentShape;

namespace {

using namespace ability;

struct Level {
    int ability;
    std::int16_t value;
};
using Levels = std::vector<Level>;

// Exactly the 軍師 ability part: four 50s, weapons 150, formations 45.
const Levels kTactician = {{kIntention, 50}, {kCharm, 50},        {kPropriety, 50}, {kHistory, 50},
                           {kFencing, 100},  {kSpearmanship, 50}, {kAggressive, 45}};
// Exactly the 騎士 ability part, the weapons spread over all four.
const Levels kKnight = {{kPhysical, 50},      {kMuscle, 50},    {kToughness, 50},    {kFencing, 100},
                        {kSpearmanship, 100}, {kToxophily, 25}, {kHorsemanship, 25}, {kAggressive, 10},
                        {kProtect, 10},       {kSurprise, 10}};

Levels with(Levels levels, Level changed) {
    for (auto& l : levels)
        if (l.ability == changed.ability) l.value = changed.value;
    return levels;
}

std::unique_ptr<clsStudent> student(const std::string& origin, int course, const Levels& levels) {
    StudentShape shape;
    shape.origin = origin;
    shape.course = course;
    shape.abilities.clear();
    for (const auto& l : levels)
        shape.abilities.push_back(Entry{1, l.ability, l.value});
    auto s = std::make_unique<clsStudent>();
    s->SetSaveData(studentLine(shape));
    return s;
}

clsGraduate graduate(int course, const Levels& levels, int changes = 0) {
    clsGraduate g;
    g.Course(course);
    for (int i = 0; i < changes; ++i)
        g.CourseChange(course);
    for (const auto& l : levels)
        g.SetPresentAbility(static_cast<std::int16_t>(l.ability), l.value);
    return g;
}

class Course : public ::testing::Test {
  protected:
    void script(const std::vector<int>& draws) { silent->scriptDraws(percentDraws(draws)); }

    ScopedSilentServices silent;
    clsCourse course;
};

} // namespace

TEST_F(Course, GuidanceNamesNumberCoursesOneToFourteen) {
    const auto rows = course.GetCourse();
    ASSERT_EQ(rows.count(), 14);
    EXPECT_EQ(rows.item(1).Cols(), 0);
    EXPECT_EQ(rows.item(1).Data(0), "軍師");
    EXPECT_EQ(rows.item(5).Data(0), "見習い剣士");
    EXPECT_EQ(rows.item(14).Data(0), "猟師");

    struct {
        const char* name;
        std::int32_t number;
    } cases[] = {{"軍師", 1}, {"見習い剣士", 5}, {"猟師", 14}, {"見習い兵士", 0},
                 {"退学", 0}, {"宰相", 0},       {"", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(course.CourseChangeBit(c.name), c.number) << c.name;
}

TEST_F(Course, EnableCourseAdmitsByAbilityPartOrOrigin) {
    struct {
        const char* label;
        const char* origin;
        int course;
        Levels levels;
        bool admitted;
    } cases[] = {
        {"noble tactician without abilities", "貴族", 1, {}, true},
        {"royal tactician without abilities", "王族", 1, {}, true},
        {"farmer tactician at the minimums", "農民", 1, kTactician, true},
        {"farmer tactician one formation point short", "農民", 1, with(kTactician, {kAggressive, 44}), false},
        {"farmer tactician one history point short", "農民", 1, with(kTactician, {kHistory, 49}), false},
        {"knight by four weapons", "農民", 2, kKnight, true},
        {"knight one riding point short", "農民", 2, with(kKnight, {kHorsemanship, 24}), false},
        {"knight-born knight", "騎士", 2, {}, true},
        {"squire from soldiers", "兵士", 5, {}, true},
        {"squire from knights needs abilities", "騎士", 5, {}, false},
        {"player from nobles needs abilities", "貴族", 6, {}, false},
        {"player by abilities", "農民", 6, {{kIntention, 15}, {kLuck, 15}}, true},
        {"adventurer from anywhere needs abilities", "冒険者", 10, {}, false},
        {"adventurer by abilities", "農民", 10, {{kMuscle, 10}, {kFencing, 10}}, true},
        {"scholar one point short", "農民", 13, {{kHistory, 24}}, false},
        {"ninja by abilities", "農民", 7, {{kQuickness, 20}, {kTechnique, 20}, {kIntention, 20}}, true},
        {"no course decided", "貴族", 0, kTactician, false},
        {"withdrawal course", "貴族", 15, kTactician, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(course.EnableCourse(*student(c.origin, c.course, c.levels)), c.admitted) << c.label;
}

TEST_F(Course, ChangeCourseAppliesTheTargetsAbilityRuleOnly) {
    const Levels merchant = {{kIntention, 35}, {kPropriety, 35}, {kCharm, 20}, {kLuck, 20}};
    const Levels master = {
        {kIntention, 40}, {kTechnique, 65}, {kFencing, 60}, {kSpearmanship, 60}, {kToxophily, 60}};
    const Levels general = {{kPhysical, 70},     {kMuscle, 70},  {kToughness, 70},    {kPropriety, 50},
                            {kHistory, 50},      {kFencing, 75}, {kSpearmanship, 75}, {kToxophily, 75},
                            {kHorsemanship, 75}, {kProtect, 40}};
    struct {
        const char* label;
        int target;
        Levels levels;
        bool changes;
    } cases[] = {
        {"tactician by abilities", 1, kTactician, true},
        {"tactician: the origin does not help", 1, {}, false},
        {"merchant", 8, {{kIntention, 10}, {kPropriety, 10}}, true},
        {"squire short of fencing", 5, {{kPhysical, 15}, {kMuscle, 15}, {kFencing, 14}}, false},
        {"great merchant", 23, merchant, true},
        {"great merchant short of luck", 23, with(merchant, {kLuck, 19}), false},
        {"master craftsman", 26, master, true},
        {"riding does not count in three weapons", 26,
         with(with(master, {kToxophily, 59}), {kHorsemanship, 100}), false},
        {"course 28", 28, general, true},
        {"course 28 short of formations", 28, with(general, {kProtect, 39}), false},
        {"chancellor needs luck 80",
         16,
         {{kIntention, 90}, {kCharm, 90}, {kPropriety, 90}, {kHistory, 90}},
         false},
        {"no next course", 0, general, false},
        {"withdrawal course", 15, general, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(course.ChangeCourse(graduate(13, c.levels), c.target), c.changes) << c.label;
}

TEST_F(Course, DecideChangeFollowsTheChainOnOneDrawInFive) {
    struct {
        const char* label;
        int course;
        int changes;
        std::vector<int> draws;
        std::optional<std::int32_t> target; // none: no change
    } cases[] = {
        {"final course, no draw", 22, 0, {}, std::nullopt},
        {"two changes made, no draw", 1, 2, {}, std::nullopt},
        {"one change made", 17, 1, {19, 0}, 16},
        {"draw 20 keeps the course", 1, 0, {20}, std::nullopt},
        {"tactician to politician", 1, 0, {0, 100}, 17},
        {"course 28 to general", 28, 0, {5, 50}, 18},
        {"traveller below 50 to merchant", 9, 0, {0, 49}, 8},
        {"traveller from 50 to squire", 9, 0, {0, 50}, 5},
        {"adventurer below 40 to merchant", 10, 0, {0, 39}, 8},
        {"adventurer 40 to soldier", 10, 0, {0, 40}, 4},
        {"adventurer 97 to soldier", 10, 0, {0, 97}, 4},
        {"adventurer from 98 to knight", 10, 0, {0, 98}, 2},
        {"merchant to great merchant", 8, 0, {0, 0}, 23},
        {"withdrawal course has no next", 15, 0, {0, 0}, 0},
    };
    for (const auto& c : cases) {
        script(c.draws);
        const int before = silent->drawCount();
        std::int32_t target = -7;
        const bool decided = course.DecideChange(graduate(c.course, {}, c.changes), target);
        EXPECT_EQ(decided, c.target.has_value()) << c.label;
        EXPECT_EQ(target, c.target.value_or(-7)) << c.label;
        EXPECT_EQ(silent->drawCount() - before, static_cast<int>(c.draws.size())) << c.label;
    }
}
