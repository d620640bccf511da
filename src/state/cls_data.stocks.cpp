#include "state/cls_data.h"

#include "state/owned_managers.h"

#include "economy/companies/company_codes.h"
#include "host/runtime/convert.h"
#include "platform/services/game_services.h"
#include "platform/sound/sound_names.h"

#include <algorithm>

namespace {

using host::runtime::CInt;
using host::runtime::CLng;
using host::runtime::CStr;

} // namespace

std::string clsData::GetStockPrice(const std::string& pData) const {
    return cMngCompany->CompanyData(pData, company_door::kStockPrice);
}

std::int16_t clsData::GetHoldStock(const std::string& pData) const {
    return CInt(cMngCompany->CompanyData(pData, company_door::kHoldStock));
}

std::int32_t clsData::GetSponsorCurrentMoney() const {
    std::string unused;
    return cMngCompany->GetSponsorMoney(unused);
}

bool clsData::ChangeHoldStock(const std::string& Excute, const std::string& CompanyName,
                              std::int16_t StockNum) {
    const bool buying = Excute == "購入";
    if (buying) {
        const std::int64_t price =
            std::int64_t{CLng(GetStockPrice(CompanyName))} * std::max<std::int16_t>(StockNum, 0);
        if (!affords(price)) return false;
    }
    cMngCompany->CompanyData(CompanyName, buying ? company_door::kBuy : company_door::kSell, CStr(StockNum));
    return true;
}

void clsData::SetSponsorMoney() {
    std::string unused;
    const std::int32_t total = cMngCompany->GetSponsorMoney(unused);
    if (cSystem->AddMoney(total) && total > 0) Services().SoundPlay(sound_name::kCoin);
}

host::runtime::Collection<clsGetCompany> clsData::GetCompanyData() const {
    return cMngCompany->GetCompanyStockData();
}

std::int16_t clsData::GetSponsorMaxContract() const {
    return cSystem->GetSponsorMaxCount();
}

std::int16_t clsData::GetSponsorCurrentContract() const {
    return cMngCompany->GetSponsorCount();
}

void clsData::SetSponsorContract(const std::string& pData) {
    cMngCompany->SponsorContract(pData);
}
