#include "state/cls_data.h"

#include "state/owned_managers.h"

#include "host/runtime/convert.h"

namespace {

// The school screen's entries for the part-time job and the quest.
constexpr std::int16_t kArbeitMenu = 6;
constexpr std::int16_t kQuestMenu = 7;

} // namespace

bool clsData::CheckClassSetting() const {
    if (cSystem->GetDay() != 1) return true;
    return cMngStudent->CheckClass(cSystem->GetClassNum(), cMngTeacher->GetContractTeacherName(),
                                   cMngItem->GetClassItemName());
}

bool clsData::CheckSchoolMenu(std::int16_t Index) const {
    bool open = cSystem->CheckSchoolMenu();
    if (open) open = cMngStudent->CheckStudentCount(true);
    if (open && Index == kArbeitMenu) open = !cMngStudent->CheckQuest();
    if (open && Index == kQuestMenu) open = !cMngArbeit->CheckArbeit();
    return open;
}

std::string clsData::GetMSGTips(const std::string& pMenu) const {
    if (cMenu->GetMenu() == menu_key::kBuildingData) return cSystem->GetSchoolConstructTips();
    if (pMenu == "授業をする") return host::runtime::CStr(cSystem->GetClassCount()) + "時間目の授業をします";
    return clsMenu::GetMSGTips(pMenu);
}

std::string clsData::GetSchoolMenuTips() const {
    const MenuKey menu = cMenu->GetMenu();
    if (menu == menu_key::kBuildingData) return cSystem->GetSchoolConstructTips();
    if (menu == menu_key::kNewSponsors) return cMngCompany->GetSponsorMenuTips(cSystem->GetSponsorMaxCount());
    if (menu == menu_key::kContract) {
        const MenuKey subMenu = cMenu->GetSubMenu();
        if (subMenu == menu_key::kTeacherOffers) return cMngTeacher->GetMenuNewComerTips();
        if (subMenu == menu_key::kScouts) return cMngScout->GetContractScoutTips();
        return "";
    }
    if (menu == menu_key::kTeachers) return cMngTeacher->GetMenuNewComerTips();
    if (menu == menu_key::kArbeit) return cMngArbeit->GetArbeitTips();
    return cMenu->GetSchoolMenuTips();
}

std::int32_t clsData::GetMoney() const {
    return cSystem->GetMoney();
}

std::int32_t clsData::GetKingdomPoint() const {
    return cSystem->GetKingdomPoint();
}

std::string clsData::GetRank() const {
    return cSystem->GetRank();
}

std::int16_t clsData::GetRankAsNumber() const {
    return cSystem->GetRankAsNumber();
}

std::string clsData::GetConstruct() const {
    return cSystem->GetConstruct(false);
}

std::string clsData::GetSoundName() const {
    return cSystem->GetSoundName();
}

void clsData::SetMenu(MenuKey pstrMenu) {
    cMenu->SetMenu(pstrMenu);
}

MenuKey clsData::GetMenu() const {
    return cMenu->GetMenu();
}

void clsData::SetSubMenu(MenuKey pstrSubMenu) {
    cMenu->SetSubMenu(pstrSubMenu);
}

MenuKey clsData::GetSubMenu() const {
    return cMenu->GetSubMenu();
}

std::string clsData::GetGGHeaderName() const {
    return cMenu->GetGGHeaderName();
}

bool clsData::CheckDateCommand(std::int16_t Index) const {
    return cSystem->CheckDateCommand(Index);
}

bool clsData::CheckCamp() const {
    return cMngCountry->CheckCamp();
}

bool clsData::CheckStudentCount() const {
    return cMngStudent->CheckStudentCount(true);
}
