#include "students/roster/cls_mng_student.h"

#include "host/runtime/runtime_error.h"
#include "platform/sound/sound_names.h"
#include "students/mng_student_support.h"

#include <gtest/gtest.h>

#include <optional>

using studentstest::drawFor;
using studentstest::loadLists;
using studentstest::percentDraws;
using studentstest::Reports;
using studentstest::rosterNames;
using studentstest::studentLine;
using studentstest::studentOf;
using studentstest::StudentShape;

namespace {

StudentShape shaped(std::string name, std::string origin, int course = 12) {
    StudentShape s;
    s.name = std::move(name);
    s.origin = std::move(origin);
    s.course = course;
    s.schoolYear = 3;
    return s;
}

StudentShape dissatisfied(std::string name, int dissatisfaction) {
    StudentShape s;
    s.name = std::move(name);
    s.dissatisfaction = dissatisfaction;
    return s;
}

class Careers : public ::testing::Test {
  protected:
    void script(const std::vector<int>& draws) { silent->scriptDraws(percentDraws(draws)); }
    std::vector<std::string> roster() const { return rosterNames(manager); }

    ScopedSilentServices silent;
    clsMngStudent manager;
    Reports reports{manager};
};

} // namespace

TEST_F(Careers, GuidanceRowsCarryZeroAndTheGuidanceName) {
    const auto& rows = manager.GetCourse();
    ASSERT_EQ(rows.count(), 14);
    const char* names[] = {"軍師", "騎士", "兵士長", "兵士",   "見習い剣士", "遊び人", "忍者",
                           "商人", "旅人", "冒険者", "技術者", "農民",       "学者",   "猟師"};
    for (long i = 1; i <= 14; ++i) {
        EXPECT_EQ(rows.item(i).Cols(), 1);
        EXPECT_EQ(rows.item(i).Data(0), "0");
        EXPECT_EQ(rows.item(i).Data(1), names[i - 1]);
    }
    EXPECT_EQ(&manager.GetCourse(), &rows);
}

TEST_F(Careers, CheckCourseOnlyOnceAndOnlyInTheFinalYearOrFromTwenty) {
    struct {
        const char* label;
        bool guided;
        int schoolYear, age;
        bool open;
    } cases[] = {
        {"final year", false, 3, 15, true},
        {"second year aged 20", false, 2, 20, true},
        {"second year aged 19", false, 2, 19, false},
        {"already guided", true, 3, 20, false},
    };
    for (const auto& c : cases) {
        StudentShape s = shaped("ガク", "農民");
        s.guided = c.guided;
        s.schoolYear = c.schoolYear;
        s.age = c.age;
        loadLists(manager, {studentLine(s)});
        EXPECT_EQ(manager.CheckCourse("ガク", 3), c.open) << c.label;
    }
    EXPECT_FALSE(manager.CheckCourse("", 3));
    EXPECT_THROW(manager.CheckCourse("ナナシ", 3), host::runtime::RuntimeError);
}

TEST_F(Careers, GuidanceSucceedsBelowTheChanceOfOriginAndTargetGroup) {
    const char* origins[] = {"騎士", "兵士", "農民"};
    const struct {
        const char* name;
        std::int32_t course;
    } targets[] = {{"兵士長", 3}, {"学者", 13}, {"冒険者", 10}};
    const int chance[3][3] = {{75, 50, 20}, {45, 80, 40}, {35, 50, 80}};
    for (int o = 0; o < 3; ++o) {
        for (int t = 0; t < 3; ++t) {
            for (const bool success : {true, false}) {
                const int draw = chance[o][t] - (success ? 1 : 0);
                const std::string label =
                    std::string(origins[o]) + " to " + targets[t].name + " on " + std::to_string(draw);
                loadLists(manager, {studentLine(shaped("ガク", origins[o]))});
                script({draw});
                manager.SetCourse("ガク", targets[t].name);
                const clsStudent& student = studentOf(manager, "ガク");
                EXPECT_EQ(student.Course(), success ? targets[t].course : 12) << label;
                EXPECT_TRUE(student.CourseFLG()) << label;
            }
        }
    }
    EXPECT_EQ(silent->drawCount(), 18);
}

