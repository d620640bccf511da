#include "battle/catalogue/cls_lines.h"

#include "battle/battle_codes.h"
#include "host/runtime/collection_key.h"
#include "host/runtime/convert.h"

using host::runtime::Collection;
using host::runtime::KeyFold;

clsLines::clsLines()
    : clLine(KeyFold::IgnoreCaseAndWidth), clLineData(KeyFold::IgnoreCaseAndWidth),
      clLineSkill(KeyFold::IgnoreCaseAndWidth), clSkill(KeyFold::IgnoreCaseAndWidth),
      clSchool(KeyFold::IgnoreCaseAndWidth), clMonster(KeyFold::IgnoreCaseAndWidth) {}

bool clsLines::sameLineName(const std::string& a, const std::string& b) {
    return host::runtime::foldKey(KeyFold::IgnoreCaseAndWidth, a) ==
           host::runtime::foldKey(KeyFold::IgnoreCaseAndWidth, b);
}

std::string clsLines::positionKey(std::int16_t number) {
    return "Number" + host::runtime::CStr(number);
}

const clsMonster& clsLines::monster(const std::string& MonsterName) const {
    return clMonster.item(MonsterName);
}

void clsLines::MonsterWin(const std::string& MonsterName) {
    clMonster.item(MonsterName).Win();
}

std::string clsLines::GetMonsterItem(const std::string& MonsterName) const {
    return monster(MonsterName).Item();
}

std::string clsLines::GetMonsterRheaItem(const std::string& MonsterName) const {
    return monster(MonsterName).RheaItem();
}

Collection<const clsLineData*> clsLines::GetLineData(const std::string& LineName) const {
    Collection<const clsLineData*> positions;
    for (std::int16_t number = 1; number <= battle_limit::kPositions; ++number) {
        positions.add(&clLineData.item(LineName + host::runtime::CStr(number)), positionKey(number));
    }
    return positions;
}

Collection<const clsSkillData*> clsLines::GetLineSkillList(const std::string& LineName) const {
    Collection<const clsSkillData*> skills(KeyFold::IgnoreCaseAndWidth);
    for (const clsLineSkill& pair : clLineSkill)
        if (sameLineName(pair.LineName(), LineName)) {
            const clsSkillData& skill = clSkill.item(pair.LineSkill());
            skills.add(&skill, skill.Name());
        }
    return skills;
}

Collection<const clsSkillData*> clsLines::GetMonsterSkillList(const std::string& MonsterName) const {
    Collection<const clsSkillData*> skills(KeyFold::IgnoreCaseAndWidth);
    for (const clsLineSkill& pair : clMonsterSkill)
        if (pair.LineName() == MonsterName) {
            const clsSkillData& skill = clSkill.item(pair.LineSkill());
            skills.add(&skill, skill.Name());
        }
    return skills;
}
