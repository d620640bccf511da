#include "students/roster/cls_mng_student.h"

#include "host/runtime/runtime_error.h"
#include "students/abilities.h"
#include "students/mng_student_support.h"
#include "students/traits.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <functional>
#include <map>
#include <tuple>

using studentstest::drawFor;
using studentstest::loadLists;
using studentstest::Reports;
using studentstest::studentLine;
using studentstest::studentOf;
using studentstest::StudentShape;

namespace {

// Growth value of 普通1 at 15: 10 in every month but August, 4 there.
constexpr std::int16_t kGrowth = 10, kAugustGrowth = 4;

// Lessons as ClassEffect takes them: ability bits, points, growth value.
using Lessons = std::vector<std::tuple<std::int32_t, int, std::int16_t>>;

struct Draw {
    int lo, hi, value;
};
// The condition draw of one trained ability at condition 2 that adds nothing.
constexpr Draw kCondition{0, 10, 0};

StudentShape named(std::string name) {
    StudentShape s;
    s.name = std::move(name);
    return s;
}

class Activities : public ::testing::Test {
  protected:
    Activities() {
        std::string row = "普通1,15";
        for (int month = 4; month < 16; ++month)
            row += month == 8 ? ",4" : ",10";
        manager.SetGrowth(row);
    }

    void script(const std::vector<Draw>& draws) {
        std::vector<float> values;
        for (const auto& d : draws)
            values.push_back(drawFor(d.lo, d.hi, d.value));
        silent->scriptDraws(values);
        drawsBefore = silent->drawCount();
    }
    int drawsMade() const { return silent->drawCount() - drawsBefore; }

    // A lone copy of the student that went through the given lessons, each
    // with a condition draw of 0: what the manager's student should hold.
    std::unique_ptr<clsStudent> twin(const StudentShape& shape, const Lessons& lessons) {
        auto copy = std::make_unique<clsStudent>();
        copy->SetSaveData(studentLine(shape));
        for (const auto& [bits, points, growth] : lessons) {
            script(std::vector<Draw>(
                static_cast<std::size_t>(std::popcount(static_cast<std::uint32_t>(bits))), kCondition));
            copy->ClassEffect(bits, static_cast<std::int16_t>(points), growth);
        }
        return copy;
    }

    ScopedSilentServices silent;
    clsMngStudent manager;
    int drawsBefore = 0;
};

// Both experience blocks of every ability agree.
void expectSameExperience(const clsStudent& got, const clsStudent& want) {
    for (int block : {2, 4})
        for (int n = 1; n <= ability::kCount; ++n)
            EXPECT_EQ(got.GetStudentData(block, n), want.GetStudentData(block, n))
                << "block " << block << " ability " << n;
}

clsGetGridData teacherRowOf(const std::string& name) {
    clsGetGridData row;
    row.SetCols(1);
    row.Data(0, name);
    row.Data(1, "0");
    return row;
}

clsGetGridData facilityRow(const std::string& name, const std::string& item, const std::string& influence) {
    clsGetGridData row;
    row.SetCols(2);
    row.Data(0, name);
    row.Data(1, item);
    row.Data(2, influence);
    return row;
}

} // namespace

