#include "state/cls_data.h"

#include "host/runtime/strings.h"

std::string clsData::GetUnitLoadItem(std::int16_t LoadNumber) const {
    std::string item = cMngStudent->UnitLoadItem(LoadNumber);
    if (!cMngItem->CheckItem(item)) return "";
    return item;
}

std::shared_ptr<clsFixUnitData> clsData::GetUnitCalcData(const clsUnitData& pUnitData,
                                                         const std::string& pBattleItem) const {
    const host::runtime::Collection<const clsStudent*> clStudent = cMngStudent->GetUnitLineData(pUnitData);
    const clsBattleItem BattleItem = cMngItem->GetBattleItem(pBattleItem);
    return cLines->GetUnitLineCalc(pUnitData, clStudent, BattleItem);
}

host::runtime::Collection<clsGetGridData> clsData::GetBattleItemData() const {
    return cMngItem->GetBattleItemData(cMngStudent->GetQuestItem());
}

bool clsData::CheckBattleItem(const std::string& QuestName) const {
    if (QuestName.empty()) return true;
    if (!cMngItem->CheckBattleItem(cMngStudent->GetQuestItem())) return false;
    if (host::runtime::Like(QuestName, "*王国大会"))
        return cLines->CheckBattleItem(cSystem->GetMonth(), cSystem->GetRankAsNumber());
    return true;
}
