#include "state/cls_data.h"

#include "host/runtime/convert.h"
#include "platform/services/game_services.h"

namespace {

using host::runtime::CInt;
using host::runtime::CStr;

// The company manager's doors to a company's shares.
constexpr std::int32_t kSharesHeld = 2;
constexpr std::int32_t kSell = 3;
constexpr std::int32_t kBuy = 4;

} // namespace

std::int16_t clsData::GetHoldStock(const std::string& pData) const {
    return CInt(cMngCompany->CompanyData(pData, kSharesHeld));
}

std::int32_t clsData::GetSponsorCurrentMoney() const {
    std::string unused;
    return cMngCompany->GetSponsorMoney(unused);
}

void clsData::ChangeHoldStock(const std::string& Excute, const std::string& CompanyName,
                              std::int16_t StockNum) {
    cMngCompany->CompanyData(CompanyName, Excute == "購入" ? kBuy : kSell, CStr(StockNum));
}

void clsData::SetSponsorMoney() {
    std::string unused;
    const std::int32_t total = cMngCompany->GetSponsorMoney(unused);
    if (cSystem->AddMoney(total) && total > 0) Services().SoundPlay("coin05");
}
