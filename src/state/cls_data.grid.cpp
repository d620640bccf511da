#include "state/cls_data.h"

#include "state/owned_managers.h"

#include "school/buildings/building_codes.h"

namespace {

using Rows = host::runtime::Collection<clsGetGridData>;

// The request list: the tournament heads it on a tournament day while no
// team of the school is entered yet; requests a team is already out on are left out.
Rows requestRows(const clsSystem& system, const clsMngStudent& students, const clsLines& lines) {
    const bool tournamentDay = system.CheckBattleGameDay();
    const bool entered = students.CheckBattleGameDay();
    const Rows sent = students.GetQuest();
    if (tournamentDay && !entered)
        return system.GetQuest(sent, true, lines.GetBattleGame(system.GetMonth(), system.GetRankAsNumber()));
    return system.GetQuest(sent, false, clsGetGridData{});
}

} // namespace

std::optional<Rows> clsData::GetGridData(const std::string& pData) {
    const MenuKey menu = cMenu->GetMenu();
    const std::int16_t rank = cSystem->GetRankAsNumber();
    if (menu == menu_key::kProcessing) {
        if (pData == "加工アイテムリストを表示") return cMngItem->GetProcessItem(rank);
        if (pData == "所持アイテムから検索") return cMngItem->GetEnableProcessItem(rank);
        return std::nullopt;
    }
    if (menu == menu_key::kTicketExchange) return cMngItem->GetTicketItem();
    if (menu == menu_key::kPointExchange) return cSystem->GetPointChange(cMngCompany->GetConstDiscount());
    if (menu == menu_key::kPermitOffice) return cSystem->GetBuild(cMngCompany->GetConstDiscount());
    if (menu == menu_key::kItemShop) {
        // The toggle's caption names the view it opens.
        if (pData == "所持品を表示する") return cMngItem->GetItemShopData(cMngCompany->GetItemShopFLG());
        if (pData == "商品を表示する") return cMngItem->GetItemSellData();
        return std::nullopt;
    }
    if (menu == menu_key::kArbeit) return cMngArbeit->GetArbeitData(cSystem->GetMonth());
    if (menu == menu_key::kQuest) return requestRows(*cSystem, *cMngStudent, *cLines);
    if (menu == menu_key::kBuildingData) {
        if (pData == menu_key::kSchoolGrounds.name())
            return cSystem->GetConstData(building_work::kConstruction);
        if (pData == menu_key::kSchoolhouse.name()) return cSystem->GetConstData(building_work::kClassroom);
        if (pData == menu_key::kDormitory.name()) return cSystem->GetConstData(building_work::kFacility);
        return std::nullopt;
    }
    if (menu == menu_key::kSchoolData) {
        if (pData == menu_key::kItems.name()) return cMngItem->GetHoldItemData();
        if (pData == menu_key::kSponsors.name()) return cMngCompany->GetSponsorData();
        if (pData == menu_key::kMonsters.name()) return cLines->GetMonsterData();
        if (pData == menu_key::kGraduates.name()) return cMngStudent->GetGraduateData();
        if (pData == menu_key::kScouts.name()) return cMngScout->GetContract();
        return std::nullopt;
    }
    if (menu == menu_key::kTeachers) return cMngTeacher->GetContractTeacher();
    if (menu == menu_key::kStudents) return cMngStudent->GetStudentData();
    if (menu == menu_key::kContract) {
        const MenuKey sub = cMenu->GetSubMenu();
        if (sub == menu_key::kScouts) return cMngScout->GetScoutData();
        if (sub == menu_key::kTeacherOffers) return cMngTeacher->GetNewComer();
        return std::nullopt;
    }
    if (menu == menu_key::kNewcomers) {
        cMngStudent->ClearNewComer();
        CreateStudent();
        return cMngStudent->GetNewComer();
    }
    if (menu == menu_key::kNewSponsors) {
        clsSponsorCondition snapshot = cSystem->GetSponsorCondition();
        cMngStudent->SetSponsorData(snapshot);
        return cMngCompany->GetEnableSponsor(snapshot);
    }
    if (menu == menu_key::kCamp) return cMngCountry->GetCountry(rank, cMngCompany->GetCampDiscount());
    return std::nullopt;
}