TEST_F(Careers, GuidanceReportsWaitsAndSounds) {
    struct {
        const char* label;
        const char* origin;
        const char* target;
        std::optional<int> draw; // none: decided without a draw
        bool success;
        std::int32_t course; // afterwards; 12 before
    } cases[] = {
        {"own origin, no draw", "騎士", "騎士", std::nullopt, true, 2},
        {"knight to farmer on 19", "騎士", "農民", 19, true, 12},
        {"knight to farmer on 20", "騎士", "農民", 20, false, 12},
        {"squire by its guidance name", "兵士", "見習い剣士", 79, true, 5},
        {"origin in no group", "海賊", "騎士", std::nullopt, false, 12},
        {"target in no group", "騎士", "宰相", std::nullopt, false, 12},
    };
    for (const auto& c : cases) {
        ScopedSilentServices own;
        clsMngStudent school;
        Reports heard(school);
        loadLists(school, {studentLine(shaped("ガク", c.origin))});
        own->scriptDraws(c.draw ? std::vector<float>{drawFor(0, 100, *c.draw)} : std::vector<float>{});
        school.SetCourse("ガク", c.target);

        const std::string first = std::string("ガクに") + c.target + "を勧めています";
        const std::string last =
            c.success ? std::string("進路指導に成功し、ガクは") + c.target + "に進路を変更しました"
                      : "進路指導に失敗しました";
        EXPECT_EQ(heard.texts, (std::vector<std::string>{first, "…", "……", "………", last})) << c.label;
        EXPECT_EQ(own->waits(), (std::vector<double>{500, 500, 500, 500})) << c.label;
        EXPECT_EQ(own->played(), std::vector<std::string>{c.success ? sound_name::kChime : sound_name::kBoo})
            << c.label;
        EXPECT_EQ(own->drawCount(), c.draw ? 1 : 0) << c.label;
        const clsStudent& student = studentOf(school, "ガク");
        EXPECT_EQ(student.Course(), c.course) << c.label;
        EXPECT_TRUE(student.CourseFLG()) << c.label;
    }
}

TEST_F(Careers, GuidanceStopsQuietlyWhenTheStudentLeavesDuringAPause) {
    StudentShape s = shaped("ガク", "騎士");
    s.dissatisfaction = 95;
    loadLists(manager, {studentLine(s)});
    manager.Report.subscribe([this](std::string& text) {
        if (text == "…") manager.Withdrawal();
    });
    script({100});
    manager.SetCourse("ガク", "農民");
    EXPECT_EQ(reports.texts,
              (std::vector<std::string>{"ガクに農民を勧めています", "…", "ガクが退学しました"}));
    EXPECT_EQ(silent->waits().size(), 2u);
    EXPECT_TRUE(silent->played().empty());
    EXPECT_TRUE(roster().empty());
}

TEST_F(Careers, SetCourseWithoutANameDoesNothingAndAnUnknownNameFails) {
    manager.SetCourse("", "騎士");
    EXPECT_TRUE(reports.texts.empty());
    EXPECT_TRUE(silent->waits().empty());
    EXPECT_THROW(manager.SetCourse("ナナシ", "騎士"), host::runtime::RuntimeError);
}

TEST_F(Careers, WithdrawalWarnsAndRemovesByDissatisfaction) {
    struct {
        int dissatisfaction;
        std::optional<int> draw;
        const char* report; // nullptr: nothing reported
        bool leaves;
    } cases[] = {
        {50, std::nullopt, nullptr, false},
        {51, std::nullopt, "ガクの不満が高まっています", false},
        {74, std::nullopt, "ガクの不満が高まっています", false},
        {75, 90, "ガクの不満が高まっています", false},
        {75, 91, "ガクが退学しました", true},
        {89, 100, "ガクが退学しました", true},
        {90, 75, "ガクの不満が高まっています", false},
        {90, 76, "ガクが退学しました", true},
        {95, 100, "ガクが退学しました", true},
    };
    for (const auto& c : cases) {
        const std::string label =
            std::to_string(c.dissatisfaction) + " draw " + std::to_string(c.draw.value_or(-1));
        loadLists(manager, {studentLine(dissatisfied("ガク", c.dissatisfaction))});
        reports.texts.clear();
        script(c.draw ? std::vector<int>{*c.draw} : std::vector<int>{});
        const int before = silent->drawCount();
        manager.Withdrawal();
        EXPECT_EQ(silent->drawCount() - before, c.draw ? 1 : 0) << label;
        EXPECT_EQ(reports.texts, c.report ? std::vector<std::string>{c.report} : std::vector<std::string>{})
            << label;
        EXPECT_EQ(roster().empty(), c.leaves) << label;
    }
}

TEST_F(Careers, WithdrawalVisitsEveryRemainingStudentOnce) {
    loadLists(manager, {studentLine(dissatisfied("アキ", 95)), studentLine(dissatisfied("ハル", 60)),
                        studentLine(dissatisfied("ナツ", 80)), studentLine(dissatisfied("フユ", 95))});
    script({100, 91, 0});
    manager.Withdrawal();
    EXPECT_EQ(reports.texts, (std::vector<std::string>{"アキが退学しました", "ハルの不満が高まっています",
                                                       "ナツが退学しました", "フユの不満が高まっています"}));
    EXPECT_EQ(roster(), (std::vector<std::string>{"ハル", "フユ"}));
    EXPECT_EQ(silent->drawCount(), 3);
}
