#pragma once

#include "battle/records/cls_skill_data.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The computer's choice of a combatant's next skill, by its formation type:
// a defence formation prefers stances, an attack formation the strongest
// blows, a surprise formation the largest status effect.
class clsComThink {
  public:
    // True with the chosen skill's name in SkillName; False leaves SkillName
    // alone. Skills are the combatant's in its order; Energy its energy,
    // truncated. No skills, or a type other than the three, choose nothing.
    bool DesideHumanSkill(std::string& SkillName, std::int16_t Energy, std::string_view LineType,
                          std::span<const clsSkillData* const> Skills) const;
};
