#include "students/roster/cls_mng_student.h"

#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "students/mng_student_support.h"

#include <gtest/gtest.h>

#include <functional>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;
using studentstest::loadLists;
using studentstest::studentLine;
using studentstest::studentOf;
using studentstest::StudentShape;

namespace {

StudentShape named(std::string name) {
    StudentShape s;
    s.name = std::move(name);
    return s;
}

// The school timetable's 40 slot records as saved, slot 0 first.
std::vector<std::string> timetableLines(const clsMngStudent& manager) {
    return host::runtime::Split(host::runtime::Split(manager.GetSaveData(), "/")[3], "\r\n");
}

ErrorNumber errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    ADD_FAILURE() << "no error raised";
    return ErrorNumber::Overflow;
}

using Schedules = host::runtime::Collection<std::shared_ptr<clsClassSchedule>>;

// An edited timetable for the students: one new record per student and slot.
Schedules editedTimetable(const std::vector<std::string>& students) {
    Schedules records;
    for (const auto& name : students) {
        for (int slot = 0; slot < 40; ++slot) {
            auto record = std::make_shared<clsClassSchedule>();
            record->ClassName(name + "の授業" + std::to_string(slot));
            records.add(std::move(record), name + ":" + std::to_string(slot));
        }
    }
    return records;
}

class Timetable : public ::testing::Test {
  protected:
    ScopedSilentServices silent;
    clsMngStudent manager;
};

} // namespace

