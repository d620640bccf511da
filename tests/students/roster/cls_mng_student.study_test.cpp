#include "students/roster/cls_mng_student.h"

#include "host/runtime/rounding.h"
#include "host/runtime/runtime_error.h"
#include "platform/sound/sound_names.h"
#include "students/abilities.h"
#include "students/mng_student_support.h"
#include "students/study_support.h"
#include "students/traits.h"

#include <gtest/gtest.h>

using studentstest::drawFor;
using studentstest::FakeFacade;
using studentstest::lessonRow;
using studentstest::loadLists;
using studentstest::Reports;
using studentstest::studentLine;
using studentstest::studentOf;
using studentstest::StudentShape;
using studentstest::teacherRow;

namespace {

// Student character 1 against teacher character c and policy p: c + p for
// whole-class lessons, c + 6 for individual ones.
constexpr const char* kTables = "思考,1,2,3,4;思考,6,6,6,6,6,6;思考,1,2,3,4,5,6";
constexpr std::int32_t itemEffect(int method, int value) {
    return method * 65536 + value;
}

struct Draw {
    int lo, hi, value;
};

std::string growthRow(const std::string& type, int age, const std::vector<int>& fromApril) {
    std::string row = type + "," + std::to_string(age);
    for (int value : fromApril)
        row.append(",").append(std::to_string(value));
    return row;
}

// A manager answered by a fake facade, with growth value 10 for 普通1 at 15.
struct School {
    School() : facade(manager) {
        facade.tables.SetData(kTables);
        manager.SetGrowth(growthRow("普通1", 15, std::vector<int>(12, 10)));
    }

    // One student with the lesson booked in its own slot for Monday, period 1.
    clsStudent& enrol(const StudentShape& shape, const std::string& item = "") {
        loadLists(manager, {studentLine(shape)});
        clsStudent& student = studentOf(manager, shape.name);
        auto slot = student.GetClassSchedule(1, 1);
        slot->ClassName("剣術");
        slot->ClassTeacher("シオドア");
        slot->UseItem(item);
        slot->ClassType(clsClassSchedule::WholeClass);
        return student;
    }

    clsMngStudent manager;
    FakeFacade facade;
};

class Lesson : public ::testing::Test {
  protected:
    void script(const std::vector<Draw>& draws) {
        std::vector<float> values;
        for (const auto& d : draws)
            values.push_back(drawFor(d.lo, d.hi, d.value));
        silent->scriptDraws(values);
    }

    ScopedSilentServices silent;
};

// The experience a lesson of P points leaves in the present block at growth value 10.
std::int16_t presentGain(int points) {
    return static_cast<std::int16_t>(host::runtime::Fix(points / 100.0 * 100));
}

} // namespace

