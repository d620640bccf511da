#pragma once

#include "content/data_check/data_check.h"
#include "students/abilities.h"
#include "students/lessons/cls_mng_class.h"
#include "students/lessons/lesson_record.h"
#include "students/lessons/study_info_provider.h"
#include "students/roster/cls_mng_student.h"
#include "students/teachers/cls_fix_teacher_data.h"
#include "students/teachers/cls_mng_teacher.h"

#include <string>

// A month of lessons, away from the camps.
inline constexpr std::int16_t kNewSchoolLessonMonth = 6;

// The school of a new game: its starting teachers, the catalogue and the
// compatibility tables answer every lesson.
class NewSchool : public StudyInfoProvider {
  public:
    explicit NewSchool(const MasterData& data) {
        lessons.SetData(data.sections.section[GameDataSection::Lessons]);
        teachers.SetTeacherData(data.sections.section[GameDataSection::Teachers]);
        teachers.SetInitTeacher();
        tables.SetData(data.sections.compatibilityTables());
        manager.SetGrowth(data.sections.section[GameDataSection::Growth]);
        manager.setStudyInfoProvider(this);
    }
    ~NewSchool() override { manager.setStudyInfoProvider(nullptr); }

    void GetStudyInfo(clsClassEffect& cInfo) override {
        const auto noItems = [](const std::string&) { return ClassItemStock{}; };
        if (fillLessonRecord(cInfo, teachers, lessons, tables, noItems))
            manager.SetStudy(cInfo, kNewSchoolLessonMonth, false);
    }

    // The starting teacher best at the ability.
    std::string bestTeacherFor(std::int16_t ability) const {
        std::string best;
        std::int16_t level = -1;
        for (const auto& entry : teachers.GetContractTeacherName()) {
            const std::int16_t own = teachers.GetTeacher(entry.Name()).AbilityAsENUM(ability::bitOf(ability));
            if (own > level) {
                best = entry.Name();
                level = own;
            }
        }
        return best;
    }

    clsMngClass lessons;
    clsMngTeacher teachers;
    clsFixTeacherData tables;
    clsMngStudent manager;
};
