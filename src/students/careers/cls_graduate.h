#pragma once

#include "students/abilities.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A student who graduated into a course: personal data, the current course
// with its changes, and the present and nature levels of the seventeen
// abilities, which go on growing month by month by the course's favour.
class clsGraduate {
  public:
    // "Name;Age;Character;ComingFrom;Course;changes;present;nature;year",
    // the two ability lists joined by ":".
    std::string GetSaveData() const;
    // Name and origin are widened. Fewer than nine fields, fewer than 17
    // values in a list or a field that does not convert fail with the
    // runtime's error and leave the graduate unchanged.
    void SetSaveData(std::string_view text);
    void CourseChange(std::int32_t target);
    // The monthly growth: favoured abilities of the course rise often and up
    // to their nature, the others seldom and only by luck.
    void AbilityUp();
    // Present level 1..17; 0 for any other number.
    std::int16_t GetAbility(std::int16_t number) const;
    // Any other number than 1..17 shows a message and changes nothing.
    void SetNatureAbility(std::int16_t number, std::int16_t value);
    void SetPresentAbility(std::int16_t number, std::int16_t value);

    const std::string& Name() const { return name_; }
    void Name(std::string value) { name_ = std::move(value); }
    std::int16_t Age() const { return age_; }
    void Age(std::int16_t value) { age_ = value; }
    std::int32_t Character() const { return character_; }
    void Character(std::int32_t value) { character_ = value; }
    const std::string& ComingFrom() const { return comingFrom_; }
    void ComingFrom(std::string value) { comingFrom_ = std::move(value); }
    std::int32_t Course() const { return course_; }
    void Course(std::int32_t value) { course_ = value; }
    // True while fewer than two career changes were made.
    bool Change() const { return changeCount_ < 2; }
    std::int16_t GraduateYear() const { return graduateYear_; }
    void GraduateYear(std::int16_t value) { graduateYear_ = value; }

  private:
    using Abilities = std::array<std::int16_t, ability::kCount>;

    static bool holds(std::int16_t number) { return number >= 1 && number <= ability::kCount; }
    static std::size_t at(std::int16_t number) { return static_cast<std::size_t>(number - 1); }

    void RaiseAbility(std::int16_t number);
    std::int16_t GetNatureAbility(std::int16_t number) const;
    static Abilities SetAbilityList(std::string_view text);
    static std::string GetAbilityList(const Abilities& values);

    std::string name_;
    std::int16_t age_ = 0;
    std::int32_t character_ = 0;
    std::string comingFrom_;
    std::int32_t course_ = 0;
    std::int16_t changeCount_ = 0;
    std::int16_t graduateYear_ = 0;
    Abilities present_{};
    Abilities nature_{};
};
