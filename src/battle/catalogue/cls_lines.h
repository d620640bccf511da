#pragma once

#include "battle/combat/cls_base_unit.h"
#include "battle/combat/cls_battle_regulation.h"
#include "battle/combat/cls_fix_unit_data.h"
#include "battle/combat/cls_unit.h"
#include "battle/records/cls_line.h"
#include "battle/records/cls_line_data.h"
#include "battle/records/cls_line_skill.h"
#include "battle/records/cls_monster.h"
#include "battle/records/cls_prize.h"
#include "battle/records/cls_regulation.h"
#include "battle/records/cls_school.h"
#include "battle/records/cls_skill_data.h"
#include "economy/cls_battle_item.h"
#include "host/runtime/collection.h"
#include "platform/records/cls_get_grid_data.h"
#include "school/system/system_hooks.h"
#include "students/roster/cls_unit_data.h"
#include "students/student/cls_student.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

    // Team strength. The sheet of a saved team from its formation, its
    // members (keyed by name) and its battle item; of a rival school from its
    // formation, understanding and base points, drawn stronger for a later
    // season (TimeCount 0, 1, 2); of a monster from its row. Arithmetic
    // stored into 16-bit values is held at their range.
    std::shared_ptr<clsFixUnitData>
    GetUnitLineCalc(const clsUnitData& cUnitData,
                    const host::runtime::Collection<const clsStudent*>& clStudent,
                    const clsBattleItem& BattleItem) const;
    std::shared_ptr<clsFixUnitData> SchoolUnitCalc(const std::string& LineName, std::int16_t Understanding,
                                                   std::int16_t Base, const clsBattleItem& BattleItem,
                                                   std::int16_t TimeCount) const;
    std::shared_ptr<clsFixUnitData> GetMonsterFixUnitData(const std::string& MonsterName) const;
    // Equips a core that holds its sheet: a formation's skills, positions
    // and type; a monster's skills.
    void GetHumanUnitData(const std::string& pLineName, clsBaseUnit& pcHumanUnit) const;
    void GetMonsterUnitData(const std::string& pMonsterName, clsBaseUnit& pcMonsterUnit) const;
    // The formations of a type in catalogue order; every formation for an empty type.
    host::runtime::Collection<std::string> GetLineName(const std::string& LineType) const;

    // Battle set-up. The music of a quest fight: "レア" for the rare monsters, "通常" otherwise.
    static std::string GetBattleBGMName(const std::string& MonsterName);
    // Whether a battle item may be carried into the month's tournament.
    bool CheckBattleItem(std::int16_t Month, std::int16_t Rank) const;
    // The prize of a tournament won at the rank: money and kingdom points;
    // "0" and "0" when no prize row has the rank.
    clsGetGridData GetBattleVictory(std::int16_t Rank) const;
    // The rule set of the month's tournament; Recover receives its recovery
    // percentage. Without a rule row: a fresh rule set, Recover unchanged.
    clsBattleRegulation GetBattleRegulation(std::int16_t Month, std::int16_t Rank,
                                            std::int16_t& Recover) const;
    // Adds the rival schools drawn for the tournament to clUnit under their names.
    void SetSchoolUnit(std::int16_t Rank, host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit,
                       std::int16_t Month) const;
    // The team's formation type and the unit types of its positions 1..5.
    clsGetGridData GetQuestMemberLineData(const clsUnitData& cUData) const;
    // The rule set of a quest fight: its length by the quest's rank, what is
    // shown of the monster by the academy's defeats of it.
    clsBattleRegulation GetRegulation(const std::string& MonsterName, std::int16_t Rank) const;

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

    // --- Developer checks (cls_lines.devtools.cpp)
    // "monster:item" for each monster's ordinary and then rare drop item
    // that the school holds no unit of, in catalogue order. An item the item
    // store does not know raises its missing-key error.
    std::vector<std::string> TestMonsterItem(SystemHooks& facade) const;
    // The formation dump: per formation its name, "n=" and the three share
    // factors of positions 1..5, and "計" with their sums; CR LF after each
    // line. It replaces the file TotalLineData.txt beside the program; a
    // failed write raises an error naming the file.
    std::string TestLineCalc() const;
    // The sheet of the rival school "ウルフソン学園" without an item, in the first season.
    std::shared_ptr<clsFixUnitData> TestSchoolCalc() const;

  private:
    // Formation names match with the catalogue's folding wherever they meet.
    static bool sameLineName(const std::string& a, const std::string& b);
    // The key of position number in GetLineData: "Number1".."Number5".
    static std::string positionKey(std::int16_t number);
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
