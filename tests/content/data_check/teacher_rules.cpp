// Rules for the teacher catalogue.
#include "content/data_check/data_check.h"

#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "students/abilities.h"
#include "students/lessons/cls_mng_class.h"
#include "students/teachers/cls_mng_teacher.h"
#include "students/teachers/cls_teacher_data.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kPolicyTables[] = {GameDataSection::IndividualPolicy, GameDataSection::ClassPolicy};
// Four offers a month beside the most teachers a school can hold.
constexpr std::size_t kEnoughTeachers = clsMngTeacher::MaxTeachers + 4;
// A student's level stops at 100, and at 25 in the three formation abilities.
constexpr int kMaxLevel = 100, kMaxFormationLevel = 25, kFirstFormation = 15;
constexpr std::int32_t kSkillBits = (1 << 12) - 1;

// The catalogue rows as the game reads them; a row that does not load is
// left to the loading rule.
std::vector<clsTeacherData> teachersOf(const MasterData& data) {
    std::vector<clsTeacherData> teachers;
    for (const auto& line : host::runtime::Split(data.sections.section[GameDataSection::Teachers], "\r\n")) {
        clsTeacherData teacher;
        try {
            teacher.SetData(line);
        } catch (const std::exception&) {
            continue;
        }
        teachers.push_back(teacher);
    }
    return teachers;
}

// The columns of values every row of a compatibility table has (the first
// field is the row's label).
int columnsOf(const MasterData& data, int section) {
    const auto rows = data.rows(section);
    if (rows.empty()) return 0;
    std::size_t columns = rows.front().size();
    for (const auto& row : rows)
        columns = std::min(columns, row.size());
    return static_cast<int>(columns) - 1;
}

// The starting teachers with the age each is contracted at.
const std::map<std::string, int> kStartingTeachers = {{"シオドア", 32}, {"マリオン", 54}, {"ロスコウ", 57}};

} // namespace

QUORVEL_DATA_RULE("teachers load as the game loads them", [](const MasterData& data, Findings& findings) {
    try {
        clsMngTeacher roster;
        roster.SetTeacherData(data.sections.section[GameDataSection::Teachers]);
    } catch (const std::exception& e) {
        findings.add(std::string("teachers: ") + e.what());
    }
    for (const auto& row : data.rows(GameDataSection::Teachers))
        if (row.size() != 23)
            findings.add("teacher " + row[0] + ": " + std::to_string(row.size()) + " fields");
});

QUORVEL_DATA_RULE("enough teachers for four offers a month beside ten under contract",
                  [](const MasterData& data, Findings& findings) {
                      const auto count = teachersOf(data).size();
                      if (count < kEnoughTeachers)
                          findings.add(std::to_string(count) + " teachers, fewer than " +
                                       std::to_string(kEnoughTeachers));
                  });

QUORVEL_DATA_RULE("every teacher's character and policy are columns of the compatibility tables, and "
                  "each character and policy is held by some teacher",
                  [](const MasterData& data, Findings& findings) {
                      const int characters = columnsOf(data, GameDataSection::TeacherCharacter);
                      int policies = columnsOf(data, kPolicyTables[0]);
                      policies = std::min(policies, columnsOf(data, kPolicyTables[1]));
                      std::set<int> heldCharacters, heldPolicies;
                      for (const clsTeacherData& teacher : teachersOf(data)) {
                          if (teacher.Character() < 1 || teacher.Character() > characters)
                              findings.add("teacher " + teacher.Name() + ": character " +
                                           std::to_string(teacher.Character()) + " outside 1.." +
                                           std::to_string(characters));
                          if (teacher.Policy() < 1 || teacher.Policy() > policies)
                              findings.add("teacher " + teacher.Name() + ": policy " +
                                           std::to_string(teacher.Policy()) + " outside 1.." +
                                           std::to_string(policies));
                          heldCharacters.insert(teacher.Character());
                          heldPolicies.insert(teacher.Policy());
                      }
                      for (int c = 1; c <= characters; ++c)
                          if (!heldCharacters.count(c))
                              findings.add("no teacher has character " + std::to_string(c));
                      for (int p = 1; p <= policies; ++p)
                          if (!heldPolicies.count(p))
                              findings.add("no teacher has policy " + std::to_string(p));
                  });

