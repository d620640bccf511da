#include "state/cls_data.h"

#include "state/state_support.h"
#include "students/newcomers/cls_create_student_data.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using statetest::LoadedFacade;
using Rows = host::runtime::Collection<clsGetGridData>;

constexpr const char* kStudent = "試験太郎";

// A new game made by the facade with one student, on day 1 of a month.
struct Timetable : LoadedFacade {
    Timetable() {
        data.SetDataInit();
        data.TestPlay();
        data.SetDate("25:5:1");
        clsCreateStudentData student;
        student.StudentName(kStudent);
        managers(data).students().CreateStudent(student);
        managers(data).students().SetNewStudent(kStudent);
    }
    void grantEightPeriods() {
        managers(data).system().AddMoney(10000000);
        managers(data).system().AddKingdomPoint(10000);
        std::int16_t count = 1;
        ASSERT_TRUE(managers(data).system().SetPermitChange("八時間授業許可", count, 0));
    }
};

// Rows picked for a slot: the name in cell 0.
Rows picked(const std::vector<std::string>& names) {
    Rows rows;
    for (const std::string& name : names) {
        clsGetGridData row;
        row.SetCols(1);
        row.Data(0, name);
        rows.add(row);
    }
    return rows;
}

std::vector<std::string> cells(const Rows& rows, std::int16_t cell) {
    std::vector<std::string> values;
    for (const clsGetGridData& row : rows)
        values.push_back(row.Data(cell));
    return values;
}

