#include "state/cls_data.h"

#include "economy/item_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "platform/services/game_services.h"

#include <algorithm>

namespace {

using host::runtime::CStr;
using host::runtime::saturate32;

constexpr const char* kProcessing = "加工屋";
constexpr const char* kStocks = "株屋";
constexpr const char* kTicketExchange = "チケット引換所";
constexpr const char* kPointExchange = "ポイント交換所";
constexpr const char* kPermitOffice = "王国許可局";
constexpr const char* kItemShop = "アイテム店";
constexpr const char* kBuy = "購入";
constexpr const char* kCoin = "coin05";

bool isTicket(const std::string& name) {
    return host::runtime::Like(name, "*チケット");
}

// The price of count units, held to the money's range; a count below 0 is none.
std::int32_t priceOf(std::int32_t unitPrice, std::int16_t count) {
    return saturate32(std::int64_t{unitPrice} * std::max<std::int16_t>(count, 0));
}

} // namespace

std::string clsData::GetShopTips(const std::string& pData) const {
    const std::string& menu = cMenu->GetMenu();
    if (menu == kProcessing) return cMngItem->GetProcessItemTips(pData);
    if (menu == kStocks) return cMngCompany->GetCompanyTooltip(pData);
    if (menu == kTicketExchange) return cMngItem->GetItemTips(pData);
    if (menu == kPointExchange)
        return isTicket(pData) ? cMngItem->GetItemTips(pData) : cSystem->GetPermitTips(pData);
    if (menu == kPermitOffice) return cSystem->GetBuildTips(pData);
    if (menu == kItemShop)
        return cMngItem->GetItemTips(pData) + "\r\n所持数=" + CStr(cMngItem->ItemStorage(pData));
    return "";
}

void clsData::SetUseConsumeItem(const std::string& pTargetStudent, const std::string& UseItem) {
    clsStudent* student = nullptr;
    if (!cMngStudent->GetStudent(pTargetStudent, student))
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                          "「" + pTargetStudent + "」という生徒はいないので" + UseItem +
                                              "を使えません");
    guardedCommand([&] {
        if (const auto item = cMngItem->GetConsumeItem(UseItem))
            cMngStudent->UseConsumeItem(pTargetStudent, *item);
    });
}

std::int16_t clsData::SetProcessItem(const std::string& pRecipe, std::int16_t Number) {
    std::int16_t held = 0;
    guardedCommand([&] {
        const std::int32_t fee = priceOf(cMngItem->GetProcessPrice(pRecipe), Number);
        if (!cSystem->SubMoney(fee)) return;
        std::int16_t count = std::max<std::int16_t>(Number, 0);
        held = cMngItem->SetProcessItem(pRecipe, count);
        Services().SoundPlay(kCoin);
    });
    return held;
}

void clsData::SetPermitChange(const std::string& pData, std::int16_t Count) {
    guardedCommand([&] {
        std::int16_t count = Count;
        if (!cSystem->SetPermitChange(pData, count, cMngCompany->GetConstDiscount())) return;
        if (isTicket(pData)) cMngItem->ItemAdd(pData, count);
        Services().SoundPlay(kCoin);
    });
}

std::int16_t clsData::SetItemChange(const std::string& pShopItem, const std::string& Excute,
                                    std::int16_t Count) {
    std::int16_t result = 0;
    guardedCommand([&] {
        if (Excute == kBuy) {
            if (cSystem->SubMoney(priceOf(cMngItem->GetShopItemPrice(pShopItem), Count))) {
                cMngItem->ItemAdd(pShopItem, Count);
                Services().SoundPlay(kCoin);
            }
            result = static_cast<std::int16_t>(item_rule::kHoldCap - cMngItem->ItemStorage(pShopItem));
            return;
        }
        std::int16_t sold = Count;
        cSystem->AddMoney(cMngItem->sellByCount(pShopItem, sold));
        Services().SoundPlay(kCoin);
        result = cMngItem->ItemStorage(pShopItem);
    });
    return result;
}

std::int16_t clsData::SetItemSellAsID(const std::string& pShopItem, const clsMngItem::UnitIds& clUnitID) {
    std::int16_t held = 0;
    guardedCommand([&] {
        if (cSystem->AddMoney(cMngItem->GetItemSellPriceAsID(pShopItem, clUnitID))) {
            cMngItem->SetItemSellAsID(pShopItem, clUnitID);
            Services().SoundPlay(kCoin);
        }
        held = cMngItem->ItemStorage(pShopItem);
    });
    return held;
}

bool clsData::CheckConstructItem(const std::string& pBuildingName) const {
    if (!cSystem->CheckConstructItem(pBuildingName)) return false;
    return cMngItem->CheckConstructItem(cSystem->GetConstructItemTarget(pBuildingName));
}
