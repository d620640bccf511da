#include "state/cls_data.h"

#include "state/owned_managers.h"

#include "battle/battle_codes.h"
#include "battle/combat/cls_base_unit.h"

std::shared_ptr<clsUnit> clsData::CreateSchoolUnit(const clsUnitData& team) {
    auto base = std::make_shared<clsBaseUnit>();
    auto unit = std::make_shared<clsUnit>();
    std::shared_ptr<clsFixUnitData> sheet = GetUnitCalcData(team, team.ItemName());
    sheet->Condition(cMngStudent->GetQuestMemberMinCondition(team));
    sheet->Critical(cMngStudent->GetQuestMemberAddCritical(team));
    sheet->UnitName(AcademyUnitName);
    base->SetFixUnitData(sheet);
    cLines->GetHumanUnitData(team.LineName(), *base);
    unit->SetHumanUnit(base, unit_control::kPlayer);
    return unit;
}

std::shared_ptr<clsUnit> clsData::CreateMonsterUnit(const std::string& quest) {
    auto base = std::make_shared<clsBaseUnit>();
    auto unit = std::make_shared<clsUnit>();
    const std::string monster = cSystem->GetMonsterNameFromQuest(quest);
    // The monster's sheet comes with its condition, 3.
    base->SetFixUnitData(cLines->GetMonsterFixUnitData(monster));
    base->LetIsMonster();
    cLines->GetMonsterUnitData(monster, *base);
    unit->SetMonsterUnit(base, unit_control::kComputer);
    return unit;
}
