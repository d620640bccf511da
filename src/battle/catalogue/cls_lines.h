#pragma once

#include "battle/records/cls_line.h"
#include "battle/records/cls_line_data.h"
#include "battle/records/cls_line_skill.h"
#include "battle/records/cls_monster.h"
#include "battle/records/cls_prize.h"
#include "battle/records/cls_regulation.h"
#include "battle/records/cls_school.h"
#include "battle/records/cls_skill_data.h"
#include "host/runtime/collection.h"
#include "platform/records/cls_get_grid_data.h"

#include <cstdint>
#include <string>
#include <string_view>

// The battle catalogue: every formation, position, skill, rival school,
// monster, tournament rule and prize of the master data, and the academy's
// defeat count of each monster. Names are found without regard to letter
// case or character width.
class clsLines {
  public:
    clsLines();

    // Defeat counts: "name:count" per monster, "/" between them.
    // SetSaveData applies a text only when every entry names a monster and
    // holds a count; otherwise it raises the runtime's error and changes
    // nothing. Monsters the text does not name keep their count.
    void SetSaveData(std::string_view text);
    // Every defeat count back to 0 (a new game).
    void SetDataInit();
    std::string GetSaveData() const;

    // The tournament's row in the quest list: "0", its name, the physical
    // cost, the prize money and kingdom points (empty without a prize row).
    clsGetGridData GetBattleGame(std::int16_t Month, std::int16_t Rank) const;
    // The tournament's rule tip; empty when no rule row applies.
    std::string GetGattleGameTips(std::int16_t Month, std::int16_t Rank) const;

    // Formation list rows: "0", name, type, unit type, speed, energy.
    host::runtime::Collection<clsGetGridData> GetSelectLineData() const;
    // A formation's skills and bonuses.
    std::string GetSelectLineTips(const std::string& LineName) const;
    // Position Number's halved share factors.
    std::string GetUnitNumberTips(const std::string& LineName, std::int16_t Number) const;

    // Bestiary: whether any monster has been defeated, its rows (values
    // revealed by the defeat count) and a monster's skill tip.
    bool CheckMonsterData() const;
    host::runtime::Collection<clsGetGridData> GetMonsterData() const;
    std::string GetMonsterTips(const std::string& MonsterName) const;
    host::runtime::Collection<std::string> GetMonsterName() const;

    void MonsterWin(const std::string& MonsterName);
    std::string GetMonsterItem(const std::string& MonsterName) const;
    std::string GetMonsterRheaItem(const std::string& MonsterName) const;

    // The five positions of a formation, keyed "Number1".."Number5" in that
    // order; the catalogue's own records.
    host::runtime::Collection<const clsLineData*> GetLineData(const std::string& LineName) const;
    // A formation's or a monster's skills in row order, keyed by name. A row
    // naming a skill that section 5 lacks, or the same skill twice, raises
    // the runtime's error.
    host::runtime::Collection<const clsSkillData*> GetLineSkillList(const std::string& LineName) const;
    host::runtime::Collection<const clsSkillData*> GetMonsterSkillList(const std::string& MonsterName) const;

    // Loaders, one per master-data section (half-width text, CR LF between
    // rows; empty rows are skipped). A row that does not convert, a name
    // already held, or a seventh skill of one formation or monster raises
    // the runtime's error; the rows before it stay loaded.
    void SetLineSkills(std::string_view section);   // 7
    void SetLineDatas(std::string_view section);    // 8
    void SetLines(std::string_view section);        // 6
    void SetSkillData(std::string_view section);    // 5
    void SetSchool(std::string_view section);       // 18
    void SetMonsterSkill(std::string_view section); // 25
    void SetMonster(std::string_view section);      // 23
    void SetRegulation(std::string_view section);   // 29
    void SetPrize(std::string_view section);        // 30

  private:
    // Formation names match with the catalogue's folding wherever they meet.
    static bool sameLineName(const std::string& a, const std::string& b);
    const clsMonster& monster(const std::string& MonsterName) const;
    const clsRegulation* regulationFor(std::int16_t Month, std::int16_t Rank) const;
    static std::string GetBattleTimeWord(std::int32_t BattleTime);
    static std::string GetUseItemWord(bool UseItem);
    static std::string GetVisibleWord(bool Visible);

    host::runtime::Collection<clsLine> clLine;
    host::runtime::Collection<clsLineData> clLineData;
    host::runtime::Collection<clsLineSkill> clLineSkill;
    host::runtime::Collection<clsSkillData> clSkill;
    host::runtime::Collection<clsSchool> clSchool;
    host::runtime::Collection<clsMonster> clMonster;
    host::runtime::Collection<clsLineSkill> clMonsterSkill;
    host::runtime::Collection<clsRegulation> clRegulation;
    host::runtime::Collection<clsPrize> clPrize;
};
