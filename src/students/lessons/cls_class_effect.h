#pragma once

#include "students/lessons/cls_class.h"
#include "students/lessons/cls_class_schedule.h"

#include <cstdint>
#include <memory>
#include <string>

// One student's lesson in one period: the student's own timetable slot and
// character, and what the facade fills in from the lesson catalogue, the
// teacher, the compatibility tables and the class item. The lesson row is
// the catalogue's own, the slot the student's own; reading a value of
// either before it is set raises the object-not-set error.
class clsClassEffect {
  public:
    std::int16_t ItemRisk() const { return itemRisk_; }
    void ItemRisk(std::int16_t value) { itemRisk_ = value; }
    // 1 percentage, 2 flat points, 0 none (bits 17..31 of the item effect).
    std::int32_t ItemMethod() const;
    // Bits 1..16 of the item effect.
    std::int32_t ItemData() const;
    void ItemEffect(std::int32_t value) { itemEffect_ = value; }
    const std::string& ClassItem() const { return schedule().UseItem(); }
    std::int16_t ClassRisk() const { return lesson().Strength(); }
    std::int16_t ClassNeedPoint() const { return lesson().NeedPoint(); }
    std::int16_t ClassPhysical() const { return lesson().Physical(); }
    std::int32_t ClassEffect() const { return lesson().BigEffect(); }
    // The lesson's target ability: the lowest of 1..17 in ClassEffect; 0 when none.
    std::int16_t ClassEffectAsBit() const;
    std::int32_t ClassSubEffect() const { return lesson().SmallEffect(); }
    std::int16_t ClassEffectPoint() const { return lesson().BasePoint(); }
    const std::string& TeacherName() const { return schedule().ClassTeacher(); }
    const std::string& ClassName() const { return schedule().ClassName(); }
    std::int32_t ClassType() const { return schedule().ClassType(); }
    std::int16_t TeacherAbility() const { return teacherAbility_; }
    void TeacherAbility(std::int16_t value) { teacherAbility_ = value; }
    // Compatibility of teacher and student; 5 is neutral.
    std::int16_t TeacherEffect() const { return teacherEffect_; }
    void TeacherEffect(std::int16_t value) { teacherEffect_ = value; }
    std::int32_t Character() const { return character_; }
    void Character(std::int32_t value) { character_ = value; }
    void Class(const clsClass& value) { class_ = &value; }
    void Schedule(std::shared_ptr<clsClassSchedule> value) { schedule_ = std::move(value); }

  private:
    const clsClass& lesson() const;
    const clsClassSchedule& schedule() const;

    std::shared_ptr<clsClassSchedule> schedule_;
    std::int32_t character_ = 0;
    const clsClass* class_ = nullptr;
    std::int32_t itemEffect_ = 0;
    std::int16_t itemRisk_ = 0;
    std::int16_t teacherEffect_ = 0;
    std::int16_t teacherAbility_ = 0;
};
