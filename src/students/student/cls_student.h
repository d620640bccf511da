#pragma once

#include "host/runtime/collection.h"
#include "host/runtime/event.h"
#include "platform/records/cls_get_grid_data.h"
#include "platform/records/cls_passage_data.h"
#include "students/lessons/cls_class_schedule.h"
#include "students/lessons/cls_mng_schedule.h"
#include "students/student/cls_student_data.h"
#include "students/student/cls_use_consume_item.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// One student: personal data, physical strength, condition, dissatisfaction,
// injury, medicine load, course, skills, the personal weekly timetable and the
// seventeen abilities, with the student's own day-to-day rules.
class clsStudent {
  public:
    // Messages of the student and, prefixed with "Name の", of its abilities.
    host::runtime::Event<std::string> Report;

    clsStudent();
    clsStudent(const clsStudent&) = delete;
    clsStudent& operator=(const clsStudent&) = delete;

    // The 18 fields joined by "@" (abilities and timetable in their own
    // save texts). Fewer than 18 fields or a field that does not convert fail
    // with the runtime's error and leave the student unchanged.
    void SetSaveData(std::string_view text);
    std::string GetSaveData() const;

    bool CheckClassTeacher(const std::string& name) const;
    bool CheckClass(std::int16_t ClassNum, const host::runtime::Collection<clsPassageData>& clTeacher,
                    const host::runtime::Collection<clsGetGridData>& clItem);

    void ForwordYear();
    // Injury countdown and the condition's walk; blBath has no influence.
    void ForwordDay(bool blBath);

    clsGetGridData GetExperienceAsNumber() const { return cStudentData_.GetExperienceAsNumber(); }
    std::int16_t GetAbility(std::int16_t n) const { return cStudentData_.GetAbility(n); }
    std::int16_t GetNatureAbility(std::int16_t n) const { return cStudentData_.GetNatureAbility(n); }
    clsGetGridData GetAbilityDetail() const { return cStudentData_.GetAbilityDetail(); }
    std::int16_t GetOffense(std::string_view UnitType) const { return cStudentData_.GetOffense(UnitType); }
    std::int16_t GetDefense(std::string_view UnitType) const { return cStudentData_.GetDefense(UnitType); }
    std::int16_t GetLineUnderStanding(std::string_view MainType, std::string_view SubType) const {
        return cStudentData_.GetLineUnderStanding(MainType, SubType);
    }
    void GetExperience(std::int32_t DataType, std::int32_t Target, std::int16_t Count) {
        cStudentData_.GetExperience(DataType, Target, Count);
    }
    std::int16_t GetStudentData(std::int32_t GetStudentDataType, std::int32_t Target) const {
        return cStudentData_.GetStudentData(GetStudentDataType, Target);
    }
    void SetStudentData(std::string_view text) { cStudentData_.SetData(text); }

    // A new loose copy of personal slot Number (0..39) carrying the student's
    // name and the slot number; DayofWeek and ClassType stay 0.
    std::shared_ptr<clsClassSchedule> GetSchedule(std::int16_t Number) const;
    std::shared_ptr<clsClassSchedule> GetClassSchedule(std::int16_t DayofWeek, std::int16_t Number) const {
        return cMngSchedule_.GetClassSchedule(DayofWeek, Number);
    }
    void SetClassSchedule(std::int16_t DayofWeek, std::int16_t Number,
                          std::shared_ptr<clsClassSchedule> pSchedule) {
        cMngSchedule_.SetClassSchedule(DayofWeek, Number, std::move(pSchedule));
    }

    void UseConsumeItem(const clsUseConsumeItem& cItem);

    void ThinkCourse();
    void SetCourseChange(std::int32_t Course);

    // The methods of CalcPhysical and CalcDissatisfaction.
    static constexpr std::int32_t CalcAdd = 1;
    static constexpr std::int32_t CalcSubtract = 2;
    static constexpr std::int32_t CalcDivide = 3;
    static constexpr std::int32_t CalcRecoverShare = 5;

    // Methods: add, subtract, recover a percentage of MaxPhysical; the result
    // is kept within 0..MaxPhysical. A Value of 0 does nothing.
    void CalcPhysical(std::int32_t pMethod, std::int16_t Value);
    // Methods: add (at most 100), subtract (at least 0), divide.
    void CalcDissatisfaction(std::int32_t pMethod, std::int16_t Value);

    bool HoldSkill(std::int32_t n) const;
    void GetSkill(std::int32_t n);
    void LostSkill(std::int32_t n);
    void SetSkill(std::int32_t bits) { skills_ = bits; }

    // Spreads Count lesson points over the abilities set in StudentEffect;
    // PresentValue (the growth value) splits them between present and nature.
    void ClassEffect(std::int32_t StudentEffect, std::int16_t Count, std::int16_t PresentValue);

    const std::string& Name() const { return name_; }
    void Name(std::string value) { name_ = std::move(value); }
    std::int16_t Age() const { return age_; }
    void Age(std::int16_t value) { age_ = value; }
    std::int16_t SchoolYear() const { return schoolYear_; }
    void SchoolYear(std::int16_t value) { schoolYear_ = value; }
    std::int32_t Character() const { return character_; }
    void Character(std::int32_t value) { character_ = value; }
    const std::string& Growth() const { return growth_; }
    void Growth(std::string value) { growth_ = std::move(value); }
    const std::string& ComingFrom() const { return comingFrom_; }
    void ComingFrom(std::string value) { comingFrom_ = std::move(value); }
    std::int16_t Condition() const { return condition_; }
    void Condition(std::int16_t value) { condition_ = value; }
    std::int16_t Physical() const { return physical_; }
    void Physical(std::int16_t value) { physical_ = value; }
    std::int16_t Dissatisfaction() const { return dissatisfaction_; }
    void Dissatisfaction(std::int16_t value) { dissatisfaction_ = value; }
    std::int16_t MedicTolerance() const { return medicTolerance_; }
    void MedicTolerance(std::int16_t value) { medicTolerance_ = value; }
    std::int16_t MedicUpper() const { return medicUpper_; }
    void MedicUpper(std::int16_t value) { medicUpper_ = value; }
    std::int16_t Injury() const { return injury_; }
    void Injury(std::int16_t value) { injury_ = value; }
    std::int16_t MaxPhysical() const { return cStudentData_.MaxPhysical(); }
    std::int32_t Course() const { return course_; }
    bool CourseFLG() const { return courseFLG_; }

  private:
    std::int16_t ApplyConditionModifier(std::int16_t points) const;
    std::int16_t ApplyTraitModifier(std::int32_t n, std::int16_t points) const;
    std::int32_t DecideCourseByOrigin() const;
    void report(std::string message) { Report.raise(message); }

    std::string name_;
    std::int16_t age_ = 0;
    std::int16_t schoolYear_ = 0;
    std::int32_t character_ = 0;
    std::string growth_;
    std::string comingFrom_;
    std::int16_t condition_ = 0;
    std::int16_t physical_ = 0;
    std::int16_t dissatisfaction_ = 0;
    std::int16_t medicTolerance_ = 0;
    std::int16_t medicUpper_ = 0;
    std::int16_t injury_ = 0;
    bool courseFLG_ = false;
    std::int32_t course_ = 0;
    bool conditionImproving_ = true;
    std::int32_t skills_ = 0;
    clsMngSchedule cMngSchedule_;
    clsStudentData cStudentData_;
};
