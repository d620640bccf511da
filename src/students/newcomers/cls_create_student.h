#pragma once

#include "students/newcomers/cls_create_student_data.h"
#include "students/student/cls_student.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// Makes new students at random from a batch's inputs: origin, age, growth
// type, character, condition, medicine values, traits and abilities.
class clsCreateStudent {
  public:
    std::unique_ptr<clsStudent> GetStudent(const clsCreateStudentData& data) const;

  private:
    enum class Family { Early, Normal, Late, Special };

    // Trait bits 1..15 drawn for an origin.
    static std::int32_t GetOriginSkill(std::string_view origin);
    // The four ability blocks: levels, zeros, natures, zeros.
    static std::string GetAbilityText(std::int16_t grade, std::string_view origin, std::int16_t age);
    // The occupation bonus of ability index i (0..16), drawn.
    static std::int16_t GetOccupationAbility(std::string_view origin, int i);
    static std::string GetGrowthType(std::int32_t growthClass);
    static std::string DrawEarlyGrowth();
    static std::string DrawNormalGrowth();
    static std::string DrawLateGrowth();
    static std::string DrawSpecialGrowth();
    static std::string DrawLowOrigin();
    static std::string DrawMiddleOrigin();
    static std::string DrawHighOrigin();
    static std::string GetComingFrom(std::int32_t occupation, bool middlePlace, bool hiPlace);
    static std::int16_t DrawAgeBand1();
    static std::int16_t DrawAgeBand2();
    static std::int16_t DrawAgeBand3();
    static std::int16_t GetAge(std::int32_t ageClass);
};
