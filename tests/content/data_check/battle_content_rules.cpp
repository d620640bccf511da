// Rules that keep the battle content alive: every monster is met, every skill
// and item turns up in play, and monsters carry the skills their type looks for.
#include "content/data_check/data_check.h"
#include "content/data_check/reachable_content.h"

#include "battle/battle_codes.h"
#include "host/text/width.h"

#include <map>
#include <set>
#include <string>

namespace {

struct Skill {
    long kind = 0;
    double physical = 0;
    long effect = 0;
};

std::map<std::string, Skill> skillsOf(const MasterData& data) {
    std::map<std::string, Skill> skills;
    for (const auto& row : data.rows(GameDataSection::Skills)) {
        if (row.size() < 11) continue;
        double physical = 0;
        try {
            physical = std::stod(row[8]);
        } catch (const std::exception&) {
        }
        skills[host::text::toWide(row[0])] = {numberOf(row[5]).value_or(0), physical,
                                              numberOf(row[10]).value_or(0)};
    }
    return skills;
}

// Whether the computer of a monster of that type finds a skill it looks for.
bool fitsType(const std::string& type, const Skill& skill) {
    if (type == formation_type::kDefense)
        return skill.kind == skill_kind::kCounterStance || skill.kind == skill_kind::kGuardStance;
    if (type == formation_type::kSurprise) return skill.effect > 0;
    return skill.physical > 0;
}

} // namespace

QUORVEL_DATA_RULE("every monster is met by a quest, by name or by its region",
                  [](const MasterData& data, Findings& findings) {
                      const std::set<std::string> met = monstersMet(data);
                      for (const auto& row : data.rows(GameDataSection::Monsters))
                          if (!met.count(host::text::toWide(row[0])))
                              findings.add("no quest meets " + host::text::toWide(row[0]));
                  });

QUORVEL_DATA_RULE("every skill is used by a formation or by a monster a quest meets",
                  [](const MasterData& data, Findings& findings) {
                      const std::set<std::string> met = monstersMet(data);
                      std::set<std::string> used;
                      for (const auto& row : data.rows(GameDataSection::FormationSkills))
                          if (row.size() > 1) used.insert(host::text::toWide(row[1]));
                      for (const auto& row : data.rows(GameDataSection::MonsterSkills))
                          if (row.size() > 1 && met.count(host::text::toWide(row[0])))
                              used.insert(host::text::toWide(row[1]));
                      for (const auto& [name, skill] : skillsOf(data))
                          if (!used.count(name)) findings.add("nothing uses the skill " + name);
                  });

QUORVEL_DATA_RULE("a 防御 monster has a stance, a 奇襲 monster a skill with an effect, an 攻撃 monster a "
                  "skill that strikes",
                  [](const MasterData& data, Findings& findings) {
                      const auto skills = skillsOf(data);
                      std::map<std::string, bool> fits;
                      std::map<std::string, std::string> types;
                      for (const auto& row : data.rows(GameDataSection::Monsters))
                          if (row.size() > 1) types[host::text::toWide(row[0])] = host::text::toWide(row[1]);
                      for (const auto& row : data.rows(GameDataSection::MonsterSkills)) {
                          if (row.size() < 2) continue;
                          const std::string monster = host::text::toWide(row[0]);
                          const auto skill = skills.find(host::text::toWide(row[1]));
                          const auto type = types.find(monster);
                          if (skill == skills.end() || type == types.end()) continue;
                          fits[monster] = fits[monster] || fitsType(type->second, skill->second);
                      }
                      for (const auto& [monster, type] : types)
                          if (!fits[monster])
                              findings.add("monster " + monster + " (" + type +
                                           ") has no skill its type looks for");
                  });

QUORVEL_DATA_RULE("every item can be obtained in play", [](const MasterData& data, Findings& findings) {
    const std::set<std::string> obtainable = obtainableItems(data);
    for (const auto& row : data.rows(GameDataSection::Items))
        if (!obtainable.count(host::text::toWide(row[0])))
            findings.add("nothing gives " + host::text::toWide(row[0]));
});
