#include "state/cls_data.h"

#include "state/owned_managers.h"

#include "host/runtime/strings.h"

std::optional<host::runtime::Collection<clsGetGridData>>
clsData::GetAbilityNumber(std::int16_t Number) const {
    const MenuKey menu = cMenu->GetMenu();
    const MenuKey sub = cMenu->GetSubMenu();
    if (menu == menu_key::kNewcomers) return cMngStudent->GetNewStudnetAbility(Number);
    if (menu == menu_key::kStudents || menu == menu_key::kTimetable)
        return cMngStudent->GetStudentAbility(Number);
    if (menu == menu_key::kTeachers) return cMngTeacher->GetContractTeacherAbility(Number);
    if (menu == menu_key::kContract && sub == menu_key::kTeacherOffers)
        return cMngTeacher->GetNewComerTeacherAbility(Number);
    if (menu == menu_key::kSchoolData && sub == menu_key::kGraduates)
        return cMngStudent->GetGraduateAbilityAsNumber(Number);
    return std::nullopt;
}

std::optional<clsGetGridData> clsData::GetSchoolDetailData(const std::string& pData) const {
    const MenuKey menu = cMenu->GetMenu();
    const MenuKey sub = cMenu->GetSubMenu();
    if (menu == menu_key::kTeachers) return cMngTeacher->GetTeacherDataDetail(pData);
    if (menu == menu_key::kTimetable || menu == menu_key::kStudents)
        return cMngStudent->GetStudentDetail(pData);
    if (menu == menu_key::kNewcomers) return cMngStudent->GetNewComerDetail(pData);
    if (menu == menu_key::kContract && sub == menu_key::kTeacherOffers)
        return cMngTeacher->GetNewComerTeacherDataDetail(pData);
    if (menu == menu_key::kSchoolData && sub == menu_key::kGraduates)
        return cMngStudent->GetGraduateDetail(pData);
    return std::nullopt;
}

std::string clsData::GetSchoolTips(const std::string& pData) {
    const MenuKey menu = cMenu->GetMenu();
    const MenuKey sub = cMenu->GetSubMenu();
    if (menu == menu_key::kSchoolData) {
        if (sub == menu_key::kItems) return cMngItem->GetItemTips(pData);
        if (sub == menu_key::kMonsters) return cLines->GetMonsterTips(pData);
        if (sub == menu_key::kSponsors) return cMngCompany->GetSponsorTips(pData);
        return "";
    }
    if (menu == menu_key::kBuildingData) return cSystem->GetConstructTips(pData);
    if (menu == menu_key::kArbeit) return cMngArbeit->GetTips(pData);
    if (menu == menu_key::kQuest) {
        if (host::runtime::Like(pData, "*王国大会"))
            return cLines->GetGattleGameTips(cSystem->GetMonth(), cSystem->GetRankAsNumber()) + "\r\n" +
                   "賞金と王国ポイントは優勝したときのみです";
        return cSystem->GetQuestTips(pData);
    }
    if (menu == menu_key::kStudents) return cMngStudent->GetStudentTips(pData, cSystem->GetMonth(), false);
    if (menu == menu_key::kNewcomers) return cMngStudent->GetNewComerTips(pData, cSystem->GetCriticism());
    if (menu == menu_key::kTeachers) return cMngTeacher->GetContractTeacherTips(pData);
    if (menu == menu_key::kContract) {
        if (sub == menu_key::kTeacherOffers) return cMngTeacher->GetNewComerTips(pData);
        if (sub == menu_key::kScouts) return cMngScout->GetScoutTips(pData, cSystem->GetMoney());
        return "";
    }
    if (menu == menu_key::kNewSponsors) return cMngCompany->GetSponsorTips(pData);
    if (menu == menu_key::kCamp) return cMngCountry->GetCountryTips(pData);
    return "";
}

host::runtime::Collection<clsGetGridData> clsData::GetStudentChara() const {
    return cMngStudent->GetStudentChara();
}

clsGetGridData clsData::GetExperienceAsNumber(const std::string& pData) const {
    return cMngStudent->GetExperienceAsNumber(pData);
}

clsGetGridData clsData::GetStudnetIndivisual(const std::string& pData, std::int16_t AbilityNumber) const {
    return cMngStudent->GetStudentIndividual(pData, AbilityNumber);
}

std::string clsData::GetContractScoutTips() const {
    return cMngScout->GetContractScoutTips();
}

std::string clsData::GetSchoolConstructTips() const {
    return cSystem->GetSchoolConstructTips();
}
