#include "students/roster/cls_mng_student.h"

#include "platform/sound/sound_names.h"
#include "school/system/cls_sponsor_condition.h"
#include "students/abilities.h"
#include "students/mng_student_support.h"

#include <gtest/gtest.h>

#include <optional>

using studentstest::drawFor;
using studentstest::loadLists;
using studentstest::percentDraws;
using studentstest::Reports;
using studentstest::rosterNames;
using studentstest::studentLine;
using studentstest::StudentShape;

namespace {

// A graduate's save record: every present ability 10 but Luck, every nature 20.
// The name is a plain text: with a std::string member, GCC 12 at -O3 reports
// the case tables' copies as maybe uninitialized (-Wmaybe-uninitialized).
struct GraduateShape {
    const char* name = "ガク";
    int age = 21;
    int course = 2;
    int changes = 0;
    int luck = 10;
};

std::string graduateRecord(const GraduateShape& g) {
    std::vector<std::string> present(ability::kCount, "10");
    present[ability::kLuck - 1] = std::to_string(g.luck);
    const std::vector<std::string> nature(ability::kCount, "20");
    return host::runtime::Join({g.name, std::to_string(g.age), "2", "騎士", std::to_string(g.course),
                                std::to_string(g.changes), host::runtime::Join(present, ":"),
                                host::runtime::Join(nature, ":"), "26"},
                               ";");
}

std::string section(const clsMngStudent& manager, std::size_t n) {
    return host::runtime::Split(manager.GetSaveData(), "/")[n];
}

class Graduation : public ::testing::Test {
  protected:
    // The monthly growth of one graduate without any rise: two draws per
    // ability, the first above every chance.
    static std::vector<int> noGrowth() {
        std::vector<int> draws;
        for (int k = 0; k < ability::kCount; ++k)
            draws.insert(draws.end(), {100, 0});
        return draws;
    }
    void script(const std::vector<int>& draws) { silent->scriptDraws(percentDraws(draws)); }
    std::vector<std::string> roster() const { return rosterNames(manager); }

    ScopedSilentServices silent;
    clsMngStudent manager;
    Reports reports{manager};
};

StudentShape pupil(std::string name, int schoolYear, int age, int course = 12) {
    StudentShape s;
    s.name = std::move(name);
    s.schoolYear = schoolYear;
    s.age = age;
    s.course = course;
    s.abilities = {{1, 1, 10}, {1, 2, 10}}; // meets the farmer's rule
    return s;
}

} // namespace

TEST_F(Graduation, StudentsGraduateInTheFinalYearOrFromTwenty) {
    loadLists(manager, {studentLine(pupil("アキ", 2, 20)), studentLine(pupil("ハル", 2, 19)),
                        studentLine(pupil("ナツ", 3, 15)), studentLine(pupil("フユ", 1, 12))});
    manager.Graduate(3, 27);
    EXPECT_EQ(roster(), (std::vector<std::string>{"ハル", "フユ"}));
    EXPECT_EQ(reports.texts, (std::vector<std::string>{"アキが卒業しました", "アキは農民に就職しました",
                                                       "ナツが卒業しました", "ナツは農民に就職しました"}));
    clsStudent* moved = nullptr;
    ASSERT_TRUE(manager.GetStudent("ハル", moved));
    EXPECT_EQ(moved->SchoolYear(), 3);
    EXPECT_EQ(moved->Age(), 20);
    EXPECT_TRUE(manager.CheckEnableGraduate());
    EXPECT_EQ(silent->drawCount(), 0);
}

TEST_F(Graduation, AnAdmittedStudentBecomesAGraduateWithItsAbilities) {
    StudentShape s = pupil("ガク", 3, 18, 1);
    s.origin = "貴族";
    s.character = 4;
    s.abilities = {{1, 1, 7}, {1, 8, 33}, {1, 17, 5}, {3, 1, 9}, {3, 8, 40}, {3, 17, 6}};
    loadLists(manager, {studentLine(s)});
    EXPECT_FALSE(manager.CheckEnableGraduate());
    manager.Graduate(3, 27);
    EXPECT_EQ(section(manager, 1), "ガク;18;4;貴族;1;0;7:0:0:0:0:0:0:33:0:0:0:0:0:0:0:0:5;"
                                   "9:0:0:0:0:0:0:40:0:0:0:0:0:0:0:0:6;27");
    EXPECT_EQ(reports.texts, (std::vector<std::string>{"ガクが卒業しました", "ガクは軍師に就職しました"}));
    EXPECT_TRUE(silent->played().empty());
    EXPECT_TRUE(roster().empty());
}

