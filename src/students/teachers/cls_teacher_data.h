#pragma once

#include "platform/records/cls_get_grid_data.h"
#include "students/abilities.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// One teacher of the catalogue: character, teaching policy, age and contract
// length when first offered, levels in the seventeen abilities and special
// skills 1..12. Rows never change during play.
class clsTeacherData {
  public:
    static constexpr std::int32_t SkillCount = 12;

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
    std::int16_t Physical() const { return level(ability::kPhysical); }
    std::int16_t Muscle() const { return level(ability::kMuscle); }
    std::int16_t Quickness() const { return level(ability::kQuickness); }
    std::int16_t Technique() const { return level(ability::kTechnique); }
    std::int16_t Intention() const { return level(ability::kIntention); }
    std::int16_t Toughness() const { return level(ability::kToughness); }
    std::int16_t Charm() const { return level(ability::kCharm); }
    std::int16_t Luck() const { return level(ability::kLuck); }
    std::int16_t Propriety() const { return level(ability::kPropriety); }
    std::int16_t History() const { return level(ability::kHistory); }
    std::int16_t Fencing() const { return level(ability::kFencing); }
    std::int16_t Spearmanship() const { return level(ability::kSpearmanship); }
    std::int16_t Toxophily() const { return level(ability::kToxophily); }
    std::int16_t Horsemanship() const { return level(ability::kHorsemanship); }
    std::int16_t Aggresive() const { return level(ability::kAggressive); }
    std::int16_t Protect() const { return level(ability::kProtect); }
    std::int16_t Surpise() const { return level(ability::kSurprise); }

  private:
    std::int16_t level(int n) const { return levels_[static_cast<std::size_t>(n - 1)]; }

    std::string name_;
    std::int32_t character_ = 0;
    std::int32_t policy_ = 0;
    std::int16_t age_ = 0;
    std::int16_t period_ = 0;
    std::array<std::int16_t, ability::kCount> levels_{};
    std::int32_t skills_ = 0;
};
