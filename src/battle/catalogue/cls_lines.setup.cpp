#include "battle/catalogue/cls_lines.h"
#include "battle/battle_codes.h"
#include "host/runtime/convert.h"
#include "platform/rules/mdl_zrd_func.h"

#include <algorithm>
#include <vector>

using host::runtime::CStr;

std::string clsLines::GetBattleBGMName(const std::string& MonsterName) {
    const auto& rare = quest_battle::kRareMonsters;
    const bool isRare = std::find(rare.begin(), rare.end(), MonsterName) != rare.end();
    return std::string(isRare ? quest_battle::kRareBGM : quest_battle::kUsualBGM);
}

bool clsLines::CheckBattleItem(std::int16_t Month, std::int16_t Rank) const {
    const clsRegulation* regulation = regulationFor(Month, Rank);
    return regulation && regulation->UseItem();
}

clsGetGridData clsLines::GetBattleVictory(std::int16_t Rank) const {
    clsGetGridData row;
    row.SetCols(1);
    row.Data(0, "0");
    row.Data(1, "0");
    for (const clsPrize& prize : clPrize) {
        if (prize.Rank() != Rank) continue;
        row.Data(0, CStr(prize.Money()));
        row.Data(1, CStr(prize.KingdomPoint()));
    }
    return row;
}

clsBattleRegulation clsLines::GetBattleRegulation(std::int16_t Month, std::int16_t Rank,
                                                  std::int16_t& Recover) const {
    clsBattleRegulation rules;
    const clsRegulation* regulation = regulationFor(Month, Rank);
    if (!regulation) return rules;
    rules.BattleTime(regulation->BattleTime());
    rules.Condition(true);
    if (regulation->VisibleStatus()) {
        rules.VisiblePhysical(true);
        rules.VisibleEnergy(true);
    }
    if (regulation->VisibleSkill()) {
        rules.VisibleCT(true);
        rules.VisibleSkills(true);
    }
    Recover = regulation->Recover();
    return rules;
}

void clsLines::SetSchoolUnit(std::int16_t Rank, host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit,
                             std::int16_t Month) const {
    const bool large = Rank >= tournament::kLargeFieldRank;
    const std::size_t field = large ? tournament::kLargeField : tournament::kSmallField;
    const std::int16_t pool = large ? tournament::kLargePool : tournament::kSmallPool;
    std::vector<std::int16_t> drawn;
    while (drawn.size() < field) {
        std::int16_t n = mdlZRDFunc::RandomInt(1, pool);
        if (std::find(drawn.begin(), drawn.end(), n) == drawn.end()) drawn.push_back(n);
    }

    const clsBattleItem noItem;
    const std::int16_t season = tournament::seasonOf(Month);
    for (std::int16_t n : drawn) {
        std::int16_t seen = 0;
        for (const clsSchool& school : clSchool) {
            if (school.Rank() != Rank || ++seen != n) continue;
            auto sheet =
                SchoolUnitCalc(school.LineName(), school.Understanding(), school.BasePoint(), noItem, season);
            std::int16_t condition = mdlZRDFunc::RandomInt(0, 4);
            sheet->Condition(condition);
            sheet->UnitName(school.SchoolName());
            auto core = std::make_shared<clsBaseUnit>();
            core->SetFixUnitData(sheet);
            GetHumanUnitData(school.LineName(), *core);
            auto unit = std::make_shared<clsUnit>();
            unit->SetHumanUnit(core, unit_control::kComputer);
            clUnit.add(unit, school.SchoolName());
            break;
        }
    }
}

clsGetGridData clsLines::GetQuestMemberLineData(const clsUnitData& cUData) const {
    const auto positions = GetLineData(cUData.LineName());
    clsGetGridData row;
    row.SetCols(battle_limit::kPositions);
    row.Data(0, clLine.item(cUData.LineName()).LineType());
    for (std::int16_t i = 1; i <= battle_limit::kPositions; ++i)
        row.Data(i, positions.item(positionKey(i))->Image());
    return row;
}

clsBattleRegulation clsLines::GetRegulation(const std::string& MonsterName, std::int16_t Rank) const {
    const clsMonster& row = monster(MonsterName);
    clsBattleRegulation rules;
    rules.Condition(true);
    rules.BattleTime(Rank > quest_battle::kLongAboveRank ? battle_time::kLong : battle_time::kNormal);
    const std::int16_t defeats = row.Count();
    if (defeats >= quest_battle::kSeePhysical) rules.VisiblePhysical(true);
    if (defeats >= quest_battle::kSeeEnergy) rules.VisibleEnergy(true);
    if (defeats >= quest_battle::kSeeCT) rules.VisibleCT(true);
    if (defeats >= quest_battle::kSeeSkills) rules.VisibleSkills(true);
    return rules;
}
