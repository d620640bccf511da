#include "students/roster/cls_mng_student.h"

#include "host/runtime/runtime_error.h"
#include "students/mng_student_support.h"

#include <gtest/gtest.h>

using studentstest::graduateLine;
using studentstest::loadLists;
using studentstest::Reports;
using studentstest::studentLine;
using studentstest::studentOf;
using studentstest::StudentShape;

namespace {

StudentShape named(std::string name, int injury = 0) {
    StudentShape s;
    s.name = std::move(name);
    s.injury = injury;
    return s;
}

clsCreateStudentData batch(const std::string& name) {
    clsCreateStudentData data;
    data.Scout(clsScoutData{});
    data.StudentName(name);
    return data;
}

class Roster : public ::testing::Test {
  protected:
    ScopedSilentServices silent;
    clsMngStudent manager;
};

} // namespace

TEST_F(Roster, DoubleNameAcceptsOnlyNamesNobodyBears) {
    loadLists(manager, {studentLine(named("アキ"))}, {graduateLine("ハル", 1)});
    manager.CreateStudent(batch("ナツ"));
    struct {
        const char* name;
        bool free;
    } cases[] = {{"アキ", false}, {"ハル", false}, {"ナツ", false}, {"フユ", true}, {"", true}};
    for (const auto& c : cases)
        EXPECT_EQ(manager.DoubleName(c.name), c.free) << c.name;
}

TEST_F(Roster, GetStudentAnswersOnlyForStudentsOnTheRoster) {
    loadLists(manager, {studentLine(named("アキ"))});
    manager.CreateStudent(batch("ナツ"));
    clsStudent* const untouched = reinterpret_cast<clsStudent*>(0x10);
    for (const char* name : {"ナツ", "フユ", ""}) {
        clsStudent* out = untouched;
        EXPECT_FALSE(manager.GetStudent(name, out)) << name;
        EXPECT_EQ(out, untouched) << name;
    }
    clsStudent* out = nullptr;
    ASSERT_TRUE(manager.GetStudent("アキ", out));
    EXPECT_EQ(out->Name(), "アキ");
}

TEST_F(Roster, CheckStudentCount) {
    struct {
        std::vector<std::string> students;
        bool withoutInjury, want;
    } cases[] = {
        {{}, true, false},
        {{}, false, false},
        {{studentLine(named("アキ", 3))}, true, true},
        {{studentLine(named("アキ", 3))}, false, false},
        {{studentLine(named("アキ", 3)), studentLine(named("ハル"))}, false, true},
    };
    for (const auto& c : cases) {
        loadLists(manager, c.students);
        EXPECT_EQ(manager.CheckStudentCount(c.withoutInjury), c.want) << c.students.size() << c.withoutInjury;
    }
}

TEST_F(Roster, RankUpConditionWeighsGraduatesByCourse) {
    struct {
        std::vector<int> courses;
        std::int16_t want;
    } cases[] = {
        {{}, 0},
        {{1, 16, 5}, 25},
        {{1, 2, 3, 4, 16, 17, 18, 28}, 5 + 4 + 2 + 1 + 20 + 10 + 12 + 8},
        {{5, 6, 15, 19, 27, 0}, 0},
    };
    for (const auto& c : cases) {
        std::vector<std::string> graduates;
        for (int course : c.courses)
            graduates.push_back(graduateLine("卒業生" + std::to_string(graduates.size()), course));
        loadLists(manager, {}, graduates);
        EXPECT_EQ(manager.RankUpCondition(), c.want) << c.courses.size();
    }
}

TEST_F(Roster, ANewcomerTakesTheSchoolsWholeClassLessons) {
    // Monday 2 individual, Tuesday 1 with a class item, Friday 8 no lesson.
    auto sections = host::runtime::Split(manager.GetSaveData(), "/");
    auto slots = host::runtime::Split(sections[3], "\r\n");
    slots[1] = "1;2;;;;2;";
    slots[8] = "2;1;素振り;マリオン;木刀;1;";
    slots[39] = "5;8;;;;3;";
    sections[3] = host::runtime::Join(slots, "\r\n");
    manager.SetSaveData(host::runtime::Join(sections, "/"));

    manager.CreateStudent(batch("ナツ"));
    manager.SetNewStudent("ナツ");
    clsStudent& student = studentOf(manager, "ナツ");
    struct {
        std::int16_t day, period;
        const char *lesson, *teacher, *item;
    } cases[] = {
        {1, 1, "ウォーキング", "マリオン", ""}, {1, 2, "", "", ""}, {1, 4, "素振り", "マリオン", ""},
        {2, 1, "素振り", "マリオン", "木刀"},   {5, 7, "", "", ""}, {5, 8, "", "", ""},
    };
    for (const auto& c : cases) {
        const auto slot = student.GetClassSchedule(c.day, c.period);
        EXPECT_EQ(slot->ClassName(), c.lesson) << c.day << "/" << c.period;
        EXPECT_EQ(slot->ClassTeacher(), c.teacher) << c.day << "/" << c.period;
        EXPECT_EQ(slot->UseItem(), c.item) << c.day << "/" << c.period;
        EXPECT_EQ(slot->ClassType(), 0) << c.day << "/" << c.period; // a new record's
    }
    // Copies, not the school's records.
    student.GetClassSchedule(1, 1)->ClassName("走りこみ");
    EXPECT_EQ(host::runtime::Split(host::runtime::Split(manager.GetSaveData(), "/")[3], "\r\n")[0],
              "1;1;ウォーキング;マリオン;;1;");
}

TEST_F(Roster, AdmissionMovesTheNewcomerToTheRoster) {
    manager.CreateStudent(batch("ナツ"));
    manager.CreateStudent(batch("フユ"));
    EXPECT_EQ(manager.GetALLStudentName().count(), 0);
    manager.SetNewStudent("フユ");
    const auto names = manager.GetALLStudentName();
    ASSERT_EQ(names.count(), 1);
    EXPECT_EQ(names.item(1), "フユ");
    EXPECT_FALSE(manager.DoubleName("ナツ"));
    manager.ClearNewComer();
    EXPECT_TRUE(manager.DoubleName("ナツ"));
    EXPECT_FALSE(manager.DoubleName("フユ"));
}

TEST_F(Roster, SetDataInitEmptiesTheListsAndRestoresTheDefaultTimetable) {
    const std::string fresh = manager.GetSaveData();
    loadLists(manager, {studentLine(named("アキ"))}, {graduateLine("ハル", 1)},
              {"アキ::::::薬草採取:", "アキ::::::王国大会:"});
    auto sections = host::runtime::Split(manager.GetSaveData(), "/");
    sections[2] = "アキ:::::鶴翼::\r\n:::::::\r\n:::::::\r\n:::::::\r\n:::::::";
    auto slots = host::runtime::Split(sections[3], "\r\n");
    slots[0] = "1;1;;;;3;";
    sections[3] = host::runtime::Join(slots, "\r\n");
    manager.SetSaveData(host::runtime::Join(sections, "/"));
    manager.CreateStudent(batch("ナツ"));

    manager.SetDataInit();
    EXPECT_EQ(manager.GetSaveData(), fresh);
    EXPECT_FALSE(manager.DoubleName("ナツ")); // newcomers stay
}
