#pragma once

#include "battle/catalogue/battle_fixture.h"
#include "battle/catalogue/cls_lines.h"
#include "host/runtime/collection.h"
#include "students/abilities.h"
#include "students/roster/cls_unit_data.h"
#include "students/student/cls_student.h"
#include "students/students_support.h"
#include "students/traits.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace battletest {

// Formations with round shares: "平陣" four swordsmen at full share and an
// archer at half; "弓陣" two archers, then three swordsmen; "零陣" no speed
// and a negative defence bonus.
inline const std::string kTeamLines = "平陣,攻撃,剣士,4,2,1,40,20\r\n"
                                      "弓陣,奇襲,弓兵,0,0,0,30,10\r\n"
                                      "零陣,防御,槍兵,0,0,-5,0,10";
inline const std::string kTeamLineSkills = "平陣,連撃\r\n"
                                           "平陣,ﾂﾊﾞﾒ返し";
inline const std::string kTeamLineDatas = "平陣,1,5,3,剣士,1,1,1\r\n"
                                          "平陣,2,4,2,剣士,1,1,1\r\n"
                                          "平陣,3,4,4,剣士,1,1,1\r\n"
                                          "平陣,4,3,3,剣士,1,1,1\r\n"
                                          "平陣,5,2,3,弓兵,0.5,0.5,0.5\r\n"
                                          "弓陣,1,5,3,弓兵,1,1,1\r\n"
                                          "弓陣,2,4,3,弓兵,1,1,1\r\n"
                                          "弓陣,3,3,3,剣士,1,1,1\r\n"
                                          "弓陣,4,2,3,剣士,1,1,1\r\n"
                                          "弓陣,5,1,3,剣士,1,1,1\r\n"
                                          "零陣,1,5,3,槍兵,1,1,1\r\n"
                                          "零陣,2,4,3,槍兵,1,1,1\r\n"
                                          "零陣,3,3,3,槍兵,1,1,1\r\n"
                                          "零陣,4,2,3,槍兵,1,1,1\r\n"
                                          "零陣,5,1,3,槍兵,1,1,1";
// Twelve schools of rank 3 between three of rank 0.
inline const std::string kTeamSchools = "零校天,0,弓陣,0\r\n"
                                        "三校甲,3,平陣,0\r\n三校乙,3,平陣,0\r\n三校丙,3,平陣,0\r\n"
                                        "零校地,0,弓陣,0\r\n"
                                        "三校丁,3,平陣,0\r\n三校戊,3,平陣,0\r\n三校己,3,平陣,0\r\n"
                                        "三校庚,3,平陣,0\r\n三校辛,3,平陣,0\r\n三校壬,3,平陣,0\r\n"
                                        "三校癸,3,平陣,0\r\n三校子,3,平陣,0\r\n三校丑,3,平陣,0\r\n"
                                        "零校人,0,弓陣,0";

inline void loadTeamFixture(clsLines& lines) {
    lines.SetSkillData(kSkills);
    lines.SetLines(kTeamLines);
    lines.SetLineSkills(kTeamLineSkills);
    lines.SetLineDatas(kTeamLineDatas);
    lines.SetSchool(kTeamSchools);
    lines.SetMonster(kMonsters);
    lines.SetMonsterSkill(kMonsterSkills);
    lines.SetRegulation(kRegulations);
    lines.SetPrize(kPrizes);
}

// A student by the abilities the strength reads (present levels).
struct Member {
    std::string name = {};
    std::int16_t physical = 20;
    std::int16_t muscle = 0;
    std::int16_t quickness = 0;
    std::int16_t technique = 0;
    std::int16_t intention = 0;
    std::int16_t toughness = 0;
    std::int16_t fencing = 0;
    // Twice the understanding of "攻撃" formations of swordsmen.
    std::int16_t aggressive = 0;
    std::int16_t condition = 0;
    std::vector<std::int32_t> traits = {};
};

// A saved team of real students at positions 1..5 (an empty name leaves the position vacant).
struct Team {
    std::vector<std::unique_ptr<clsStudent>> students;
    host::runtime::Collection<const clsStudent*> members;
    clsUnitData unit;

    Team(const std::string& lineName, const std::vector<Member>& byPosition) {
        unit.LineName(lineName);
        for (std::size_t i = 0; i < byPosition.size(); ++i) {
            const Member& m = byPosition[i];
            if (m.name.empty()) continue;
            auto student = std::make_unique<clsStudent>();
            student->Name(m.name);
            student->SetStudentData(studentstest::abilityText({
                {1, ability::kPhysical, m.physical},
                {1, ability::kMuscle, m.muscle},
                {1, ability::kQuickness, m.quickness},
                {1, ability::kTechnique, m.technique},
                {1, ability::kIntention, m.intention},
                {1, ability::kToughness, m.toughness},
                {1, ability::kFencing, m.fencing},
                {1, ability::kAggressive, m.aggressive},
            }));
            student->Condition(m.condition);
            std::int32_t bits = 0;
            for (std::int32_t t : m.traits)
                bits |= trait::bitOf(t);
            student->SetSkill(bits);
            unit.Lines(static_cast<std::int16_t>(i + 1), m.name);
            members.add(student.get(), m.name);
            students.push_back(std::move(student));
        }
    }
};

} // namespace battletest
