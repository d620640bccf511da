// Rules for the formation lessons: what the first of them do to a new student.
#include "content/data_check/data_check.h"
#include "content/data_check/new_school.h"

#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "platform/services/silent_services.h"
#include "students/abilities.h"
#include "students/mng_student_support.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

namespace {

// New students bring formation levels 0 to 3.
constexpr std::int16_t kNewFormationLevels[] = {0, 1, 2, 3};
constexpr std::int16_t kNewToughness = 15;
constexpr int kLessons = 2000;
// A risk, not a sentence: per lesson, at most this share of new students
// hurt, this many days on average and this many at the longest.
constexpr double kMostHurt = 0.25, kMostMeanDays = 5;
constexpr int kLongestDays = 40;

struct Harm {
    double hurtShare = 0, meanDays = 0;
    int longest = 0;
};

std::string daysText(double days) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", days);
    return text;
}

// A new student with every formation at `level` taking the lesson, period 1
// on Monday, kLessons times over, as new, healed and rested before each.
Harm harmOf(NewSchool& school, const clsClass& lesson, std::int16_t level) {
    studentstest::StudentShape shape;
    shape.physical = 100;
    shape.abilities = {
        {1, ability::kPhysical, 20}, {3, ability::kPhysical, 20}, {3, ability::kToughness, kNewToughness}};
    for (std::int16_t n = ability::kAggressive; n <= ability::kSurprise; ++n) {
        shape.abilities.push_back({1, n, level});
        shape.abilities.push_back({3, n, std::max<std::int16_t>(level, 3)});
    }
    studentstest::loadLists(school.manager, {studentstest::studentLine(shape)});
    clsStudent& student = studentstest::studentOf(school.manager, shape.name);
    auto slot = student.GetClassSchedule(1, 1);
    slot->ClassName(lesson.Name());
    slot->ClassTeacher(school.bestTeacherFor(ability::lowestIn(lesson.BigEffect())));
    slot->ClassType(clsClassSchedule::WholeClass);

    Harm harm;
    int hurt = 0;
    long days = 0;
    const std::string abilities = studentstest::abilityText(shape.abilities);
    for (int i = 0; i < kLessons; ++i) {
        student.SetStudentData(abilities); // what the last lesson taught is forgotten
        student.Injury(0);
        student.Physical(100);
        student.Dissatisfaction(0);
        school.manager.Study(1, 1);
        if (student.Injury() > 0) ++hurt;
        days += student.Injury();
        harm.longest = std::max<int>(harm.longest, student.Injury());
    }
    harm.hurtShare = static_cast<double>(hurt) / kLessons;
    harm.meanDays = static_cast<double>(days) / kLessons;
    return harm;
}

} // namespace

QUORVEL_DATA_RULE("a whole-class formation lesson is a risk, not a sentence, for a new student",
                  [](const MasterData& data, Findings& findings) {
                      ScopedSilentServices silent;
                      std::unique_ptr<NewSchool> school;
                      try {
                          school = std::make_unique<NewSchool>(data);
                      } catch (const std::exception& e) {
                          findings.add(std::string("the new school does not load: ") + e.what());
                          return;
                      }
                      for (const auto& row : data.rows(GameDataSection::Lessons)) {
                          const clsClass& lesson = school->lessons.GetClass(host::text::toWide(row[0]));
                          // Lessons for single students are the player's choice; the others
                          // reach every student of the class.
                          if (!ability::holdsFormation(lesson.BigEffect()) || lesson.Individual()) continue;
                          for (std::int16_t level : kNewFormationLevels) {
                              const Harm harm = harmOf(*school, lesson, level);
                              if (harm.hurtShare > kMostHurt || harm.meanDays > kMostMeanDays ||
                                  harm.longest > kLongestDays)
                                  findings.add("lesson " + lesson.Name() + " at formation level " +
                                               std::to_string(level) + ": " +
                                               std::to_string(static_cast<int>(harm.hurtShare * 100)) +
                                               "% hurt, " + daysText(harm.meanDays) +
                                               " days a lesson on average, up to " +
                                               std::to_string(harm.longest));
                          }
                      }
                  });
