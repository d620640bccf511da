#pragma once

#include "students/lessons/cls_mng_class.h"
#include "students/lessons/study_info_provider.h"
#include "students/roster/cls_mng_student.h"
#include "students/teachers/cls_fix_teacher_data.h"
#include "students/teachers/cls_get_teacher_effect.h"
#include "students/teachers/cls_teacher_data.h"

#include <map>
#include <string>
#include <vector>

namespace studentstest {

// A class item as the item store would describe it.
struct ClassItem {
    std::int32_t effect = 0;
    std::int16_t risk = 0;
    int held = 1;
};

// Stands in for the facade's answer to a lesson record: the contracted
// teachers, the lesson catalogue, the held class items and the compatibility
// tables fill the record, then the lesson formula runs.
class FakeFacade : public StudyInfoProvider {
  public:
    explicit FakeFacade(clsMngStudent& manager) : manager_(manager) { manager_.SetStudyInfoProvider(this); }
    ~FakeFacade() override { manager_.SetStudyInfoProvider(nullptr); }

    void GetStudyInfo(clsClassEffect& cInfo) override {
        asked.push_back(cInfo.ClassName() + "/" + std::to_string(cInfo.Character()));
        const auto teacher = teachers.find(cInfo.TeacherName());
        if (teacher == teachers.end()) return;
        cInfo.Class(lessons.GetClass(cInfo.ClassName()));
        const auto item = items.find(cInfo.ClassItem());
        if (item != items.end() && item->second.held > 0) {
            cInfo.ItemEffect(item->second.effect);
            cInfo.ItemRisk(item->second.risk);
        }
        clsGetTeacherEffect key;
        key.ClassType(cInfo.ClassType());
        key.StudentChara(cInfo.Character());
        key.TeacherChara(teacher->second.Character());
        key.TeacherPolicy(teacher->second.Policy());
        cInfo.TeacherEffect(teacher->second.SkillAbility(cInfo.ClassEffectAsBit())
                                ? static_cast<std::int16_t>(tables.GetTeacherPolicy(key) + 7)
                                : tables.GetTeacherEffect(key));
        cInfo.TeacherAbility(teacher->second.AbilityAsENUM(cInfo.ClassEffect()));
        manager_.SetStudy(cInfo, month, nurseOffice);
    }

    void addTeacher(const std::string& row) {
        clsTeacherData teacher;
        teacher.SetData(row);
        teachers[teacher.Name()] = teacher;
    }

    clsMngClass lessons;
    std::map<std::string, clsTeacherData> teachers;
    std::map<std::string, ClassItem> items;
    clsFixTeacherData tables;
    std::int16_t month = 6;
    bool nurseOffice = false;
    std::vector<std::string> asked;

  private:
    clsMngStudent& manager_;
};

// A teacher row: name, character, policy, the same level in every ability, skills.
inline std::string teacherRow(const std::string& name, int character, int policy, int level, int skills) {
    std::string row = name + "," + std::to_string(character) + "," + std::to_string(policy) + ",40,2";
    for (int n = 1; n <= 17; ++n)
        row += "," + std::to_string(level);
    return row + "," + std::to_string(skills);
}

// A lesson row: name, physical cost, base points, need, risk, main and side ability bits.
inline std::string lessonRow(const std::string& name, int physical, int base, int need, int risk, int big,
                             int small) {
    return name + "," + std::to_string(physical) + "," + std::to_string(base) + "," + std::to_string(need) +
           "," + std::to_string(risk) + "," + std::to_string(big) + "," + std::to_string(small) +
           ",1,False,校庭,";
}

} // namespace studentstest
