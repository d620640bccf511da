#include "state/cls_data.h"

#include "state/game_host.h"
#include "state/owned_managers.h"

namespace {

constexpr const char* kNewGameBoom = "5:5:6";

} // namespace

clsData::clsData(GameHost& host) : Host(host) {
    cTrade = std::make_unique<clsTrade>();
    cTrade->CreateBoom(kNewGameBoom);
    cLines = std::make_unique<clsLines>();
    cSystem = std::make_unique<clsSystem>(*this);
    cMngStudent = std::make_unique<clsMngStudent>();
    cFixTeacherData = std::make_unique<clsFixTeacherData>();
    cMngScout = std::make_unique<clsMngScout>();
    cMngCountry = std::make_unique<clsMngCountry>();
    cMngArbeit = std::make_unique<clsMngArbeit>();
    cMngTeacher = std::make_unique<clsMngTeacher>();
    cMngClass = std::make_unique<clsMngClass>();
    cMngCompany = std::make_unique<clsMngCompany>();
    cMngItem = std::make_unique<clsMngItem>(*this);
    cMenu = std::make_unique<clsMenu>();
    subscribeRelays();
    subscribeDayEngine();
}

// Released in the order of creation.
clsData::~clsData() {
    cTrade.reset();
    cLines.reset();
    cSystem.reset();
    cMngStudent.reset();
    cFixTeacherData.reset();
    cMngScout.reset();
    cMngCountry.reset();
    cMngArbeit.reset();
    cMngTeacher.reset();
    cMngClass.reset();
    cMngCompany.reset();
    cMngItem.reset();
    cMenu.reset();
}

// The order is the order of the save strings.
void clsData::SetDataInit() {
    cSystem->SetDataInit();
    cMngScout->SetDataInit();
    cTrade->CreateBoom(kNewGameBoom);
    cMngCompany->SetDataInit();
    cMngArbeit->SetDataInit();
    cLines->SetDataInit();
    cMngTeacher->SetDataInit();
    cMngItem->SetDataInit();
    cMngStudent->SetDataInit();
}

void clsData::TestPlay() {
    cSystem->StartPlayTime();
    cMngScout->SetNewComer(false);
    cMngTeacher->SetInitTeacher();
    cMngTeacher->SetNewComer(false);
}

clsDateDetails clsData::GetDate() const {
    return cSystem->GetDate();
}

void clsData::SetDate(const std::string& strDate) {
    cSystem->SetDate(strDate);
}

void clsData::SetWinnerUnit(const std::string& WinnerUnitName) {
    WinnerUnit = WinnerUnitName;
}

std::int16_t clsData::GetRankUpCondition() {
    return cMngStudent->RankUpCondition();
}

bool clsData::CheckItem(const std::string& pData) {
    return cMngItem->CheckItem(pData);
}

host::runtime::Collection<std::string> clsData::GetConstructClass(const std::string& pBuildingName) {
    return cMngClass->GetConstructClass(pBuildingName);
}

host::runtime::Collection<std::string> clsData::GetClassItemClass(std::int32_t Target) {
    return cMngClass->GetClassItemClass(Target);
}
