#include "students/student/cls_student.h"

#include "host/runtime/strings.h"
#include "students/students_support.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

using host::runtime::ErrorNumber;
using host::runtime::Join;
using host::runtime::Split;
using studentstest::abilityText;
using testsupport::errorOf;

namespace {

std::string freshTimetable() {
    std::vector<std::string> slots;
    for (int day = 1; day <= 5; ++day)
        for (int period = 1; period <= 8; ++period)
            slots.push_back(std::to_string(day) + ";" + std::to_string(period) + ";;;;0;");
    return Join(slots, "\\");
}

std::string timetableWith(int slot, const std::string& text) {
    auto slots = Split(freshTimetable(), "\\");
    slots[slot] = text;
    return Join(slots, "\\");
}

class StudentRecord : public ::testing::Test {
  protected:
    ScopedSilentServices silent;
    const std::string abilities = abilityText({{1, 1, 30}, {2, 4, 120}, {3, 1, 45}, {4, 17, 9}});
    const std::string timetable = timetableWith(0, "1;1;剣術基礎;ダンテ;木刀;1;");
    const std::string golden =
        "ガク@15@1@3@早熟1@騎士@2@120@30@5@40@3@True@7@True@5@" + abilities + "@" + timetable;
};

} // namespace

TEST_F(StudentRecord, SavesEighteenFieldsAndLoadsThemBack) {
    clsStudent student;
    student.Name("ガク");
    student.Age(15);
    student.SchoolYear(1);
    student.Character(3);
    student.Growth("早熟1");
    student.ComingFrom("騎士");
    student.Condition(2);
    student.Physical(120);
    student.Dissatisfaction(30);
    student.MedicTolerance(5);
    student.MedicUpper(40);
    student.Injury(3);
    student.SetCourseChange(7);
    student.SetSkill(5);
    student.SetStudentData(abilities);
    auto slot = student.GetClassSchedule(1, 1);
    slot->ClassName("剣術基礎");
    slot->ClassTeacher("ダンテ");
    slot->UseItem("木刀");
    slot->ClassType(1);
    EXPECT_EQ(student.GetSaveData(), golden);

    clsStudent loaded;
    loaded.SetSaveData(golden);
    EXPECT_EQ(loaded.GetSaveData(), golden);
    EXPECT_EQ(loaded.MaxPhysical(), 150);
    EXPECT_TRUE(loaded.HoldSkill(1));
    EXPECT_TRUE(loaded.HoldSkill(3));
    EXPECT_FALSE(loaded.HoldSkill(2));
    EXPECT_EQ(loaded.GetClassSchedule(1, 1)->UseItem(), "木刀");
}

TEST_F(StudentRecord, NewStudentAndNarrowedSaveText) {
    clsStudent fresh;
    EXPECT_EQ(fresh.GetSaveData(),
              "@0@0@0@@@0@0@0@0@0@0@False@0@True@0@" + abilityText({}) + "@" + freshTimetable());

    // A save body is narrowed as a whole; names come back wide, the growth type stays narrow.
    clsStudent student;
    student.SetSaveData("ｶﾞｸ@16@2@1@ｿｳｼﾞｭｸ1@ﾘｮｳｼ@0@0@0@0@0@0@False@0@False@0@" + abilities + "@" +
                        timetableWith(39, "5;8;ﾕﾐ;ﾘﾝ;;2;ｶﾞｸ"));
    EXPECT_EQ(student.Name(), "ガク");
    EXPECT_EQ(student.ComingFrom(), "リョウシ");
    EXPECT_EQ(student.Growth(), "ｿｳｼﾞｭｸ1");
    EXPECT_FALSE(student.CourseFLG());
    EXPECT_EQ(student.GetClassSchedule(5, 8)->ClassName(), "ユミ");
    EXPECT_EQ(student.GetClassSchedule(5, 8)->StudentName(), "ガク");
}

TEST_F(StudentRecord, BadRecordFailsAndChangesNothing) {
    auto withField = [&](int index, const std::string& value) {
        auto fields = Split(golden, "@");
        fields[index] = value;
        return Join(fields, "@");
    };
    auto fields = Split(golden, "@");
    fields.pop_back();
    auto slots = Split(timetable, "\\");
    slots.pop_back();
    const std::string shortTimetable = Join(slots, "\\");
    struct {
        std::string what;
        std::string text;
        ErrorNumber error;
    } cases[] = {
        {"17 fields", Join(fields, "@"), ErrorNumber::SubscriptOutOfRange},
        {"age not a number", withField(1, "x"), ErrorNumber::TypeMismatch},
        {"physical beyond 16 bits", withField(7, "40000"), ErrorNumber::Overflow},
        {"flag not a Boolean", withField(12, "maybe"), ErrorNumber::TypeMismatch},
        {"abilities short", withField(16, "0:0;0"), ErrorNumber::SubscriptOutOfRange},
        {"timetable slot short", withField(17, timetableWith(20, "3;5;;")), ErrorNumber::SubscriptOutOfRange},
        {"timetable of 39 slots", withField(17, shortTimetable), ErrorNumber::InvalidCall},
        {"timetable of 41 slots", withField(17, timetable + "\\5;8;;;;0;"), ErrorNumber::InvalidCall},
        {"no timetable", withField(17, ""), ErrorNumber::InvalidCall},
    };
    const std::string before = "ナオ@16@2@1@晩成1@農民@0@0@0@0@0@0@False@0@False@0@" +
                               abilityText({{1, 2, 9}}) + "@" + timetableWith(5, "1;6;弓術;リン;;1;");
    for (const auto& c : cases) {
        clsStudent student;
        student.SetSaveData(before);
        EXPECT_EQ(errorOf([&] { student.SetSaveData(c.text); }), c.error) << c.what;
        EXPECT_EQ(student.GetSaveData(), before) << c.what;
    }
}

TEST_F(StudentRecord, LooseCopyOfASlot) {
    clsStudent student;
    student.Name("ガク");
    auto slot = student.GetClassSchedule(2, 3);
    slot->ClassName("馬術");
    slot->ClassTeacher("リン");
    slot->UseItem("鞍");
    slot->ClassType(2);

    auto copy = student.GetSchedule(10);
    EXPECT_EQ(copy->GetSaveData(), "0;10;馬術;リン;鞍;0;ガク");
    copy->ClassName("剣術");
    EXPECT_EQ(slot->ClassName(), "馬術");
    EXPECT_EQ(student.GetSchedule(0)->GetSaveData(), "0;0;;;;0;ガク");
    EXPECT_EQ(student.GetSchedule(39)->Number(), 39);
    for (std::int16_t outside : {-1, 40})
        EXPECT_EQ(errorOf([&] { student.GetSchedule(outside); }), ErrorNumber::SubscriptOutOfRange)
            << outside;
}

TEST_F(StudentRecord, AgeingAndCourses) {
    clsStudent student;
    student.Age(15);
    student.SchoolYear(32767);
    student.ForwordYear();
    EXPECT_EQ(student.Age(), 16);
    EXPECT_EQ(student.SchoolYear(), 32767);

    student.SetCourseChange(0);
    EXPECT_TRUE(student.CourseFLG());
    EXPECT_EQ(student.Course(), 0);
    student.SetCourseChange(5);
    EXPECT_EQ(student.Course(), 5);
}
