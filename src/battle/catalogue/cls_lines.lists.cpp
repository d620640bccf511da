#include "battle/catalogue/cls_lines.h"

#include "battle/battle_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/strings.h"

#include <vector>

using host::runtime::Collection;
using host::runtime::CStr;

namespace {

const std::string kUnknown = "不明";

// The value once the monster has been defeated at least `needed` times.
std::string revealed(const clsMonster& monster, std::int16_t needed, std::string value) {
    return monster.Count() >= needed ? std::move(value) : kUnknown;
}

} // namespace

Collection<clsGetGridData> clsLines::GetSelectLineData() const {
    Collection<clsGetGridData> rows;
    for (const clsLine& line : clLine) {
        clsGetGridData row;
        row.SetCols(5);
        row.Data(0, "0");
        row.Data(1, line.Name());
        row.Data(2, line.LineType());
        row.Data(3, line.SubType());
        row.Data(4, CStr(line.Speed()));
        row.Data(5, CStr(line.Enegry()));
        rows.add(std::move(row));
    }
    return rows;
}

std::string clsLines::GetSelectLineTips(const std::string& LineName) const {
    const clsLine& line = clLine.item(LineName);
    std::vector<std::string> lines{line.Name() + "の使用スキル"};
    for (const clsSkillData* skill : GetLineSkillList(LineName))
        lines.push_back(skill->Name());
    const struct {
        std::int16_t value;
        const char* bonus;
    } bonuses[] = {{line.Physical(), "の体力ボーナス"},
                   {line.Offense(), "の攻撃力ボーナス"},
                   {line.Defense(), "の防御力ボーナス"}};
    bool anyBonus = false;
    for (const auto& b : bonuses)
        if (b.value > 0) {
            lines.push_back("陣形理解度 * " + CStr(b.value) + b.bonus);
            anyBonus = true;
        }
    lines.push_back(anyBonus ? "ただし、陣形理解度が低いとボーナスはほとんど得られません"
                             : "陣形ボーナスはありません");
    return host::runtime::Join(lines, "\r\n");
}

std::string clsLines::GetUnitNumberTips(const std::string& LineName, std::int16_t Number) const {
    const clsLineData& position = clLineData.item(LineName + CStr(Number));
    return host::runtime::Join({"陣形貢献度", "体力:" + CStr(position.Physical() / 2.0f),
                                "攻撃:" + CStr(position.Offensive() / 2.0f),
                                "防御:" + CStr(position.Defense() / 2.0f)},
                               "\r\n");
}

bool clsLines::CheckMonsterData() const {
    for (const clsMonster& monster : clMonster)
        if (monster.Count() > 0) return true;
    return false;
}

Collection<clsGetGridData> clsLines::GetMonsterData() const {
    Collection<clsGetGridData> rows;
    for (const clsMonster& monster : clMonster) {
        if (monster.Count() <= 0) continue;
        clsGetGridData row;
        row.SetCols(7);
        row.Data(0, CStr(monster.Numbering()));
        row.Data(1, monster.MonsterName());
        row.Data(2, revealed(monster, bestiary_reveal::kLineType, monster.LineType()));
        row.Data(3, revealed(monster, bestiary_reveal::kPhysical, CStr(monster.Physical())));
        row.Data(4, revealed(monster, bestiary_reveal::kOffense, CStr(monster.Offense())));
        row.Data(5, revealed(monster, bestiary_reveal::kDefense, CStr(monster.Defense())));
        row.Data(6, revealed(monster, bestiary_reveal::kEnergy, CStr(monster.Energy())));
        row.Data(7, CStr(monster.Count()));
        rows.add(std::move(row));
    }
    return rows;
}

std::string clsLines::GetMonsterTips(const std::string& MonsterName) const {
    const clsMonster& shown = monster(MonsterName);
    if (shown.Count() < bestiary_reveal::kSkills) return "使用スキル\r\n" + kUnknown;
    std::vector<std::string> names;
    for (const clsSkillData* skill : GetMonsterSkillList(shown.MonsterName()))
        names.push_back(skill->Name());
    return "使用スキル\r\n" + host::runtime::Join(names, "\r\n");
}

Collection<std::string> clsLines::GetMonsterName() const {
    Collection<std::string> names;
    for (const clsMonster& monster : clMonster)
        names.add(monster.MonsterName());
    return names;
}