TEST_F(Lesson, TheFormulaEndToEnd) {
    const int kCondition = 0; // condition 2 draws 0..10 per ability; 0 adds nothing
    struct Case {
        const char* name;
        int need = 10, risk = 0, big = ability::bitOf(ability::kFencing),
            small = ability::bitOf(ability::kQuickness);
        int teacherChara = 1, teacherPolicy = 4, teacherLevel = 10, teacherSkills = 0;
        int studentLevel = 10, physical = 100, injury = 0, studentSkills = 0;
        ClassItemStock item{0, 0, 0};
        bool nurse = false;
        std::vector<Draw> draws;
        int points; // -1: the student learns nothing
        int dissatisfaction, wantInjury, wantPhysical, uses;
    } cases[] = {
        {.name = "neutral",
         .draws = {{0, 100, 50}, {0, 10, kCondition}, {0, 10, kCondition}},
         .points = 100,
         .dissatisfaction = 20,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 0},
        {.name = "compatibility 7",
         .teacherChara = 3,
         .draws = {{0, 100, 50}, {0, 10, 0}, {0, 10, 0}},
         .points = 120,
         .dissatisfaction = 20,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 0},
        {.name = "compatibility 2",
         .teacherPolicy = 1,
         .draws = {{5, 10, 7}, {0, 100, 50}, {0, 10, 0}, {0, 10, 0}},
         .points = 70,
         .dissatisfaction = 27,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 0},
        {.name = "compatibility 9",
         .teacherChara = 4,
         .teacherPolicy = 5,
         .draws = {{3, 6, 4}, {0, 100, 50}, {0, 10, 0}, {0, 10, 0}},
         .points = 140,
         .dissatisfaction = 16,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 0},
        {.name = "matching skill: policy + 7",
         .teacherSkills = 1,
         .draws = {{5, 10, 5}, {0, 100, 50}, {0, 10, 0}, {0, 10, 0}},
         .points = 160,
         .dissatisfaction = 15,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 0},
        {.name = "teacher 80 above adds 50 %",
         .teacherLevel = 90,
         .draws = {{0, 100, 50}, {0, 10, 0}, {0, 10, 0}},
         .points = 150,
         .dissatisfaction = 20,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 0},
        {.name = "student 40 above adds 25 %",
         .studentLevel = 50,
         .draws = {{0, 100, 50}, {0, 10, 0}, {0, 10, 0}},
         .points = 125,
         .dissatisfaction = 20,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 0},
        {.name = "teacher 5 below",
         .risk = 10,
         .teacherLevel = 5,
         .draws = {{2, 6, 3}, {0, 100, 15}, {0, 10, 0}, {0, 10, 0}},
         .points = 95,
         .dissatisfaction = 23,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 0},
        {.name = "teacher 5 below raises the risk to 15",
         .risk = 10,
         .teacherLevel = 5,
         .draws = {{2, 6, 3}, {0, 100, 14}, {15, 30, 20}, {10, 20, 10}},
         .points = -1,
         .dissatisfaction = 23,
         .wantInjury = 10,
         .wantPhysical = 100,
         .uses = 0},
        {.name = "student 13 below: -98 %",
         .need = 23,
         .risk = 10,
         .teacherLevel = 23,
         .draws = {{5, 9, 6}, {0, 100, 36}, {0, 10, 0}, {0, 10, 0}},
         .points = 2,
         .dissatisfaction = 26,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 0},
        {.name = "formation lesson",
         .risk = 10,
         .big = ability::bitOf(ability::kAggressive),
         .small = 0,
         .teacherLevel = 12,
         .studentLevel = 9,
         .draws = {{5, 9, 5}, {0, 100, 18}, {0, 10, 0}},
         .points = 74,
         .dissatisfaction = 25,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 0},
        {.name = "item 130 %",
         .item = {itemEffect(1, 130), 0, 1},
         .draws = {{0, 100, 50}, {0, 10, 0}, {0, 10, 0}},
         .points = 130,
         .dissatisfaction = 20,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 1},
        {.name = "item +15 points",
         .item = {itemEffect(2, 15), 0, 1},
         .draws = {{0, 100, 50}, {0, 10, 0}, {0, 10, 0}},
         .points = 115,
         .dissatisfaction = 20,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 1},
        {.name = "item not held",
         .item = {itemEffect(1, 130), 0, 0},
         .draws = {{0, 100, 50}, {0, 10, 0}, {0, 10, 0}},
         .points = 100,
         .dissatisfaction = 20,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 0},
        {.name = "item risk injures and the item still wears",
         .item = {itemEffect(1, 130), 50, 1},
         // The risk draw comes first: the other order would give 60 - 16.
         .draws = {{0, 100, 10}, {50, 100, 80}, {10, 20, 12}},
         .points = -1,
         .dissatisfaction = 20,
         .wantInjury = 68,
         .wantPhysical = 100,
         .uses = 1},
        {.name = "a roll of 0 or less is one day",
         .risk = 5,
         .draws = {{0, 100, 0}, {5, 10, 5}, {10, 20, 20}},
         .points = -1,
         .dissatisfaction = 20,
         .wantInjury = 1,
         .wantPhysical = 100,
         .uses = 0},
        {.name = "nurse office: 5 becomes 1",
         .risk = 10,
         .nurse = true,
         .draws = {{0, 100, 0}, {10, 20, 15}, {10, 20, 10}},
         .points = -1,
         .dissatisfaction = 20,
         .wantInjury = 1,
         .wantPhysical = 100,
         .uses = 0},
        {.name = "nurse office: 2 becomes a lesson",
         .risk = 10,
         .nurse = true,
         .draws = {{0, 100, 0}, {10, 20, 12}, {10, 20, 10}, {0, 10, 0}, {0, 10, 0}},
         .points = 100,
         .dissatisfaction = 20,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 0},
        {.name = "nurse office: 0 or less is a lesson",
         .risk = 10,
         .nurse = true,
         .draws = {{0, 100, 0}, {10, 20, 10}, {10, 20, 20}, {0, 10, 0}, {0, 10, 0}},
         .points = 100,
         .dissatisfaction = 20,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 0},
        {.name = "頑丈 halves the risk",
         .risk = 50,
         .studentSkills = trait::bitOf(trait::kSturdy),
         .draws = {{0, 100, 25}, {0, 10, 0}, {0, 10, 0}},
         .points = 100,
         .dissatisfaction = 20,
         .wantInjury = 0,
         .wantPhysical = 90,
         .uses = 0},
        {.name = "頑丈 below the halved risk",
         .risk = 50,
         .studentSkills = trait::bitOf(trait::kSturdy),
         .draws = {{0, 100, 24}, {25, 50, 30}, {10, 20, 10}},
         .points = -1,
         .dissatisfaction = 20,
         .wantInjury = 20,
         .wantPhysical = 100,
         .uses = 0},
        {.name = "risk above 100 always rolls",
         .risk = 101,
         .draws = {{0, 100, 100}, {101, 202, 101}, {10, 20, 20}},
         .points = -1,
         .dissatisfaction = 20,
         .wantInjury = 81,
         .wantPhysical = 100,
         .uses = 0},
        {.name = "an injured student is skipped, item and all",
         .injury = 3,
         .item = {itemEffect(1, 130), 0, 1},
         .draws = {},
         .points = -1,
         .dissatisfaction = 20,
         .wantInjury = 3,
         .wantPhysical = 100,
         .uses = 0},
        {.name = "too tired for the lesson",
         .physical = 9,
         .draws = {},
         .points = -1,
         .dissatisfaction = 20,
         .wantInjury = 0,
         .wantPhysical = 9,
         .uses = 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        School school;
        school.facade.lessons.SetData(lessonRow("剣術", 10, 100, c.need, c.risk, c.big, c.small));
        school.facade.addTeacher(
            teacherRow("シオドア", c.teacherChara, c.teacherPolicy, c.teacherLevel, c.teacherSkills));
        school.facade.items = {{"木刀", c.item}};
        school.facade.nurseOffice = c.nurse;

        StudentShape shape;
        shape.physical = c.physical;
        shape.injury = c.injury;
        shape.dissatisfaction = 20;
        shape.skills = c.studentSkills;
        shape.abilities = {{1, 1, 20},
                           {3, 1, 20},
                           {1, ability::kFencing, static_cast<std::int16_t>(c.studentLevel)},
                           {3, ability::kFencing, 60},
                           {1, ability::kAggressive, static_cast<std::int16_t>(c.studentLevel)},
                           {3, ability::kAggressive, 25},
                           {3, ability::kQuickness, 30},
                           {3, ability::kToughness, 20}};
        clsStudent& student = school.enrol(shape, "木刀");
        std::vector<std::string> uses;
        school.manager.UseClassItem.subscribe([&](std::string& item) { uses.push_back(item); });
        Reports reports(school.manager);
        std::vector<std::string> sounds_before = silent->played();
        script(c.draws);
        const int drawsBefore = silent->drawCount();

        school.manager.Study(1, 1);

        EXPECT_EQ(silent->drawCount() - drawsBefore, static_cast<int>(c.draws.size()));
        const int main =
            c.big == ability::bitOf(ability::kAggressive) ? ability::kAggressive : ability::kFencing;
        EXPECT_EQ(student.GetStudentData(2, main), c.points < 0 ? 0 : presentGain(c.points));
        EXPECT_EQ(student.GetStudentData(2, ability::kQuickness),
                  c.points < 0 || c.small == 0 ? 0 : presentGain(c.points / 3));
        EXPECT_EQ(student.Dissatisfaction(), c.dissatisfaction);
        EXPECT_EQ(student.Injury(), c.wantInjury);
        EXPECT_EQ(student.Physical(), c.wantPhysical);
        EXPECT_EQ(uses, std::vector<std::string>(static_cast<std::size_t>(c.uses), "木刀"));
        std::vector<std::string> wantReports = {"1時間目はウォーキングです"};
        const bool injured = c.wantInjury > c.injury;
        if (injured) wantReports.push_back("ガクが" + std::to_string(c.wantInjury) + "日間の怪我をしました");
        EXPECT_EQ(reports.texts, wantReports);
        EXPECT_EQ(silent->played().size() - sounds_before.size(), injured ? 1u : 0u);
        if (injured) {
            EXPECT_EQ(silent->played().back(), sound_name::kBoo);
        }
    }
}

TEST_F(Lesson, GrowthValueSplitsThePointsBetweenNatureAndPresent) {
    // 100 points at condition 2 with a condition draw of 0; the growth value
    // comes from the first row of the student's type and age, for the month.
    const std::vector<int> juneOnly = {0, 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    struct {
        std::vector<std::string> rows;
        std::int16_t month;
        std::int16_t nature, present;
    } cases[] = {
        {{growthRow("普通2", 15, std::vector<int>(12, 0))}, 6, 110, 0},
        {{growthRow("普通2", 15, std::vector<int>(12, 5))}, 6, 60, 50},
        {{growthRow("普通2", 15, juneOnly)}, 6, 0, 110},
        {{growthRow("普通2", 15, juneOnly)}, 7, 110, 0},
        {{growthRow("普通2", 16, std::vector<int>(12, 5))}, 6, 110, 0}, // no row for the age: 0
        {{growthRow("普通2", 15, std::vector<int>(12, 5)), growthRow("普通2", 15, juneOnly)}, 6, 60, 50},
    };
    for (const auto& c : cases) {
        School school;
        for (const auto& row : c.rows)
            school.manager.SetGrowth(row);
        school.facade.lessons.SetData(
            lessonRow("剣術", 10, 100, 10, 0, ability::bitOf(ability::kFencing), 0));
        school.facade.addTeacher(teacherRow("シオドア", 1, 4, 10, 0));
        school.facade.month = c.month;
        StudentShape shape;
        shape.growth = "普通2";
        shape.abilities = {{1, 1, 20}, {3, 1, 20}, {1, ability::kFencing, 10}, {3, ability::kFencing, 20}};
        clsStudent& student = school.enrol(shape);
        script({{0, 100, 50}, {0, 10, 0}});
        school.manager.Study(1, 1);
        EXPECT_EQ(student.GetStudentData(4, ability::kFencing), c.nature) << c.rows.size() << " " << c.month;
        EXPECT_EQ(student.GetStudentData(2, ability::kFencing), c.present) << c.rows.size() << " " << c.month;
    }
}

TEST_F(Lesson, StudyAnnouncesThePeriodAndAsksForEveryStudentsOwnSlot) {
    School school;
    StudentShape yuki, aki;
    yuki.name = "ユキ";
    yuki.character = 3;
    aki.name = "アキ";
    aki.character = 2;
    loadLists(school.manager, {studentLine(yuki), studentLine(aki)});
    auto sections = host::runtime::Split(school.manager.GetSaveData(), "/");
    auto slots = host::runtime::Split(sections[3], "\r\n");
    slots[1] = "1;2;;;;2;";
    slots[2] = "1;3;;;;3;";
    sections[3] = host::runtime::Join(slots, "\r\n");
    school.manager.SetSaveData(host::runtime::Join(sections, "/"));
    studentOf(school.manager, "ユキ").GetClassSchedule(1, 2)->ClassName("弓術");
    studentOf(school.manager, "アキ").GetClassSchedule(1, 2)->ClassName("馬術");

    std::vector<std::string> images;
    school.manager.ClassImage.subscribe([&](std::string& image) { images.push_back(image); });
    Reports reports(school.manager);
    struct {
        std::int16_t period;
        std::vector<std::string> images, reports, asked;
    } cases[] = {
        {1, {"ウォーキング"}, {"1時間目はウォーキングです"}, {"/3", "/2"}},
        {2, {"個別授業"}, {"2時間目は個別授業です"}, {"弓術/3", "馬術/2"}},
        {3, {}, {}, {}}, // no lesson: nothing at all
    };
    for (const auto& c : cases) {
        images.clear();
        reports.texts.clear();
        school.facade.asked.clear();
        school.manager.Study(1, c.period);
        EXPECT_EQ(images, c.images) << c.period;
        EXPECT_EQ(reports.texts, c.reports) << c.period;
        EXPECT_EQ(school.facade.asked, c.asked) << c.period;
    }
}

TEST_F(Lesson, IndividualLessonsUseTheIndividualPolicyTable) {
    School school;
    school.facade.lessons.SetData(lessonRow("剣術", 10, 100, 10, 0, ability::bitOf(ability::kFencing), 0));
    school.facade.addTeacher(teacherRow("シオドア", 1, 1, 10, 0)); // 1 + 6 individually, 1 + 1 otherwise
    StudentShape shape;
    shape.abilities = {{1, 1, 20}, {3, 1, 20}, {1, ability::kFencing, 10}, {3, ability::kFencing, 60}};
    clsStudent& student = school.enrol(shape);
    student.GetClassSchedule(1, 1)->ClassType(clsClassSchedule::Individual);
    script({{0, 100, 50}, {0, 10, 0}});
    school.manager.Study(1, 1);
    EXPECT_EQ(student.GetStudentData(2, ability::kFencing), presentGain(120));
}

TEST_F(Lesson, StudyWithoutAProviderFails) {
    clsMngStudent manager;
    try {
        manager.Study(1, 1);
        ADD_FAILURE();
    } catch (const host::runtime::RuntimeError& e) {
        EXPECT_EQ(e.number(), host::runtime::ErrorNumber::ObjectNotSet);
    }
}

TEST_F(Lesson, GroupRecoveryReachesEveryStudent) {
    School school;
    StudentShape a, b;
    a.name = "アキ";
    a.physical = 50;
    a.dissatisfaction = 30;
    b.name = "ハル";
    b.physical = 95;
    b.dissatisfaction = 3;
    loadLists(school.manager, {studentLine(a), studentLine(b)});
    school.manager.PhysicalRecover(1, 10);
    school.manager.CalcDissatisfaction(clsStudent::CalcSubtract, 5);
    EXPECT_EQ(studentOf(school.manager, "アキ").Physical(), 60);
    EXPECT_EQ(studentOf(school.manager, "ハル").Physical(), 100); // at most MaxPhysical
    EXPECT_EQ(studentOf(school.manager, "アキ").Dissatisfaction(), 25);
    EXPECT_EQ(studentOf(school.manager, "ハル").Dissatisfaction(), 0);
}

TEST_F(Lesson, DirectEffectTrainsTheFitAndRelaysOnlyTheCurrentStudent) {
    School school;
    StudentShape fit, hurt, tired;
    fit.name = "アキ";
    fit.abilities = {{1, 1, 20}, {3, 1, 20}, {1, ability::kFencing, 10}, {3, ability::kFencing, 60}};
    hurt.name = "ハル";
    hurt.injury = 2;
    tired.name = "ナツ";
    tired.physical = 4;
    loadLists(school.manager, {studentLine(fit), studentLine(hurt), studentLine(tired)});
    Reports reports(school.manager);
    script({{0, 10, 0}});

    school.manager.DirectEffect(5, ability::bitOf(ability::kFencing), 300, 6);

    clsStudent& aki = studentOf(school.manager, "アキ");
    EXPECT_EQ(aki.GetAbility(ability::kFencing), 11);
    EXPECT_EQ(aki.Physical(), 95);
    EXPECT_EQ(studentOf(school.manager, "ハル").Physical(), 100);
    EXPECT_EQ(studentOf(school.manager, "ナツ").Physical(), 4);
    ASSERT_EQ(reports.texts.size(), 1u);
    EXPECT_EQ(reports.texts[0].rfind("アキの", 0), 0u) << reports.texts[0];

    // ナツ was made current last: アキ's messages no longer come through.
    std::string message = "test";
    aki.Report.raise(message);
    studentOf(school.manager, "ナツ").Report.raise(message);
    EXPECT_EQ(reports.texts.size(), 2u);
    EXPECT_EQ(reports.texts.back(), "test");
}
