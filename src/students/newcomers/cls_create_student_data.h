#pragma once

#include "students/scouts/cls_scout_data.h"

#include <cstdint>
#include <optional>
#include <string>

// The inputs of one batch of new students: the scout whose row decides the
// families, age, growth and ability of the students brought, the school's two
// place flags and the name of the student to make next.
class clsCreateStudentData {
  public:
    // 6, or the scout's Number when it is above 5 or the school has more than
    // one school year; the object-not-set error without a scout.
    std::int16_t GetNumber() const;
    // The scout's classes and grade; 1, 0, 0 and 0 without a scout.
    std::int32_t Occupation() const;
    std::int32_t Age() const;
    std::int32_t Growth() const;
    std::int16_t Ability() const;

    std::int16_t BoomAVG() const { return boomAVG_; }
    void BoomAVG(std::int16_t value) { boomAVG_ = value; }
    const std::string& StudentName() const { return studentName_; }
    void StudentName(std::string value) { studentName_ = std::move(value); }
    bool MiddlePlaceFLG() const { return middlePlaceFLG_; }
    void MiddlePlaceFLG(bool value) { middlePlaceFLG_ = value; }
    bool HiPlaceFLG() const { return hiPlaceFLG_; }
    void HiPlaceFLG(bool value) { hiPlaceFLG_ = value; }
    void Scout(clsScoutData value) { scout_ = std::move(value); }
    void SchoolYear(std::int16_t value) { schoolYear_ = value; }

  private:
    std::int16_t schoolYear_ = 0;
    std::int16_t boomAVG_ = 0;
    std::string studentName_;
    bool middlePlaceFLG_ = false;
    bool hiPlaceFLG_ = false;
    std::optional<clsScoutData> scout_;
};
