#pragma once

#include "platform/records/cls_get_grid_data.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// One teacher of the catalogue: character, teaching policy, age and contract
// length when first offered, levels in the seventeen abilities and special
// skills 1..12. Rows never change during play.
class clsTeacherData {
  public:
    static constexpr int AbilityCount = 17;

    std::int32_t GetTeacherSkill() const { return skills_; }
    // "Name,Character,Policy,Age,Period,17 levels,skills"; the name is widened.
    // Fewer than 23 fields or a field that does not convert fail with the
    // runtime's error and change nothing.
    void SetData(std::string_view row);
    bool HoldSkill(std::int32_t n) const;
    // True when the teacher holds the skill that matches ability n.
    bool SkillAbility(std::int32_t n) const;
    // The level in the lowest ability whose bit (1..17) is set; 0 when none is.
    std::int16_t AbilityAsENUM(std::int32_t bits) const;
    // Cells 0..16: the levels of abilities 1..17.
    clsGetGridData GetDataDetail() const;
    // The level in ability 1..17; any other number shows a message and gives 0.
    std::int16_t GetAbility(std::int16_t n) const;
    // Per contract year: one hundred per 30 levels of abilities 1..14 and per
    // 4 levels of the formation abilities, and a thousand per skill.
    std::int32_t Salary() const;

    const std::string& Name() const { return name_; }
    std::int32_t Character() const { return character_; }
    std::int32_t Policy() const { return policy_; }
    std::int16_t Age() const { return age_; }
    std::int16_t Period() const { return period_; }
    std::int16_t Physical() const { return level(1); }
    std::int16_t Muscle() const { return level(2); }
    std::int16_t Quickness() const { return level(3); }
    std::int16_t Technique() const { return level(4); }
    std::int16_t Intention() const { return level(5); }
    std::int16_t Toughness() const { return level(6); }
    std::int16_t Charm() const { return level(7); }
    std::int16_t Luck() const { return level(8); }
    std::int16_t Propriety() const { return level(9); }
    std::int16_t History() const { return level(10); }
    std::int16_t Fencing() const { return level(11); }
    std::int16_t Spearmanship() const { return level(12); }
    std::int16_t Toxophily() const { return level(13); }
    std::int16_t Horsemanship() const { return level(14); }
    std::int16_t Aggresive() const { return level(15); }
    std::int16_t Protect() const { return level(16); }
    std::int16_t Surpise() const { return level(17); }

  private:
    std::int16_t level(int n) const { return levels_[static_cast<std::size_t>(n - 1)]; }

    std::string name_;
    std::int32_t character_ = 0;
    std::int32_t policy_ = 0;
    std::int16_t age_ = 0;
    std::int16_t period_ = 0;
    std::array<std::int16_t, AbilityCount> levels_{};
    std::int32_t skills_ = 0;
};