TEST_F(Timetable, SlotLabelsAndThePermit) {
    manager.SetClassTypeAsNumber(5, clsClassSchedule::Individual, "", "", "");
    manager.SetClassTypeAsNumber(6, clsClassSchedule::NoLesson, "", "", "");
    manager.SetClassTypeAsNumber(7, 0, "", "", "");
    manager.SetClassTypeAsNumber(38, 4, "", "", "");
    struct {
        std::int16_t slot;
        bool fullTime, enabled;
        const char* label;
    } cases[] = {
        {0, false, true, "全体授業"}, {3, false, true, "全体授業"}, {3, true, true, "全体授業"},
        {4, false, false, "未許可"},  {4, true, true, "全体授業"},  {5, false, false, "未許可"},
        {5, true, true, "個別授業"},  {6, true, true, "休講"},      {7, true, true, ""},
        {38, true, true, ""},         {39, false, false, "未許可"}, {35, false, true, "全体授業"},
        {44, false, false, "未許可"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(manager.GetClassEnable(c.fullTime, c.slot), c.enabled) << c.slot << " " << c.fullTime;
        EXPECT_EQ(manager.GetClassType(c.fullTime, c.slot), c.label) << c.slot << " " << c.fullTime;
    }
}

TEST_F(Timetable, SlotNumbersNameWeekdayAndPeriod) {
    manager.SetClassTypeAsNumber(39, clsClassSchedule::Individual, "乗馬", "シオドア", "鞍");
    manager.SetClassTypeAsNumber(8, clsClassSchedule::NoLesson, "槍術", "ロスコウ", "");

    const auto lines = timetableLines(manager);
    ASSERT_EQ(lines.size(), 40u);
    EXPECT_EQ(lines[39], "5;8;乗馬;シオドア;鞍;2;");
    EXPECT_EQ(lines[8], "2;1;槍術;ロスコウ;;3;");
    EXPECT_EQ(manager.GetClassTypeAsNumber(39), clsClassSchedule::Individual);
    EXPECT_EQ(manager.GetClassTypeAsNumber(8), clsClassSchedule::NoLesson);
}

TEST_F(Timetable, SlotsOutsideTheTimetableRaiseTheSubscriptError) {
    loadLists(manager, {studentLine(named("アキ"))});
    const std::function<void()> calls[] = {
        [&] { manager.GetClassTypeAsNumber(-1); },
        [&] { manager.GetClassTypeAsNumber(40); },
        [&] { manager.SetClassTypeAsNumber(40, 1, "素振り", "マリオン", ""); },
        [&] { manager.SetClassTypeAsNumber(-8, 1, "素振り", "マリオン", ""); },
        [&] { manager.GetClassType(true, 44); },
        [&] { manager.GetClassType(false, 40); },
        [&] { manager.GetClassType(false, -1); },
        [&] { manager.GetSchedule("アキ", 40); },
    };
    for (const auto& call : calls)
        EXPECT_EQ(errorOf(call), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(manager.GetClassType(false, 44), "未許可");
}

TEST_F(Timetable, ClassInitRestoresTheDefaultLessonsAndLeavesPeriodsFiveToEight) {
    for (std::int16_t slot = 0; slot < 40; ++slot)
        manager.SetClassTypeAsNumber(slot, clsClassSchedule::NoLesson, "槍術", "シオドア", "槍");

    manager.ClassInit();

    const char* lessons[][2] = {{"ウォーキング", "マリオン"},
                                {"初等攻撃陣形", "ロスコウ"},
                                {"走りこみ", "ロスコウ"},
                                {"素振り", "マリオン"}};
    const auto lines = timetableLines(manager);
    ASSERT_EQ(lines.size(), 40u);
    for (int slot = 0; slot < 40; ++slot) {
        const int day = slot / 8 + 1, period = slot % 8 + 1;
        const std::string prefix = std::to_string(day) + ";" + std::to_string(period) + ";";
        if (period <= 4)
            EXPECT_EQ(lines[slot], prefix + lessons[period - 1][0] + ";" + lessons[period - 1][1] + ";;1;");
        else
            EXPECT_EQ(lines[slot], prefix + "槍術;シオドア;槍;3;");
    }
}

TEST_F(Timetable, SetStudentSchedulePlacesTheRecordsThemselves) {
    loadLists(manager, {studentLine(named("アキ")), studentLine(named("ハル"))});
    const Schedules records = editedTimetable({"アキ", "ハル", "卒業生"});

    manager.SetStudentSchedule(records);

    for (const char* name : {"アキ", "ハル"}) {
        clsStudent& student = studentOf(manager, name);
        for (int slot = 0; slot < 40; ++slot) {
            const auto& record = records.item(std::string(name) + ":" + std::to_string(slot));
            EXPECT_EQ(student.GetClassSchedule(static_cast<std::int16_t>(slot / 8 + 1),
                                               static_cast<std::int16_t>(slot % 8 + 1)),
                      record)
                << name << " " << slot;
        }
    }
    records.item("ハル:12")->ClassTeacher("シオドア");
    EXPECT_TRUE(manager.CheckClassTeacher("シオドア"));
}

TEST_F(Timetable, SetStudentScheduleWithAMissingKeyChangesNoTimetable) {
    loadLists(manager, {studentLine(named("アキ")), studentLine(named("ハル"))});
    Schedules records = editedTimetable({"アキ", "ハル"});
    records.remove("ハル:39");
    const auto before = studentOf(manager, "アキ").GetClassSchedule(1, 1);

    EXPECT_EQ(errorOf([&] { manager.SetStudentSchedule(records); }), ErrorNumber::InvalidCall);

    EXPECT_EQ(studentOf(manager, "アキ").GetClassSchedule(1, 1), before);
}

TEST_F(Timetable, GetScheduleGivesALooseCopyOfTheStudentsSlot) {
    loadLists(manager, {studentLine(named("アキ"))});
    auto own = studentOf(manager, "アキ").GetClassSchedule(2, 3);
    own->ClassName("槍術");
    own->ClassTeacher("シオドア");
    own->UseItem("槍");

    const auto copy = manager.GetSchedule("アキ", 10);

    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, own);
    EXPECT_EQ(copy->GetSaveData(), "0;10;槍術;シオドア;槍;0;アキ");
    EXPECT_EQ(manager.GetSchedule("", 10), nullptr);
    EXPECT_EQ(errorOf([&] { manager.GetSchedule("フユ", 10); }), ErrorNumber::InvalidCall);
}

TEST_F(Timetable, CheckClassAsksEveryStudentUntilOneFails) {
    host::runtime::Collection<clsPassageData> teachers;
    clsPassageData marion;
    marion.Name("マリオン");
    teachers.add(marion);
    const host::runtime::Collection<clsGetGridData> items;
    // A student booked with マリオン for periods 1..4 of every weekday, or not at all.
    auto booked = [&](const std::string& name) {
        for (std::int16_t day = 1; day <= 5; ++day) {
            for (std::int16_t period = 1; period <= 4; ++period) {
                auto slot = studentOf(manager, name).GetClassSchedule(day, period);
                slot->ClassName("素振り");
                slot->ClassTeacher("マリオン");
                slot->UseItem("木刀");
            }
        }
    };
    struct {
        const char* name;
        std::vector<std::string> students, booked;
        bool want;
    } cases[] = {
        {"no students", {}, {}, true},
        {"every student booked", {"アキ", "ハル"}, {"アキ", "ハル"}, true},
        {"the first unbooked", {"アキ", "ハル"}, {"ハル"}, false},
        {"the last unbooked", {"アキ", "ハル"}, {"アキ"}, false},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines;
        for (const auto& name : c.students)
            lines.push_back(studentLine(named(name)));
        loadLists(manager, lines);
        for (const auto& name : c.booked)
            booked(name);
        EXPECT_EQ(manager.CheckClass(4, teachers, items), c.want) << c.name;
    }
    // Passing students were checked: the item nobody holds is dropped.
    EXPECT_EQ(studentOf(manager, "アキ").GetClassSchedule(1, 1)->UseItem(), "");
}

TEST_F(Timetable, CheckClassTeacherLooksOnlyAtStudentsOwnTimetables) {
    loadLists(manager, {studentLine(named("アキ")), studentLine(named("ハル"))});
    studentOf(manager, "ハル").GetClassSchedule(3, 2)->ClassTeacher("シオドア");

    EXPECT_FALSE(manager.CheckClassTeacher("マリオン")); // only in the school timetable
    EXPECT_TRUE(manager.CheckClassTeacher("シオドア"));
    EXPECT_FALSE(manager.CheckClassTeacher("ロスコウ"));
}

TEST_F(Timetable, StudentNamesInRosterOrder) {
    const clsGetGridData none = manager.GetStudentName();
    EXPECT_EQ(none.Cols(), 0);
    EXPECT_EQ(none.Data(0), "");

    loadLists(manager, {studentLine(named("ハル")), studentLine(named("アキ")), studentLine(named("ユキ"))});
    const clsGetGridData row = manager.GetStudentName();
    EXPECT_EQ(row.Cols(), 2);
    EXPECT_EQ((std::vector<std::string>{row.Data(0), row.Data(1), row.Data(2)}),
              (std::vector<std::string>{"ハル", "アキ", "ユキ"}));
}

TEST_F(Timetable, ExperienceOfTheNamedStudent) {
    StudentShape aki = named("アキ");
    aki.abilities = {{1, 1, 20}, {3, 1, 20}, {2, 3, 100}, {2, 11, 50}};
    loadLists(manager, {studentLine(named("ハル")), studentLine(aki)});

    const clsGetGridData row = manager.GetExperienceAsNumber("アキ");
    const clsGetGridData want = studentOf(manager, "アキ").GetExperienceAsNumber();
    EXPECT_EQ(row.Cols(), 16);
    for (std::int16_t cell = 0; cell <= 16; ++cell)
        EXPECT_EQ(row.Data(cell), want.Data(cell)) << cell;
    EXPECT_EQ(row.Data(2), "50");

    const clsGetGridData empty = manager.GetExperienceAsNumber("");
    EXPECT_EQ(empty.Cols(), 0);
    EXPECT_EQ(empty.Data(0), "");
    EXPECT_EQ(errorOf([&] { manager.GetExperienceAsNumber("フユ"); }), ErrorNumber::InvalidCall);
}

TEST_F(Timetable, GraduateAbilityRowsKeyedByName) {
    // Present abilities 1..17 hold 1..17.
    auto graduate = [](const std::string& name) {
        return name + ";21;2;騎士;2;0;1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17;"
                      "20:20:20:20:20:20:20:20:20:20:20:20:20:20:20:20:20;26";
    };
    loadLists(manager, {}, {graduate("ハル"), graduate("アキ")});
    struct {
        std::int16_t number;
        const char* value;
    } cases[] = {{0, "1"}, {9, "10"}, {16, "17"}, {17, "0"}, {-1, "0"}, {32767, "0"}};
    for (const auto& c : cases) {
        const auto rows = manager.GetGraduateAbilityAsNumber(c.number);
        ASSERT_EQ(rows.count(), 2);
        EXPECT_EQ(rows.keyAt(1), "ハル");
        EXPECT_EQ(rows.item("アキ").Cols(), 1);
        EXPECT_EQ(rows.item("アキ").Data(0), "アキ");
        EXPECT_EQ(rows.item("アキ").Data(1), c.value) << c.number;
    }
    EXPECT_EQ(clsMngStudent().GetGraduateAbilityAsNumber(0).count(), 0);
}