TEST(FacadeTimetable, LatePeriodsNeedTheFullTimePermit) {
    struct Case {
        const char* name;
        std::int16_t slot;
        bool permit;
        std::int32_t lessonType;
        bool enabled;
        const char* label;
    };
    const Case cases[] = {
        {.name = "Monday 4th",
         .slot = 3,
         .permit = false,
         .lessonType = 2,
         .enabled = true,
         .label = "個別授業"},
        {.name = "Monday 5th",
         .slot = 4,
         .permit = false,
         .lessonType = 2,
         .enabled = false,
         .label = "未許可"},
        {.name = "Friday 8th",
         .slot = 39,
         .permit = false,
         .lessonType = 1,
         .enabled = false,
         .label = "未許可"},
        {.name = "Monday 5th, permit",
         .slot = 4,
         .permit = true,
         .lessonType = 1,
         .enabled = true,
         .label = "全体授業"},
        {.name = "no lesson", .slot = 0, .permit = false, .lessonType = 3, .enabled = true, .label = "休講"},
        {.name = "unknown type", .slot = 0, .permit = false, .lessonType = 0, .enabled = true, .label = ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Timetable game;
        if (c.permit) game.grantEightPeriods();
        clsData& data = game.data;
        data.SetClassTypeAsNumber(c.slot, c.lessonType, "", "", "");

        EXPECT_EQ(data.GetClassEnable(c.slot), c.enabled);
        EXPECT_EQ(data.GetClassType(c.slot), c.label);
        EXPECT_EQ(data.GetClassTypeAsNumber(c.slot), c.lessonType);
    }
}

TEST(FacadeTimetable, PickListsLeaveOutWhatIsPickedAndOtherListsAreNone) {
    Timetable game;
    clsData& data = game.data;
    const Rows none;
    EXPECT_FALSE(data.GetClassData(3, 1, none, "").has_value());
    EXPECT_FALSE(data.GetClassData(-1, 1, none, "").has_value());

    const auto lessons = data.GetClassData(0, 1, none, "");
    ASSERT_TRUE(lessons.has_value());
    ASSERT_GE(lessons->count(), 2);
    const std::string first = lessons->item(1).Data(1);
    const auto rest = data.GetClassData(0, 1, picked({first}), "");
    EXPECT_EQ(rest->count(), lessons->count() - 1);
    for (const std::string& name : cells(*rest, 1))
        EXPECT_NE(name, first);

    const auto individual = data.GetClassData(0, 2, none, "");
    ASSERT_TRUE(individual.has_value());
    EXPECT_LT(individual->count(), lessons->count());
    for (const std::string& name : cells(*individual, 1))
        EXPECT_TRUE(managers(data).classes().GetClass(name).Individual()) << name;

    const auto teachers = data.GetClassData(1, 1, none, first);
    ASSERT_TRUE(teachers.has_value());
    const auto names = cells(*teachers, 1);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(data.GetClassData(1, 1, picked({names.front()}), first)->count(), teachers->count() - 1);
    EXPECT_TRUE(data.GetClassData(2, 1, none, first).has_value());
}

TEST(FacadeTimetable, ATeacherIsFreeToPickWhileFewerAreBookedThanContracted) {
    Timetable game;
    clsData& data = game.data;
    const auto names = cells(*data.GetClassData(1, 1, Rows{}, "ウォーキング"), 1);
    ASSERT_GE(names.size(), 2U);
    std::vector<std::string> allButOne(names.begin(), names.end() - 1);

    EXPECT_TRUE(data.CheckClassTeacher(picked(allButOne)));
    EXPECT_FALSE(data.CheckClassTeacher(picked(names)));
}

TEST(FacadeTimetable, NoItemServesNoLesson) {
    Timetable game;
    EXPECT_FALSE(game.data.GetClassItemCheck("ウォーキング", ""));
}

TEST(FacadeTimetable, TheEditedTimetableBecomesEachStudentsOwn) {
    Timetable game;
    clsData& data = game.data;
    host::runtime::Collection<std::shared_ptr<clsClassSchedule>> edited;
    for (std::int16_t slot = 0; slot < 40; ++slot) {
        auto record = std::make_shared<clsClassSchedule>();
        record->Number(slot);
        record->StudentName(kStudent);
        record->ClassName(slot == 9 ? "走りこみ" : "");
        edited.add(record, std::string(kStudent) + ":" + std::to_string(slot));
    }
    data.SetStudentSchedule(edited);

    EXPECT_EQ(data.GetSchedule(kStudent, 9)->ClassName(), "走りこみ");
    EXPECT_EQ(data.GetSchedule(kStudent, 10)->ClassName(), "");
    EXPECT_EQ(data.GetStudentName().Data(0), kStudent);
    EXPECT_FALSE(data.GetClassStudentData(kStudent).empty());
}

TEST(FacadeTimetable, TheTimetableIsWrittenOnlyOnTheFirstDayOfAMonth) {
    struct Case {
        std::string date;
        bool written;
    };
    const std::vector<Case> cases = {
        {.date = "25:5:1", .written = true},
        {.date = "25:5:2", .written = false},
        {.date = "25:6:28", .written = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        Timetable game;
        clsData& data = game.data;
        data.SetDate(c.date);
        const std::int32_t typeBefore = data.GetClassTypeAsNumber(9);
        const std::string lessonBefore = data.GetSchedule(kStudent, 9)->ClassName();
        const std::int32_t otherType = typeBefore == 3 ? 1 : 3;
        const std::string lesson = lessonBefore == "走りこみ" ? "ウォーキング" : "走りこみ";
        host::runtime::Collection<std::shared_ptr<clsClassSchedule>> edited;
        for (std::int16_t slot = 0; slot < 40; ++slot) {
            auto record = std::make_shared<clsClassSchedule>();
            record->Number(slot);
            record->StudentName(kStudent);
            record->ClassName(slot == 9 ? lesson : "");
            edited.add(record, std::string(kStudent) + ":" + std::to_string(slot));
        }

        EXPECT_EQ(data.SetClassTypeAsNumber(9, otherType, lesson, "", ""), c.written);
        EXPECT_EQ(data.SetStudentSchedule(edited), c.written);

        EXPECT_EQ(data.GetClassTypeAsNumber(9), c.written ? otherType : typeBefore);
        EXPECT_EQ(data.GetSchedule(kStudent, 9)->ClassName(), c.written ? lesson : lessonBefore);
    }
}

} // namespace
