#pragma once

#include "host/runtime/strings.h"
#include "students/abilities.h"
#include "students/lessons/lesson_record.h"
#include "students/lessons/study_info_provider.h"
#include "students/roster/cls_mng_student.h"

#include <map>
#include <string>
#include <vector>

namespace studentstest {

// Stands in for the facade's answer to a lesson record: it supplies the
// contracted teachers, the lesson catalogue, the held class items and the
// compatibility tables, and runs the lesson formula on every filled record.
class FakeFacade : public StudyInfoProvider {
  public:
    explicit FakeFacade(clsMngStudent& manager) : manager_(manager) { manager_.setStudyInfoProvider(this); }
    ~FakeFacade() override { manager_.setStudyInfoProvider(nullptr); }

    void GetStudyInfo(clsClassEffect& cInfo) override {
        asked.push_back(cInfo.ClassName() + "/" + std::to_string(cInfo.Character()));
        const auto stock = [this](const std::string& item) {
            const auto found = items.find(item);
            return found == items.end() ? ClassItemStock{} : found->second;
        };
        if (fillLessonRecord(cInfo, teachers, lessons, tables, stock))
            manager_.SetStudy(cInfo, month, nurseOffice);
    }

    // Puts a catalogue row under contract.
    void addTeacher(const std::string& row) {
        teachers.SetTeacherData(row);
        contracts_.push_back(row.substr(0, row.find(',')) + ":30:2:0");
        teachers.SetSaveData("/" + host::runtime::Join(contracts_, "\r\n"));
    }

    clsMngClass lessons;
    clsMngTeacher teachers;
    std::map<std::string, ClassItemStock> items;
    clsFixTeacherData tables;
    std::int16_t month = 6;
    bool nurseOffice = false;
    std::vector<std::string> asked;

  private:
    clsMngStudent& manager_;
    std::vector<std::string> contracts_;
};

// A teacher row: name, character, policy, the same level in every ability, skills.
inline std::string teacherRow(const std::string& name, int character, int policy, int level, int skills) {
    std::string row = name + "," + std::to_string(character) + "," + std::to_string(policy) + ",40,2";
    for (int n = 1; n <= ability::kCount; ++n)
        row.append(",").append(std::to_string(level));
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
