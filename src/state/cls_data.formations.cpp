#include "state/cls_data.h"

#include "state/owned_managers.h"

#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"

// Only an item of which a piece is still free: one that every held piece of
// is carried by a unit sent out cannot go with another.
std::string clsData::GetUnitLoadItem(std::int16_t LoadNumber) const {
    const std::string item = cMngStudent->UnitLoadItem(LoadNumber);
    if (item.empty()) return "";
    for (const clsGetGridData& row : GetBattleItemData())
        if (row.Data(1) == item) return item;
    return "";
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

host::runtime::Collection<clsGetGridData> clsData::GetEnableUnitMember(std::int16_t NeedPhysical) const {
    return cMngStudent->GetEnableUnitMember(NeedPhysical);
}

bool clsData::CheckEnableUnitMember(std::int16_t NeedPhysical) const {
    return cMngStudent->CheckEnableUnitMember(NeedPhysical);
}

std::string clsData::GetUnitLoadLineName(std::int16_t LoadNumber) const {
    return cMngStudent->UnitLoadLineName(LoadNumber);
}

bool clsData::GetCheckLoadData(std::int16_t LoadNumber) const {
    return cMngStudent->CheckLoadData(LoadNumber);
}

std::string clsData::GetUnitLoadSaveTips(std::int16_t Number, std::int16_t NeedPhysical) const {
    return cMngStudent->GetUnitLoadSaveTips(Number, NeedPhysical);
}

void clsData::SetUnitLineName(std::int16_t SaveNumber, const std::string& LineName) {
    cMngStudent->UnitSaveLineName(SaveNumber, LineName);
}

void clsData::SetUnitSave(std::int16_t SaveNumber, std::int16_t UnitNumber, const std::string& SName) {
    cMngStudent->UnitSave(SaveNumber, UnitNumber, SName);
}

void clsData::SetUnitItem(std::int16_t SaveNumber, const std::string& ItemName) {
    cMngStudent->UnitSaveItem(SaveNumber, ItemName);
}

// A battle item goes with a team only while a held piece of it is free.
void clsData::SetQuest(const clsUnitData& pQuestUnit) {
    const std::string& item = pQuestUnit.ItemName();
    if (!item.empty()) {
        bool free = false;
        for (const clsGetGridData& row : GetBattleItemData())
            free = free || row.Data(1) == item;
        if (!free)
            throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                              "no free piece of " + item + " for " + pQuestUnit.QuestName());
    }
    cMngStudent->SetQuest(pQuestUnit);
}

host::runtime::Collection<const clsLineData*> clsData::GetLineData(const std::string& pFormation) const {
    return cLines->GetLineData(pFormation);
}

host::runtime::Collection<clsGetGridData> clsData::GetSelectLineData() const {
    return cLines->GetSelectLineData();
}

std::string clsData::GetSelectLineDataTips(const std::string& pData) const {
    return cLines->GetSelectLineTips(pData);
}

std::string clsData::GetUnitNumberTips(const std::string& pFormation, std::int16_t Number) const {
    return cLines->GetUnitNumberTips(pFormation, Number);
}

std::string clsData::GetBattleSkillTips(const std::string& pData) const {
    return cMngStudent->GetBattleSkillTips(pData);
}

std::string clsData::GetBattleItemDataTips(const std::string& pData) const {
    return cMngItem->GetBattleItemDataTips(pData);
}

std::string clsData::GetUnitLoadMember(std::int16_t LoadNumber, std::int16_t UnitNumber,
                                       std::int16_t NeedPhysical) const {
    return cMngStudent->UnitLoadMember(LoadNumber, UnitNumber, NeedPhysical);
}
