#include "state/cls_data.h"

#include "state/owned_managers.h"

#include "economy/companies/company_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "platform/services/game_services.h"
#include "platform/sound/sound_names.h"

#include <optional>
#include <string_view>

namespace {

using host::runtime::CLng;
using host::runtime::ErrorNumber;
using host::runtime::IsNumeric;
using host::runtime::RuntimeError;

constexpr std::int16_t kFullSchool = 5;

// A numeric text as a 32-bit amount; none when it does not fit.
std::optional<std::int32_t> amountOf(std::string_view text) {
    try {
        return CLng(text);
    } catch (const RuntimeError& e) {
        if (e.number() != ErrorNumber::Overflow) throw;
        return std::nullopt;
    }
}

} // namespace

bool clsData::CheckCommand(std::int16_t Index, const std::string& pData) const {
    const MenuKey menu = cMenu->GetMenu();
    if (menu == menu_key::kBuildingData) return Index != 2 || cSystem->CheckDormitory();
    if (menu == menu_key::kSchoolData) {
        switch (Index) {
        case 0:
            return cMngItem->CheckItemData();
        case 1:
            return cMngCompany->CheckCompanyData();
        case 2:
            return cMngScout->CheckScout();
        case 3:
            return cLines->CheckMonsterData();
        case 4:
            return cMngStudent->CheckEnableGraduate();
        default:
            return false;
        }
    }
    if (menu == menu_key::kContract) {
        if (Index == 0) return cMngScout->CheckNewScout();
        if (Index == 1) return cMngTeacher->CheckNewTeacher();
        return false;
    }
    if (menu == menu_key::kStudents) {
        if (Index == 0) return cMngItem->GetIsConsumeItem();
        if (Index == 1) return CheckCourse(pData);
        return false;
    }
    return false;
}

bool clsData::IsEnoughMoney(const std::string& pData) const {
    const bool numeric = IsNumeric(pData);
    if (cMenu->GetMenu() == menu_key::kStocks && !numeric) {
        if (GetHoldStock(pData) >= share_rule::kHoldCap) return false;
        return cSystem->IsEnough(CLng(GetStockPrice(pData)));
    }
    if (!numeric) return false;
    // Beyond 32 bits: more than any purse holds, or a debt any purse covers.
    const std::optional<std::int32_t> amount = amountOf(pData);
    if (!amount) return pData.find('-') != std::string::npos;
    return cSystem->IsEnough(*amount);
}

std::int32_t clsData::GetContractMoney(const std::string& pData) const {
    const MenuKey subMenu = cMenu->GetSubMenu();
    if (subMenu == menu_key::kTeacherOffers) return cMngTeacher->GetContractMoney(pData);
    if (subMenu == menu_key::kScouts) return cMngScout->GetContractMoney(pData);
    return 0;
}

bool clsData::CheckContractMoney(const std::string& pOfferName) const {
    const MenuKey subMenu = cMenu->GetSubMenu();
    if (subMenu == menu_key::kTeacherOffers) {
        const bool room = cMngTeacher->CheckIsMaxTeacher();
        const bool money = cSystem->IsEnough(cMngTeacher->GetContractMoney(pOfferName));
        return room && money;
    }
    if (subMenu == menu_key::kScouts) return cSystem->IsEnough(cMngScout->GetContractMoney(pOfferName));
    return false;
}

bool clsData::SetContract(const std::string& pOfferName) {
    const MenuKey subMenu = cMenu->GetSubMenu();
    if (subMenu != menu_key::kTeacherOffers && subMenu != menu_key::kScouts) return false;
    const std::int32_t money = GetContractMoney(pOfferName);
    if (!affords(money)) return false;
    // An offer the manager refuses after the payment takes the money back.
    guardedCommand([&] {
        cSystem->SubMoney(money);
        if (subMenu == menu_key::kTeacherOffers)
            cMngTeacher->SetContract(pOfferName);
        else
            cMngScout->ScoutDecide(pOfferName);
        Services().SoundPlay(sound_name::kCoin);
    });
    return true;
}

std::optional<std::int16_t> clsData::SetBonus(const std::string& pBonusTeacher, std::int32_t Bonus,
                                              const std::string& BonusEffect) {
    if (!affords(Bonus)) return std::nullopt;
    std::int16_t stage = 0;
    guardedCommand([&] {
        cSystem->SubMoney(Bonus);
        Services().SoundPlay(sound_name::kCoin);
        stage = cMngTeacher->SetTeacherBonus(pBonusTeacher, BonusEffect);
    });
    return stage;
}

bool clsData::SetCamp(const std::string& pData, std::int32_t lngMoney) {
    if (!affords(lngMoney)) return false;
    cSystem->SubMoney(lngMoney);
    cMngCountry->SetContract(pData);
    Services().SoundPlay(sound_name::kCoin);
    return true;
}

bool clsData::CheckCourse(const std::string& pTargetStudent) const {
    if (!cSystem->CheckCourse()) return false;
    return cMngStudent->CheckCourse(pTargetStudent, cSystem->GetSchoolYear());
}

bool clsData::GetEnoughMember(std::int16_t NewMember) const {
    return NewMember + cMngStudent->GetMemberNum() >= kFullSchool;
}

bool clsData::CheckArbeit() const {
    if (!cMngStudent->CheckStudentCount(false)) return true;
    return cMngArbeit->CheckArbeit();
}

bool clsData::CheckContractTeacher(const std::string& pData) const {
    return cMngTeacher->CheckContractTeacher(pData);
}

bool clsData::CheckTeacherCanceled() const {
    return cMngTeacher->CheckIsMinTeacher();
}

void clsData::SetTeacherCanceled(const std::string& pData) {
    cMngTeacher->SetCanceled(pData);
}

const host::runtime::Collection<clsGetGridData>& clsData::GetBonusData() const {
    return cMngTeacher->GetBonusData();
}

const host::runtime::Collection<clsGetGridData>& clsData::GetCourse() const {
    return cMngStudent->GetCourse();
}

void clsData::SetCourse(const std::string& pTargetStudent, const std::string& Course) {
    cMngStudent->SetCourse(pTargetStudent, Course);
}

std::string clsData::GetStudentCourse(const std::string& pTargetStudent) const {
    return cMngStudent->GetStudentCourse(pTargetStudent);
}

void clsData::SetNewStudent(const std::string& pData) {
    cMngStudent->SetNewStudent(pData);
}

void clsData::SetArbeit(const std::string& pData) {
    cMngArbeit->SetContractArbeit(pData);
}

const std::string& clsData::winnerUnit() const {
    return WinnerUnit;
}
