#include "battle/combat/cls_com_think.h"

#include "battle/battle_codes.h"
#include "platform/rules/mdl_zrd_func.h"

#include <optional>
#include <vector>

using mdlZRDFunc::RandomInt;

namespace {

// What one formation type looks for.
struct Preference {
    // It thinks when RandomInt(0, 100) is at most this.
    std::int16_t threshold;
    bool (*candidate)(const clsSkillData&);
    // Skill a ranks strictly above skill b.
    bool (*ranksAbove)(const clsSkillData& a, const clsSkillData& b);
};

const Preference kDefense{
    30,
    [](const clsSkillData& s) {
        return s.Target() == skill_kind::kCounterStance || s.Target() == skill_kind::kGuardStance;
    },
    [](const clsSkillData& a, const clsSkillData& b) { return a.Physical() > b.Physical(); }};
const Preference kAttack{
    45, [](const clsSkillData& s) { return s.Physical() > 0; },
    [](const clsSkillData& a, const clsSkillData& b) { return a.Physical() > b.Physical(); }};
const Preference kSurprise{
    55, [](const clsSkillData& s) { return s.Effect() > 0; },
    [](const clsSkillData& a, const clsSkillData& b) { return a.Effect() > b.Effect(); }};

// The choice shared by the three formation types.
bool choose(const Preference& preference, std::string& SkillName, std::int16_t Energy,
            std::span<const clsSkillData* const> Skills) {
    if (RandomInt(0, 100) > preference.threshold) return false;

    const auto last = static_cast<std::int16_t>(Skills.size() - 1);
    auto affordable = [&](std::size_t i) { return Skills[i]->UseEnegry() <= Energy; };
    std::optional<std::size_t> best;
    std::vector<bool> marked(Skills.size(), false);
    for (std::size_t i = 0; i < Skills.size(); ++i) {
        if (!preference.candidate(*Skills[i]) || !affordable(i)) continue;
        if (!best || preference.ranksAbove(*Skills[i], *Skills[*best])) {
            best = i;
            marked[i] = true;
        }
    }

    std::int16_t way = RandomInt(0, 2);
    if (best && way == 0) {
        SkillName = Skills[*best]->Name();
        return true;
    }
    if (best && way == 1) {
        std::int16_t k = RandomInt(0, 10);
        if (k <= 0) return false;
        for (std::size_t i = 0;; i = (i + 1) % Skills.size()) {
            if (!marked[i]) continue;
            if (--k == 0) {
                SkillName = Skills[i]->Name();
                return true;
            }
        }
    }
    std::int16_t j = RandomInt(0, last);
    if (!affordable(static_cast<std::size_t>(j))) return false;
    SkillName = Skills[static_cast<std::size_t>(j)]->Name();
    return true;
}

using SkillList = std::span<const clsSkillData* const>;

bool ChooseDefenseSkill(std::string& SkillName, std::int16_t Energy, SkillList Skills) {
    return choose(kDefense, SkillName, Energy, Skills);
}

bool ChooseAttackSkill(std::string& SkillName, std::int16_t Energy, SkillList Skills) {
    return choose(kAttack, SkillName, Energy, Skills);
}

bool ChooseSurpriseSkill(std::string& SkillName, std::int16_t Energy, SkillList Skills) {
    return choose(kSurprise, SkillName, Energy, Skills);
}

} // namespace

bool clsComThink::DesideHumanSkill(std::string& SkillName, std::int16_t Energy, std::string_view LineType,
                                   std::span<const clsSkillData* const> Skills) const {
    if (Skills.empty()) return false;
    if (LineType == formation_type::kSurprise) return ChooseSurpriseSkill(SkillName, Energy, Skills);
    if (LineType == formation_type::kAttack) return ChooseAttackSkill(SkillName, Energy, Skills);
    if (LineType == formation_type::kDefense) return ChooseDefenseSkill(SkillName, Energy, Skills);
    return false;
}