TEST_F(Activities, TeacherCountAddsOnePerPeriodTaught) {
    constexpr std::int16_t kMonday = 1, kTuesday = 2;
    const std::vector<std::string> five = {"アキ", "ハル", "ナツ", "フユ", "ユキ"};
    // Individual lessons on the given school slot, each student booked with a teacher.
    auto individual = [&](std::int16_t slot, std::vector<std::string> teachers) {
        manager.SetClassTypeAsNumber(slot, clsClassSchedule::Individual, "", "", "");
        for (std::size_t i = 0; i < teachers.size(); ++i)
            studentOf(manager, five[i])
                .GetClassSchedule(static_cast<std::int16_t>(slot / 8 + 1),
                                  static_cast<std::int16_t>(slot % 8 + 1))
                ->ClassTeacher(teachers[i]);
    };
    struct Case {
        const char* name;
        std::function<void()> setup;
        std::int16_t classCount, weekday;
        std::vector<std::string> rows;
        std::map<std::string, std::string> want;
    } cases[] = {
        {"the default timetable: two periods each",
         [] {},
         4,
         kMonday,
         {"マリオン", "ロスコウ", "シオドア"},
         {{"マリオン", "2"}, {"ロスコウ", "2"}, {"シオドア", "0"}}},
        {"five students of one teacher count once",
         [&] {
             individual(0, {"シオドア", "シオドア", "シオドア", "シオドア", "シオドア"});
         },
         4,
         kMonday,
         {"マリオン", "ロスコウ", "シオドア"},
         {{"マリオン", "1"}, {"ロスコウ", "2"}, {"シオドア", "1"}}},
        {"each teacher of an individual period counts once",
         [&] {
             individual(0, {"シオドア", "ロスコウ", "シオドア", "", "未契約"});
         },
         4,
         kMonday,
         {"マリオン", "ロスコウ", "シオドア"},
         {{"マリオン", "1"}, {"ロスコウ", "3"}, {"シオドア", "1"}}},
        {"no lesson counts nothing",
         [&] { manager.SetClassTypeAsNumber(1, clsClassSchedule::NoLesson, "素振り", "ロスコウ", ""); },
         4,
         kMonday,
         {"マリオン", "ロスコウ"},
         {{"マリオン", "2"}, {"ロスコウ", "1"}}},
        {"periods 5..8 only with eight periods a day",
         [&] {
             manager.SetClassTypeAsNumber(4, clsClassSchedule::WholeClass, "素振り", "シオドア", "");
             individual(7, {"シオドア"});
         },
         4,
         kMonday,
         {"シオドア"},
         {{"シオドア", "0"}}},
        {"periods 5..8 with eight periods a day",
         [&] {
             manager.SetClassTypeAsNumber(4, clsClassSchedule::WholeClass, "素振り", "シオドア", "");
             individual(7, {"シオドア"});
         },
         8,
         kMonday,
         {"シオドア"},
         {{"シオドア", "2"}}},
        {"the weekday's own slots",
         [&] {
             manager.SetClassTypeAsNumber(8, clsClassSchedule::WholeClass, "素振り", "シオドア", "");
             individual(9, {"シオドア", "ロスコウ"});
         },
         4,
         kTuesday,
         {"マリオン", "ロスコウ", "シオドア"},
         {{"マリオン", "1"}, {"ロスコウ", "2"}, {"シオドア", "2"}}},
        {"a dismissed teacher counts nothing", [] {}, 4, kMonday, {"マリオン"}, {{"マリオン", "2"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        manager.ClassInit();
        for (std::int16_t slot = 4; slot < 40; ++slot)
            if (slot % 8 >= 4) manager.SetClassTypeAsNumber(slot, clsClassSchedule::NoLesson, "", "", "");
        std::vector<std::string> lines;
        for (const auto& name : five)
            lines.push_back(studentLine(named(name)));
        loadLists(manager, lines);
        c.setup();
        host::runtime::Collection<clsGetGridData> rows;
        for (const auto& teacher : c.rows)
            rows.add(teacherRowOf(teacher), teacher);

        manager.SetTeacherCount(rows, c.classCount, c.weekday);

        std::map<std::string, std::string> got;
        for (const auto& row : rows)
            got[row.Data(0)] = row.Data(1);
        EXPECT_EQ(got, c.want);
    }
}

TEST_F(Activities, TeacherCountOfABrandNewManagerWithADismissedTeacher) {
    clsMngStudent fresh;
    fresh.SetClassTypeAsNumber(1, clsClassSchedule::Individual, "", "", "");
    loadLists(fresh, {studentLine(named("アキ"))});
    studentOf(fresh, "アキ").GetClassSchedule(1, 2)->ClassTeacher("ロスコウ");
    host::runtime::Collection<clsGetGridData> rows;
    rows.add(teacherRowOf("マリオン"), "マリオン");
    rows.item("マリオン").Data(1, "5");

    fresh.SetTeacherCount(rows, 4, 1);

    EXPECT_EQ(rows.count(), 1);
    EXPECT_EQ(rows.item("マリオン").Data(1), "7");
}

TEST_F(Activities, TeacherCountBeyondTheTimetableRaisesTheSubscriptError) {
    host::runtime::Collection<clsGetGridData> rows;
    for (auto [count, weekday] : {std::pair<std::int16_t, std::int16_t>{9, 1}, {4, 6}, {4, 0}}) {
        try {
            manager.SetTeacherCount(rows, count, weekday);
            ADD_FAILURE() << count << " " << weekday;
        } catch (const host::runtime::RuntimeError& e) {
            EXPECT_EQ(e.number(), host::runtime::ErrorNumber::SubscriptOutOfRange);
        }
    }
}

TEST_F(Activities, DormitoryGymTrainsMuscleByRollAndSkills) {
    struct {
        const char* name;
        int skills = 0, injury = 0;
        std::int16_t month = 6;
        int roll;
        bool trains;
    } cases[] = {
        {.name = "no skill, above 40", .roll = 41, .trains = true},
        {.name = "no skill, 40", .roll = 40, .trains = false},
        {.name = "脳筋 and 怠け者 cancel, above 40",
         .skills = trait::bitOf(trait::kMeathead) | trait::bitOf(trait::kLazy),
         .roll = 41,
         .trains = true},
        {.name = "脳筋 and 怠け者 cancel, 40",
         .skills = trait::bitOf(trait::kMeathead) | trait::bitOf(trait::kLazy),
         .roll = 40,
         .trains = false},
        {.name = "脳筋 and 努力家 train on 0",
         .skills = trait::bitOf(trait::kMeathead) | trait::bitOf(trait::kHardWorker),
         .roll = 0,
         .trains = true},
        {.name = "脳筋 and 努力家 injured",
         .skills = trait::bitOf(trait::kMeathead) | trait::bitOf(trait::kHardWorker),
         .injury = 2,
         .roll = 100,
         .trains = false},
        {.name = "怠け者 and 貧弱, 90",
         .skills = trait::bitOf(trait::kLazy) | trait::bitOf(trait::kFrail),
         .roll = 90,
         .trains = false},
        {.name = "怠け者 and 貧弱, 91",
         .skills = trait::bitOf(trait::kLazy) | trait::bitOf(trait::kFrail),
         .roll = 91,
         .trains = true},
        {.name = "怠け者 and 貧弱, 100",
         .skills = trait::bitOf(trait::kLazy) | trait::bitOf(trait::kFrail),
         .roll = 100,
         .trains = true},
        {.name = "growth value of the month", .month = 8, .roll = 100, .trains = true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StudentShape shape;
        shape.skills = c.skills;
        shape.injury = c.injury;
        const std::int16_t growth = c.month == 8 ? kAugustGrowth : kGrowth;
        auto want =
            twin(shape, c.trains ? Lessons{{ability::bitOf(ability::kMuscle), 30, growth}} : Lessons{});
        loadLists(manager, {studentLine(shape)});
        std::vector<Draw> draws = {{25, 50, 30}, {0, 100, c.roll}};
        if (c.trains) draws.push_back(kCondition);
        script(draws);

        manager.SetDormitoryGym(c.month);

        EXPECT_EQ(drawsMade(), static_cast<int>(draws.size()));
        expectSameExperience(studentOf(manager, shape.name), *want);
        if (c.trains) {
            EXPECT_GT(studentOf(manager, shape.name).GetStudentData(2, ability::kMuscle), 0);
        }
    }
}

TEST_F(Activities, AfterSchoolTrainsInTheFirstFacilityWhoseRollSucceeds) {
    struct Case {
        const char* name;
        std::vector<std::array<const char*, 3>> rows;
        int character = 1, injury = 0;
        std::vector<Draw> draws;
        Lessons lessons = {};
        std::vector<std::string> uses = {};
    } cases[] = {
        {.name = "the library succeeds, the chapel is not tried",
         .rows = {{"図書館", "", "0"}, {"礼拝堂", "", "0"}},
         .draws = {{0, 100, 61}, {25, 50, 30}, kCondition},
         .lessons = {{ability::bitOf(ability::kHistory), 30, kGrowth}}},
        {.name = "the library fails on 60, the chapel succeeds",
         .rows = {{"図書館", "", "0"}, {"礼拝堂", "", "0"}},
         .draws = {{0, 100, 60}, {0, 100, 100}, {25, 50, 50}, kCondition},
         .lessons = {{ability::bitOf(ability::kLuck), 50, kGrowth}}},
        {.name = "every roll fails",
         .rows = {{"図書館", "", "0"}, {"美術館", "", "0"}, {"礼拝堂", "", "0"}},
         .draws = {{0, 100, 0}, {0, 100, 60}, {0, 100, 30}}},
        {.name = "a scholar's library bonus",
         .rows = {{"図書館", "", "0"}},
         .character = 3,
         .draws = {{0, 100, 41}, {25, 50, 25}, kCondition},
         .lessons = {{ability::bitOf(ability::kHistory), 25, kGrowth}}},
        {.name = "a craftsman's museum bonus",
         .rows = {{"美術館", "", "0"}},
         .character = 4,
         .draws = {{0, 100, 41}, {25, 50, 25}, kCondition},
         .lessons = {{ability::bitOf(ability::kCharm), 25, kGrowth}}},
        {.name = "a soldier's chapel bonus",
         .rows = {{"礼拝堂", "", "0"}},
         .character = 2,
         .draws = {{0, 100, 41}, {25, 50, 25}, kCondition},
         .lessons = {{ability::bitOf(ability::kLuck), 25, kGrowth}}},
        {.name = "a bonus only in the suited facility",
         .rows = {{"図書館", "", "0"}},
         .character = 2,
         .draws = {{0, 100, 41}}},
        {.name = "an item adds half to all of its influence and wears",
         .rows = {{"美術館", "絵筆", "10"}},
         .draws = {{0, 100, 90}, {25, 50, 30}, {5, 10, 8}, kCondition},
         .lessons = {{ability::bitOf(ability::kCharm), 38, kGrowth}},
         .uses = {"絵筆"}},
        {.name = "an odd influence halves toward zero",
         .rows = {{"美術館", "絵筆", "3"}},
         .draws = {{0, 100, 90}, {25, 50, 30}, {1, 3, 1}, kCondition},
         .lessons = {{ability::bitOf(ability::kCharm), 31, kGrowth}},
         .uses = {"絵筆"}},
        {.name = "influence 0 gives no item draw and no wear",
         .rows = {{"図書館", "古書", "0"}},
         .draws = {{0, 100, 90}, {25, 50, 50}, kCondition},
         .lessons = {{ability::bitOf(ability::kHistory), 50, kGrowth}}},
        {.name = "a negative influence is none",
         .rows = {{"図書館", "古書", "-4"}},
         .draws = {{0, 100, 90}, {25, 50, 50}, kCondition},
         .lessons = {{ability::bitOf(ability::kHistory), 50, kGrowth}}},
        {.name = "an injured student trains",
         .rows = {{"礼拝堂", "", "0"}},
         .injury = 5,
         .draws = {{0, 100, 61}, {25, 50, 40}, kCondition},
         .lessons = {{ability::bitOf(ability::kLuck), 40, kGrowth}}},
        {.name = "an unknown building is passed over",
         .rows = {{"体育館", "", "0"}, {"図書館", "", "0"}},
         .draws = {{0, 100, 61}, {25, 50, 30}, kCondition},
         .lessons = {{ability::bitOf(ability::kHistory), 30, kGrowth}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StudentShape shape;
        shape.character = c.character;
        shape.injury = c.injury;
        auto want = twin(shape, c.lessons);
        loadLists(manager, {studentLine(shape)});
        host::runtime::Collection<clsGetGridData> rows;
        for (const auto& r : c.rows)
            rows.add(facilityRow(r[0], r[1], r[2]));
        std::vector<std::string> uses;
        const auto token = manager.UseClassItem.subscribe([&](std::string& item) { uses.push_back(item); });
        script(c.draws);

        manager.SetAfterSchool(rows, 6);

        manager.UseClassItem.unsubscribe(token);
        EXPECT_EQ(drawsMade(), static_cast<int>(c.draws.size()));
        expectSameExperience(studentOf(manager, shape.name), *want);
        EXPECT_EQ(uses, c.uses);
    }
}

TEST_F(Activities, AfterSchoolGivesEveryStudentItsOwnRollsInRosterOrder) {
    StudentShape first = named("アキ"), second = named("ハル");
    auto wantFirst = twin(first, {{ability::bitOf(ability::kLuck), 30, kAugustGrowth}});
    auto wantSecond = twin(second, {{ability::bitOf(ability::kHistory), 40, kAugustGrowth}});
    loadLists(manager, {studentLine(first), studentLine(second)});
    host::runtime::Collection<clsGetGridData> rows;
    rows.add(facilityRow("図書館", "古書", "2"));
    rows.add(facilityRow("礼拝堂", "聖水", "0"));
    std::vector<std::string> uses;
    manager.UseClassItem.subscribe([&](std::string& item) { uses.push_back(item); });
    script({{0, 100, 10},
            {0, 100, 70},
            {25, 50, 30},
            kCondition, // アキ: chapel
            {0, 100, 70},
            {25, 50, 38},
            {1, 2, 2},
            kCondition}); // ハル: library with its item

    manager.SetAfterSchool(rows, 8);

    EXPECT_EQ(drawsMade(), 8);
    expectSameExperience(studentOf(manager, "アキ"), *wantFirst);
    expectSameExperience(studentOf(manager, "ハル"), *wantSecond);
    EXPECT_EQ(uses, std::vector<std::string>{"古書"});
}

TEST_F(Activities, CampTrainsUninjuredStudentsWithAugustsGrowth) {
    struct {
        const char* name;
        const char* base;
        std::int32_t big, small;
        int injury = 0;
        Lessons lessons;
    } cases[] = {
        {"big and a third of the base for small",
         "10",
         ability::bitOf(ability::kFencing),
         ability::bitOf(ability::kQuickness),
         0,
         {{ability::bitOf(ability::kFencing), 10, kAugustGrowth},
          {ability::bitOf(ability::kQuickness), 3, kAugustGrowth}}},
        {"two abilities in the big effect",
         "40",
         ability::bitOf(ability::kFencing) | ability::bitOf(ability::kMuscle),
         ability::bitOf(ability::kQuickness),
         0,
         {{ability::bitOf(ability::kFencing) | ability::bitOf(ability::kMuscle), 40, kAugustGrowth},
          {ability::bitOf(ability::kQuickness), 13, kAugustGrowth}}},
        {"small effect 0: only big",
         "30",
         ability::bitOf(ability::kFencing),
         0,
         0,
         {{ability::bitOf(ability::kFencing), 30, kAugustGrowth}}},
        {"a negative small effect is none",
         "30",
         ability::bitOf(ability::kFencing),
         -1,
         0,
         {{ability::bitOf(ability::kFencing), 30, kAugustGrowth}}},
        {"an injured student stays out",
         "30",
         ability::bitOf(ability::kFencing),
         ability::bitOf(ability::kQuickness),
         1,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StudentShape shape;
        shape.injury = c.injury;
        auto want = twin(shape, c.lessons);
        loadLists(manager, {studentLine(shape)});
        clsGetGridData row;
        row.SetCols(2);
        row.Data(0, c.base);
        row.Data(1, std::to_string(c.big));
        row.Data(2, std::to_string(c.small));
        int conditionDraws = 0;
        for (const auto& lesson : c.lessons)
            conditionDraws += std::popcount(static_cast<std::uint32_t>(std::get<0>(lesson)));
        script(std::vector<Draw>(static_cast<std::size_t>(conditionDraws), kCondition));

        manager.GetCampEffect(row);

        EXPECT_EQ(drawsMade(), conditionDraws);
        expectSameExperience(studentOf(manager, shape.name), *want);
    }
}

TEST_F(Activities, ForwordDayStepsEveryStudentAndRelaysItsReports) {
    StudentShape first = named("アキ"), second = named("ハル");
    first.injury = 1;
    second.injury = 3;
    loadLists(manager, {studentLine(first), studentLine(second)});
    Reports reports(manager);
    script({{0, 100, 50}, {0, 100, 50}});

    manager.ForwordDay(true);

    EXPECT_EQ(drawsMade(), 2);
    EXPECT_EQ(studentOf(manager, "アキ").Injury(), 0);
    EXPECT_EQ(studentOf(manager, "ハル").Injury(), 2);
    EXPECT_EQ(reports.texts, std::vector<std::string>{"アキの怪我が治りました"});
}

TEST_F(Activities, ThinkCourseReportsOnceWhenSomebodyDecided) {
    struct Student {
        const char* name;
        int schoolYear, age;
        bool decides;
    };
    struct {
        const char* name;
        std::int16_t maxSchoolYear;
        std::vector<Student> students;
    } cases[] = {
        {"nobody in the final year or aged 20", 3, {{"アキ", 2, 19, false}, {"ハル", 1, 15, false}}},
        {"one in the final year", 3, {{"アキ", 3, 17, true}, {"ハル", 1, 15, false}}},
        {"beyond the final year and aged 20", 2, {{"アキ", 3, 17, true}, {"ハル", 1, 20, true}}},
        {"a one-year school", 1, {{"アキ", 1, 12, true}}},
        {"an empty roster", 3, {}},
    };
    Reports reports(manager);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines;
        for (const auto& s : c.students) {
            StudentShape shape = named(s.name);
            shape.age = s.age;
            lines.push_back(studentLine(shape));
        }
        loadLists(manager, lines);
        int deciders = 0;
        for (const auto& s : c.students) {
            studentOf(manager, s.name).SchoolYear(static_cast<std::int16_t>(s.schoolYear));
            deciders += s.decides ? 1 : 0;
        }
        reports.texts.clear();
        script(std::vector<Draw>(static_cast<std::size_t>(deciders), {0, 100, 50}));

        manager.ThinkCourse(c.maxSchoolYear);

        EXPECT_EQ(drawsMade(), deciders);
        for (const auto& s : c.students)
            EXPECT_EQ(studentOf(manager, s.name).Course(), s.decides ? 9 : 0) << s.name; // 農民 on 50: 旅人
        EXPECT_EQ(reports.texts, deciders > 0 ? std::vector<std::string>{"生徒たちが進路を決めました"}
                                              : std::vector<std::string>{});
    }
}
