#include "battle/battle_codes.h"
#include "battle/combat/cls_com_think.h"
#include "combat_support.h"
#include "platform/services/silent_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using combattest::drawFor;
using combattest::SkillBook;
using combattest::SkillRow;

float think(int value) {
    return drawFor(0, 100, value);
}
float way(int value) {
    return drawFor(0, 2, value);
}
float countOf(int value) {
    return drawFor(0, 10, value);
}

SkillRow blow(std::string name, float physical, std::int16_t cost = 0) {
    return {.name = std::move(name), .cost = cost, .physical = physical};
}
SkillRow stance(std::string name, std::int32_t target, float physical, std::int16_t cost = 0) {
    return {.name = std::move(name), .cost = cost, .target = target, .physical = physical};
}
SkillRow ailment(std::string name, std::int32_t effect, std::int16_t cost = 0) {
    return {.name = std::move(name), .cost = cost, .physical = 0, .effect = effect};
}

TEST(ComThink, ChoosesByFormationTypeWithScriptedDraws) {
    const std::vector<SkillRow> blows = {blow("一", 1.0f), blow("二", 1.5f), blow("三", 1.2f)};
    const struct {
        const char* name = {};
        std::string_view type = {};
        std::vector<SkillRow> skills = {};
        std::int16_t energy = {};
        std::vector<float> draws = {};
        // Empty: nothing chosen.
        std::string chosen = {};
    } cases[] = {
        {.name = "attack: the strongest",
         .type = formation_type::kAttack,
         .skills = blows,
         .energy = 100,
         .draws = {think(0), way(0)},
         .chosen = "二"},
        {.name = "attack: the third marked skill wraps to the first",
         .type = formation_type::kAttack,
         .skills = blows,
         .energy = 100,
         .draws = {think(45), way(1), countOf(3)},
         .chosen = "一"},
        {.name = "attack: a count of 0 picks nothing",
         .type = formation_type::kAttack,
         .skills = blows,
         .energy = 100,
         .draws = {think(10), way(1), countOf(0)}},
        {.name = "attack: above 45 it does not think",
         .type = formation_type::kAttack,
         .skills = blows,
         .energy = 100,
         .draws = {think(46)}},
        {.name = "attack: the random pick",
         .type = formation_type::kAttack,
         .skills = blows,
         .energy = 100,
         .draws = {think(0), way(2), drawFor(0, 2, 2)},
         .chosen = "三"},
        {.name = "attack: an unaffordable candidate is never ranked",
         .type = formation_type::kAttack,
         .skills = {blow("安", 1.0f, 0), blow("高", 2.0f, 50)},
         .energy = 10,
         .draws = {think(0), way(0)},
         .chosen = "安"},
        {.name = "attack: a tie keeps the earlier, which alone is marked",
         .type = formation_type::kAttack,
         .skills = {blow("先", 1.0f), blow("後", 1.0f)},
         .energy = 0,
         .draws = {think(0), way(1), countOf(2)},
         .chosen = "先"},
        {.name = "attack: the random pick that cannot be paid",
         .type = formation_type::kAttack,
         .skills = {blow("安", 1.0f, 0), blow("高", 2.0f, 50)},
         .energy = 10,
         .draws = {think(0), way(2), drawFor(0, 1, 1)}},
        {.name = "defence: the strongest stance",
         .type = formation_type::kDefense,
         .skills = {blow("斬", 3.0f), stance("返し", skill_kind::kCounterStance, 0.8f),
                    stance("構え", skill_kind::kGuardStance, 1.1f)},
         .energy = 100,
         .draws = {think(30), way(0)},
         .chosen = "構え"},
        {.name = "defence: above 30 it does not think",
         .type = formation_type::kDefense,
         .skills = {stance("構え", skill_kind::kGuardStance, 1.1f)},
         .energy = 100,
         .draws = {think(31)}},
        {.name = "defence without stances always draws one of all skills",
         .type = formation_type::kDefense,
         .skills = {blow("斬", 3.0f), blow("突", 1.0f)},
         .energy = 100,
         .draws = {think(0), way(0), drawFor(0, 1, 1)},
         .chosen = "突"},
        {.name = "surprise: the largest effect",
         .type = formation_type::kSurprise,
         .skills = {ailment("毒", 8), ailment("鈍", 128), blow("斬", 3.0f), ailment("怒", 1)},
         .energy = 100,
         .draws = {think(55), way(0)},
         .chosen = "鈍"},
        {.name = "surprise: above 55 it does not think",
         .type = formation_type::kSurprise,
         .skills = {ailment("毒", 8)},
         .energy = 100,
         .draws = {think(56)}},
        {.name = "another type never chooses", .type = "突撃", .skills = blows, .energy = 100, .draws = {}},
        {.name = "no skills never choose",
         .type = formation_type::kAttack,
         .skills = {},
         .energy = 100,
         .draws = {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedSilentServices services;
        services->scriptDraws(c.draws);
        SkillBook book;
        auto collection = book.collection(c.skills);
        std::vector<const clsSkillData*> skills = {};
        for (const clsSkillData* skill : collection)
            skills.push_back(skill);
        std::string name = "前";
        bool chose = clsComThink{}.DesideHumanSkill(name, c.energy, c.type, skills);
        EXPECT_EQ(chose, !c.chosen.empty());
        EXPECT_EQ(name, c.chosen.empty() ? "前" : c.chosen);
        EXPECT_EQ(services->drawCount(), static_cast<int>(c.draws.size()));
    }
}

} // namespace