TEST_F(Graduation, AStudentTheCourseRefusesIsLost) {
    struct {
        const char* label;
        int course;
    } cases[] = {{"player without abilities", 6}, {"no course decided", 0}};
    for (const auto& c : cases) {
        ScopedSilentServices own;
        clsMngStudent school;
        Reports heard(school);
        loadLists(school, {studentLine(pupil("ガク", 3, 18, c.course))});
        school.Graduate(3, 27);
        EXPECT_EQ(heard.texts, (std::vector<std::string>{"ガクが卒業しました",
                                                         "ガクは就職に失敗して行方不明になりました"}))
            << c.label;
        EXPECT_EQ(own->played(), std::vector<std::string>{sound_name::kBoo}) << c.label;
        EXPECT_TRUE(school.GetALLStudentName().empty()) << c.label;
        EXPECT_FALSE(school.CheckEnableGraduate()) << c.label;
        EXPECT_TRUE(school.DoubleName("ガク")) << c.label;
    }
}

TEST_F(Graduation, AprilOnlyGrowsAndAgesGraduates) {
    loadLists(manager, {},
              {graduateRecord({.name = "アキ", .age = 70}),
               graduateRecord({.name = "ハル", .age = 59, .course = 10})});
    std::vector<int> draws = noGrowth();
    const std::vector<int> second = noGrowth();
    draws.insert(draws.end(), second.begin(), second.end());
    script(draws);
    manager.MonthlyGraduateCheck(true);
    EXPECT_TRUE(reports.texts.empty());
    EXPECT_EQ(section(manager, 1), graduateRecord({.name = "アキ", .age = 71}) + "\r\n" +
                                       graduateRecord({.name = "ハル", .age = 60, .course = 10}));
}

TEST_F(Graduation, GraduatesLoseContactByLuckAndAge) {
    struct {
        const char* label;
        GraduateShape graduate;
        int r1;
        std::optional<int> r2; // the Luck roll, drawn only when r1 is within the risk
        int r3;
        bool lost;
    } cases[] = {
        {"scholar, r1 2 takes no luck roll", {.course = 13}, 2, std::nullopt, 0, false},
        {"scholar, r1 1, luck 10 below 11", {.course = 13}, 1, 11, 0, true},
        {"scholar, r1 0, luck 10 reaches 10", {.course = 13}, 0, 10, 0, false},
        {"luck 100 lost on 101", {.course = 1, .luck = 100}, 3, 101, 100, true},
        {"luck 100 kept on 100", {.course = 1, .luck = 100}, 3, 100, 100, false},
        {"age 60 always", {.age = 60, .course = 13}, 100, std::nullopt, 100, true},
        {"age 50, r3 59", {.age = 50, .course = 13}, 100, std::nullopt, 59, true},
        {"age 59, r3 60", {.age = 59, .course = 13}, 100, std::nullopt, 60, false},
        {"age 40, r3 39", {.age = 40, .course = 13}, 100, std::nullopt, 39, true},
        {"age 49, r3 40", {.age = 49, .course = 13}, 100, std::nullopt, 40, false},
        {"age 30, r3 19", {.age = 30, .course = 13}, 100, std::nullopt, 19, true},
        {"age 39, r3 20", {.age = 39, .course = 13, .luck = 100}, 100, std::nullopt, 20, false},
        {"age 29, r3 0", {.age = 29, .course = 13}, 100, std::nullopt, 0, false},
    };
    for (const auto& c : cases) {
        ScopedSilentServices own;
        clsMngStudent school;
        Reports heard(school);
        loadLists(school, {}, {graduateRecord(c.graduate)});
        std::vector<float> draws;
        for (int d : noGrowth())
            draws.push_back(drawFor(0, 100, d));
        draws.push_back(drawFor(0, 100, c.r1));
        if (c.r2) draws.push_back(drawFor(0, 101, *c.r2));
        draws.push_back(drawFor(0, 100, c.r3));
        if (!c.lost) draws.push_back(drawFor(0, 100, 20)); // no career change
        own->scriptDraws(draws);
        school.MonthlyGraduateCheck(false);
        EXPECT_EQ(own->drawCount(), static_cast<int>(draws.size())) << c.label;
        EXPECT_EQ(school.CheckEnableGraduate(), !c.lost) << c.label;
        const std::string name = c.graduate.course == 13 ? "学者" : "軍師";
        EXPECT_EQ(heard.texts, c.lost ? std::vector<std::string>{name + "のガクと連絡が取れなくなりました"}
                                      : std::vector<std::string>{})
            << c.label;
    }
}

