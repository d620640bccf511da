#include "state/cls_data.h"

#include "host/runtime/strings.h"

namespace {

constexpr const char* kStudents = "生徒を見る";
constexpr const char* kTimetable = "授業";
constexpr const char* kNewcomers = "新入生";
constexpr const char* kTeachers = "教師を見る";
constexpr const char* kContract = "契約";
constexpr const char* kSchoolData = "学園データ";
constexpr const char* kGraduates = "卒業生";
constexpr const char* kTeacherOffers = "教師";

} // namespace

std::optional<host::runtime::Collection<clsGetGridData>>
clsData::GetAbilityNumber(std::int16_t Number) const {
    const std::string& menu = cMenu->GetMenu();
    const std::string& sub = cMenu->GetSubMenu();
    if (menu == kNewcomers) return cMngStudent->GetNewStudnetAbility(Number);
    if (menu == kStudents || menu == kTimetable) return cMngStudent->GetStudentAbility(Number);
    if (menu == kTeachers) return cMngTeacher->GetContractTeacherAbility(Number);
    if (menu == kContract && sub == kTeacherOffers) return cMngTeacher->GetNewComerTeacherAbility(Number);
    if (menu == kSchoolData && sub == kGraduates) return cMngStudent->GetGraduateAbilityAsNumber(Number);
    return std::nullopt;
}

std::optional<clsGetGridData> clsData::GetSchoolDetailData(const std::string& pData) const {
    const std::string& menu = cMenu->GetMenu();
    const std::string& sub = cMenu->GetSubMenu();
    if (menu == kTeachers) return cMngTeacher->GetTeacherDataDetail(pData);
    if (menu == kTimetable || menu == kStudents) return cMngStudent->GetStudentDetail(pData);
    if (menu == kNewcomers) return cMngStudent->GetNewComerDetail(pData);
    if (menu == kContract && sub == kTeacherOffers) return cMngTeacher->GetNewComerTeacherDataDetail(pData);
    if (menu == kSchoolData && sub == kGraduates) return cMngStudent->GetGraduateDetail(pData);
    return std::nullopt;
}

std::string clsData::GetSchoolTips(const std::string& pData) {
    const std::string& menu = cMenu->GetMenu();
    const std::string& sub = cMenu->GetSubMenu();
    if (menu == kSchoolData) {
        if (sub == "アイテム") return cMngItem->GetItemTips(pData);
        if (sub == "モンスター") return cLines->GetMonsterTips(pData);
        if (sub == "スポンサー") return cMngCompany->GetSponsorTips(pData);
        return "";
    }
    if (menu == "建物データ") return cSystem->GetConstructTips(pData);
    if (menu == "アルバイト") return cMngArbeit->GetTips(pData);
    if (menu == "依頼") {
        if (host::runtime::Like(pData, "*王国大会"))
            return cLines->GetGattleGameTips(cSystem->GetMonth(), cSystem->GetRankAsNumber()) + "\r\n" +
                   "賞金と王国ポイントは優勝したときのみです";
        return cSystem->GetQuestTips(pData);
    }
    if (menu == kStudents) return cMngStudent->GetStudentTips(pData, cSystem->GetMonth(), false);
    if (menu == kNewcomers) return cMngStudent->GetNewComerTips(pData, cSystem->GetCriticism());
    if (menu == kTeachers) return cMngTeacher->GetContractTeacherTips(pData);
    if (menu == kContract) {
        if (sub == kTeacherOffers) return cMngTeacher->GetNewComerTips(pData);
        if (sub == "スカウト") return cMngScout->GetScoutTips(pData, cSystem->GetMoney());
        return "";
    }
    if (menu == "新規スポンサー") return cMngCompany->GetSponsorTips(pData);
    if (menu == "合宿") return cMngCountry->GetCountryTips(pData);
    return "";
}
