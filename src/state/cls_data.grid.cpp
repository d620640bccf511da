#include "state/cls_data.h"

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
    const std::string menu = cMenu->GetMenu();
    const std::int16_t rank = cSystem->GetRankAsNumber();
    if (menu == "加工屋") {
        if (pData == "加工アイテムリストを表示") return cMngItem->GetProcessItem(rank);
        if (pData == "所持アイテムから検索") return cMngItem->GetEnableProcessItem(rank);
        return std::nullopt;
    }
    if (menu == "チケット引換所") return cMngItem->GetTicketItem();
    if (menu == "ポイント交換所") return cSystem->GetPointChange(cMngCompany->GetConstDiscount());
    if (menu == "王国許可局") return cSystem->GetBuild(cMngCompany->GetConstDiscount());
    if (menu == "アイテム店") {
        // The toggle's caption names the view it opens.
        if (pData == "所持品を表示する") return cMngItem->GetItemShopData(cMngCompany->GetItemShopFLG());
        if (pData == "商品を表示する") return cMngItem->GetItemSellData();
        return std::nullopt;
    }
    if (menu == "アルバイト") return cMngArbeit->GetArbeitData(cSystem->GetMonth());
    if (menu == "依頼") return requestRows(*cSystem, *cMngStudent, *cLines);
    if (menu == "建物データ") {
        if (pData == "学園") return cSystem->GetConstData(building_work::kConstruction);
        if (pData == "校舎") return cSystem->GetConstData(building_work::kClassroom);
        if (pData == "寮") return cSystem->GetConstData(building_work::kFacility);
        return std::nullopt;
    }
    if (menu == "学園データ") {
        if (pData == "アイテム") return cMngItem->GetHoldItemData();
        if (pData == "スポンサー") return cMngCompany->GetSponsorData();
        if (pData == "モンスター") return cLines->GetMonsterData();
        if (pData == "卒業生") return cMngStudent->GetGraduateData();
        if (pData == "スカウト") return cMngScout->GetContract();
        return std::nullopt;
    }
    if (menu == "教師を見る") return cMngTeacher->GetContractTeacher();
    if (menu == "生徒を見る") return cMngStudent->GetStudentData();
    if (menu == "契約") {
        const std::string& sub = cMenu->GetSubMenu();
        if (sub == "スカウト") return cMngScout->GetScoutData();
        if (sub == "教師") return cMngTeacher->GetNewComer();
        return std::nullopt;
    }
    if (menu == "新入生") {
        cMngStudent->ClearNewComer();
        CreateStudent();
        return cMngStudent->GetNewComer();
    }
    if (menu == "新規スポンサー") {
        clsSponsorCondition snapshot = cSystem->GetSponsorCondition();
        cMngStudent->SetSponsorData(snapshot);
        return cMngCompany->GetEnableSponsor(snapshot);
    }
    if (menu == "合宿") return cMngCountry->GetCountry(rank, cMngCompany->GetCampDiscount());
    return std::nullopt;
}