TEST_F(Graduation, CareerChangesAfterTheContactRoll) {
    struct {
        const char* label;
        GraduateShape graduate;
        std::vector<int> decision; // the change draw and the chain draw
        const char* report;        // nullptr: no change
        int course;
    } cases[] = {
        {"adventurer saves a noble's daughter",
         {.course = 10},
         {0, 98},
         "ガクは冒険中に貴族の娘を助け、騎士になったと連絡がありました",
         2},
        {"adventurer to soldier needs the rule", {.course = 10}, {0, 97}, nullptr, 10},
        {"traveller meets the merchant's rule",
         {.course = 9},
         {19, 49},
         "ガクは旅人から商人になったと連絡がありました",
         8},
        {"traveller misses the squire's rule", {.course = 9}, {19, 50}, nullptr, 9},
        {"no change on 20", {.course = 9}, {20}, nullptr, 9},
        {"a third change never happens", {.course = 10, .changes = 2}, {}, nullptr, 10},
    };
    for (const auto& c : cases) {
        ScopedSilentServices own;
        clsMngStudent school;
        Reports heard(school);
        loadLists(school, {}, {graduateRecord(c.graduate)});
        std::vector<float> draws;
        for (int d : noGrowth())
            draws.push_back(drawFor(0, 100, d));
        draws.push_back(drawFor(0, 100, 100)); // r1 above every risk
        draws.push_back(drawFor(0, 100, 100)); // r3
        for (int d : c.decision)
            draws.push_back(drawFor(0, 100, d));
        own->scriptDraws(draws);
        school.MonthlyGraduateCheck(false);
        EXPECT_EQ(own->drawCount(), static_cast<int>(draws.size())) << c.label;
        EXPECT_EQ(heard.texts, c.report ? std::vector<std::string>{c.report} : std::vector<std::string>{})
            << c.label;
        GraduateShape after = c.graduate;
        after.course = c.course;
        after.changes += c.report ? 1 : 0;
        EXPECT_EQ(section(school, 1), graduateRecord(after)) << c.label;
    }
}

TEST_F(Graduation, ALostGraduateLeavesTheOthersVisited) {
    loadLists(manager, {},
              {graduateRecord({.name = "アキ", .age = 60}),
               graduateRecord({.name = "ハル", .age = 21, .course = 10})});
    std::vector<int> draws = noGrowth();
    draws.insert(draws.end(), {100, 100});
    const std::vector<int> second = noGrowth();
    draws.insert(draws.end(), second.begin(), second.end());
    draws.insert(draws.end(), {100, 100, 0, 98});
    script(draws);
    manager.MonthlyGraduateCheck(false);
    EXPECT_EQ(reports.texts,
              (std::vector<std::string>{"騎士のアキと連絡が取れなくなりました",
                                        "ハルは冒険中に貴族の娘を助け、騎士になったと連絡がありました"}));
    EXPECT_EQ(section(manager, 1), graduateRecord({.name = "ハル", .course = 2, .changes = 1}));
}

TEST_F(Graduation, SponsorPointsByCourse) {
    // The career line as the snapshot numbers it (its base course) and the points.
    struct Weight {
        std::int16_t line;
        std::int16_t points;
    };
    const std::optional<Weight> weights[28] = {
        Weight{1, 6},  Weight{2, 5},   Weight{4, 2}, Weight{4, 1},  std::nullopt,  Weight{6, 1},
        Weight{7, 1},  Weight{8, 1},   Weight{9, 1}, Weight{10, 1}, Weight{11, 1}, std::nullopt,
        Weight{13, 1}, Weight{14, 1},  std::nullopt, Weight{1, 18}, Weight{1, 9},  Weight{2, 10},
        Weight{6, 4},  Weight{6, 10},  Weight{7, 4}, Weight{7, 10}, Weight{8, 3},  Weight{8, 7},
        Weight{11, 5}, Weight{11, 30}, std::nullopt, Weight{2, 7},
    };
    const std::int16_t lines[] = {1, 2, 4, 6, 7, 8, 9, 10, 11, 13, 14};
    for (int course = 1; course <= 28; ++course) {
        loadLists(manager, {}, {graduateRecord({.course = course})});
        clsSponsorCondition condition;
        manager.SetSponsorData(condition);
        const auto& w = weights[course - 1];
        for (std::int16_t line : lines)
            EXPECT_EQ(condition.GetOccupationNumber(line), w && w->line == line ? w->points : 0)
                << "course " << course << " line " << line;
    }
}

TEST_F(Graduation, SponsorPointsAddToTheSnapshotAndHoldAtTheRange) {
    clsSponsorCondition condition;
    condition.Engineer(5);
    condition.Hunter(32767);
    manager.SetSponsorData(condition);
    EXPECT_EQ(condition.Engineer(), 5);

    loadLists(manager, {},
              {graduateRecord({.name = "アキ", .course = 26}), graduateRecord({.name = "ハル", .course = 26}),
               graduateRecord({.name = "ナツ", .course = 14})});
    manager.SetSponsorData(condition);
    EXPECT_EQ(condition.Engineer(), 65);
    EXPECT_EQ(condition.Hunter(), 32767);
    condition.Engineer(32760);
    manager.SetSponsorData(condition);
    EXPECT_EQ(condition.Engineer(), 32767);
}
