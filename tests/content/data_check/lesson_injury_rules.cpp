// Rules for the lessons a new school can give: what they do to a new student.
#include "content/data_check/data_check.h"
#include "content/data_check/new_school.h"

#include "host/text/width.h"
#include "platform/services/silent_services.h"
#include "students/abilities.h"
#include "students/mng_student_support.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// A new student: level 5 and nature 15 in the abilities, formations at 1 of 3.
constexpr std::int16_t kNewLevel = 5, kNewNature = 15;
constexpr std::int16_t kNewFormationLevel = 1, kNewFormationNature = 3;
constexpr int kLessons = 1000;
// A bad lesson costs a new student a month at most, half the time.
constexpr int kMostMedianDays = 30;

// The places a new school has: the constructions and classrooms that cost nothing.
std::set<std::string> startingPlaces(const MasterData& data) {
    std::set<std::string> places;
    for (int section : {GameDataSection::Constructions, GameDataSection::Classrooms})
        for (const auto& row : data.rows(section))
            if (row.size() > 1 && numberOf(row[1]) == 0) places.insert(host::text::toWide(row[0]));
    return places;
}

// The injuries of a new student taking the lesson with the starting teacher
// best at it, kLessons times over, healed and rested before each; the lengths
// of the lessons that hurt, in order.
std::vector<int> injuriesOf(NewSchool& school, const clsClass& lesson) {
    studentstest::StudentShape shape;
    shape.physical = 100;
    shape.abilities.clear();
    for (std::int16_t n = 1; n <= ability::kCount; ++n) {
        const bool formation = ability::isFormation(n);
        shape.abilities.push_back({1, n, formation ? kNewFormationLevel : kNewLevel});
        shape.abilities.push_back({3, n, formation ? kNewFormationNature : kNewNature});
    }
    studentstest::loadLists(school.manager, {studentstest::studentLine(shape)});
    clsStudent& student = studentstest::studentOf(school.manager, shape.name);
    auto slot = student.GetClassSchedule(1, 1);
    slot->ClassName(lesson.Name());
    slot->ClassTeacher(school.bestTeacherFor(ability::lowestIn(lesson.BigEffect())));
    slot->ClassType(clsClassSchedule::WholeClass);

    std::vector<int> injuries;
    const std::string abilities = studentstest::abilityText(shape.abilities);
    for (int i = 0; i < kLessons; ++i) {
        student.SetStudentData(abilities);
        student.Injury(0);
        student.Physical(100);
        student.Dissatisfaction(0);
        school.manager.Study(1, 1);
        if (student.Injury() > 0) injuries.push_back(student.Injury());
    }
    std::sort(injuries.begin(), injuries.end());
    return injuries;
}

} // namespace

QUORVEL_DATA_RULE(
    "no lesson of a new school's places hurts a new student for more than a month, half the time",
    [](const MasterData& data, Findings& findings) {
        ScopedSilentServices silent;
        std::unique_ptr<NewSchool> school;
        try {
            school = std::make_unique<NewSchool>(data);
        } catch (const std::exception& e) {
            findings.add(std::string("the new school does not load: ") + e.what());
            return;
        }
        const std::set<std::string> places = startingPlaces(data);
        for (const auto& row : data.rows(GameDataSection::Lessons)) {
            if (row.size() < 10 || !places.count(host::text::toWide(row[9]))) continue;
            const clsClass& lesson = school->lessons.GetClass(host::text::toWide(row[0]));
            const std::vector<int> injuries = injuriesOf(*school, lesson);
            if (injuries.empty()) continue;
            const int median = injuries[injuries.size() / 2];
            if (median > kMostMedianDays)
                findings.add("lesson " + lesson.Name() + " at " + lesson.Place() +
                             ": a hurt new student is out " + std::to_string(median) +
                             " days at the median, up to " + std::to_string(injuries.back()));
        }
    });