QUORVEL_DATA_RULE("teachers' ages, contract lengths, levels and skills are in range",
                  [](const MasterData& data, Findings& findings) {
                      for (const clsTeacherData& teacher : teachersOf(data)) {
                          const std::string who = "teacher " + teacher.Name();
                          if (teacher.Age() < 20 || teacher.Age() > 75)
                              findings.add(who + ": age " + std::to_string(teacher.Age()));
                          if (teacher.Period() < 1 || teacher.Period() > 5)
                              findings.add(who + ": contract of " + std::to_string(teacher.Period()) +
                                           " years");
                          const auto levels = teacher.GetDataDetail();
                          for (std::int16_t n = 1; n <= ability::kCount; ++n) {
                              const int level = std::stoi(levels.Data(static_cast<std::int16_t>(n - 1)));
                              const int most = n >= kFirstFormation ? kMaxFormationLevel : kMaxLevel;
                              if (level < 0 || level > most)
                                  findings.add(who + ": ability " + std::to_string(n) + " at " +
                                               std::to_string(level));
                          }
                          if ((teacher.GetTeacherSkill() & ~kSkillBits) != 0)
                              findings.add(who + ": skill bits " + std::to_string(teacher.GetTeacherSkill()));
                      }
                  });

QUORVEL_DATA_RULE("the starting teachers are in the catalogue at their starting ages",
                  [](const MasterData& data, Findings& findings) {
                      std::map<std::string, int> ages;
                      for (const clsTeacherData& teacher : teachersOf(data))
                          ages[teacher.Name()] = teacher.Age();
                      for (const auto& [name, age] : kStartingTeachers) {
                          auto it = ages.find(name);
                          if (it == ages.end())
                              findings.add("no teacher " + name);
                          else if (it->second != age)
                              findings.add(name + " is " + std::to_string(it->second) +
                                           " in the catalogue, " + std::to_string(age) + " at the start");
                      }
                  });

QUORVEL_DATA_RULE("the starting teachers can give the lessons of the first timetable",
                  [](const MasterData& data, Findings& findings) {
                      const struct {
                          const char* lesson;
                          const char* teacher;
                      } booked[] = {{"ウォーキング", "マリオン"},
                                    {"初等攻撃陣形", "ロスコウ"},
                                    {"走りこみ", "ロスコウ"},
                                    {"素振り", "マリオン"}};
                      clsMngClass lessons;
                      clsMngTeacher roster;
                      try {
                          lessons.SetData(data.sections.section[GameDataSection::Lessons]);
                          roster.SetTeacherData(data.sections.section[GameDataSection::Teachers]);
                      } catch (const std::exception&) {
                          return; // reported by the loading rules
                      }
                      for (const auto& b : booked) {
                          try {
                              const clsClass& lesson = lessons.GetClass(b.lesson);
                              const int level =
                                  roster.GetTeacher(b.teacher).AbilityAsENUM(lesson.BigEffect());
                              if (level < lesson.NeedPoint())
                                  findings.add(std::string(b.teacher) + " is at " + std::to_string(level) +
                                               " in the ability of " + b.lesson + ", which needs " +
                                               std::to_string(lesson.NeedPoint()));
                          } catch (const std::exception&) {
                              // a missing lesson or teacher is reported by its own rule
                          }
                      }
                  });

QUORVEL_DATA_RULE("every lesson has a teacher at or above its need in the lesson's ability",
                  [](const MasterData& data, Findings& findings) {
                      const auto teachers = teachersOf(data);
                      clsMngClass lessons;
                      try {
                          lessons.SetData(data.sections.section[GameDataSection::Lessons]);
                      } catch (const std::exception&) {
                          return; // reported by the lessons' loading rule
                      }
                      for (const auto& row : data.rows(GameDataSection::Lessons)) {
                          const clsClass* lesson = nullptr;
                          try {
                              lesson = &lessons.GetClass(host::text::toWide(row[0]));
                          } catch (const std::exception&) {
                              continue;
                          }
                          const bool taught = std::any_of(
                              teachers.begin(), teachers.end(), [&](const clsTeacherData& teacher) {
                                  return teacher.AbilityAsENUM(lesson->BigEffect()) >= lesson->NeedPoint();
                              });
                          if (!taught)
                              findings.add("no teacher reaches the need " +
                                           std::to_string(lesson->NeedPoint()) + " of " + lesson->Name());
                      }
                  });
