#include "state/cls_data.h"

#include "state/owned_managers.h"

#include "economy/item_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "platform/services/game_services.h"
#include "platform/sound/sound_names.h"

#include <algorithm>

namespace {

using host::runtime::CStr;
using host::runtime::saturate32;

constexpr const char* kBuy = "購入";

bool isTicket(const std::string& name) {
    return host::runtime::Like(name, "*チケット");
}

// The price of count units, held to the money's range; a count below 0 is none.
std::int32_t priceOf(std::int32_t unitPrice, std::int16_t count) {
    return saturate32(std::int64_t{unitPrice} * std::max<std::int16_t>(count, 0));
}

} // namespace

std::string clsData::GetShopTips(const std::string& pData) const {
    const MenuKey menu = cMenu->GetMenu();
    if (menu == menu_key::kProcessing) return cMngItem->GetProcessItemTips(pData);
    if (menu == menu_key::kStocks) return cMngCompany->GetCompanyTooltip(pData);
    if (menu == menu_key::kTicketExchange) return cMngItem->GetItemTips(pData);
    if (menu == menu_key::kPointExchange)
        return isTicket(pData) ? cMngItem->GetItemTips(pData) : cSystem->GetPermitTips(pData);
    if (menu == menu_key::kPermitOffice) return cSystem->GetBuildTips(pData);
    if (menu == menu_key::kItemShop)
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

std::optional<std::int16_t> clsData::SetProcessItem(const std::string& pRecipe, std::int16_t Number) {
    const std::int32_t fee = priceOf(cMngItem->GetProcessPrice(pRecipe), Number);
    if (!affords(fee)) return std::nullopt;
    std::int16_t held = 0;
    guardedCommand([&] {
        cSystem->SubMoney(fee);
        std::int16_t count = std::max<std::int16_t>(Number, 0);
        held = cMngItem->SetProcessItem(pRecipe, count);
        Services().SoundPlay(sound_name::kCoin);
    });
    return held;
}

bool clsData::SetBuild(const std::string& pData) {
    const std::int16_t discount = cMngCompany->GetConstDiscount();
    if (!affords(cSystem->GetBuildPrice(pData, discount))) return false;
    if (!cSystem->GetEnableBuild(pData, discount)) return false;
    cSystem->SetConstructBuild(pData, discount);
    return true;
}

bool clsData::SetPermitChange(const std::string& pData, std::int16_t Count) {
    const std::int16_t discount = cMngCompany->GetConstDiscount();
    if (!affords(cSystem->GetPermitPrice(pData, discount))) return false;
    if (!affordsPoints(cSystem->GetPermitPoints(pData, Count))) return false;
    bool exchanged = false;
    guardedCommand([&] {
        std::int16_t count = Count;
        if (!cSystem->SetPermitChange(pData, count, discount)) return;
        if (isTicket(pData)) cMngItem->ItemAdd(pData, count);
        Services().SoundPlay(sound_name::kCoin);
        exchanged = true;
    });
    return exchanged;
}

std::optional<std::int16_t> clsData::SetItemChange(const std::string& pShopItem, const std::string& Excute,
                                                   std::int16_t Count) {
    const bool buying = Excute == kBuy;
    const std::int32_t price = buying ? priceOf(cMngItem->GetShopItemPrice(pShopItem), Count) : 0;
    if (!affords(price)) return std::nullopt;
    std::int16_t result = 0;
    guardedCommand([&] {
        if (buying) {
            cSystem->SubMoney(price);
            cMngItem->ItemAdd(pShopItem, Count);
            Services().SoundPlay(sound_name::kCoin);
            result = static_cast<std::int16_t>(item_rule::kHoldCap - cMngItem->ItemStorage(pShopItem));
            return;
        }
        std::int16_t sold = Count;
        cSystem->AddMoney(cMngItem->sellByCount(pShopItem, sold));
        Services().SoundPlay(sound_name::kCoin);
        result = cMngItem->ItemStorage(pShopItem);
    });
    return result;
}

std::int16_t clsData::SetItemSellAsID(const std::string& pShopItem,
                                      const host::runtime::Collection<std::string>& clUnitID) {
    std::int16_t held = 0;
    guardedCommand([&] {
        if (cSystem->AddMoney(cMngItem->GetItemSellPriceAsID(pShopItem, clUnitID))) {
            cMngItem->SetItemSellAsID(pShopItem, clUnitID);
            Services().SoundPlay(sound_name::kCoin);
        }
        held = cMngItem->ItemStorage(pShopItem);
    });
    return held;
}

bool clsData::CheckConstructItem(const std::string& pBuildingName) const {
    if (!cSystem->CheckConstructItem(pBuildingName)) return false;
    return cMngItem->CheckConstructItem(cSystem->GetConstructItemTarget(pBuildingName));
}

std::int16_t clsData::GetMaxTicket(const std::string& pPermitName) const {
    return cSystem->GetMaxTicket(pPermitName, cMngItem->ItemStorage(pPermitName));
}

bool clsData::GetEnablePermit(const std::string& pData) const {
    return cSystem->GetEnablePermit(pData, cMngCompany->GetConstDiscount());
}

bool clsData::GetEnableBuild(const std::string& pData) const {
    return cSystem->GetEnableBuild(pData, cMngCompany->GetConstDiscount());
}

std::int16_t clsData::GetMaxItemMixture(const std::string& pData) const {
    return cMngItem->MaxItemMixture(pData, cSystem->GetMoney());
}

std::int32_t clsData::GetMaxItem(const std::string& pData) const {
    return cMngItem->MaxItem(pData, cSystem->GetMoney());
}

host::runtime::Collection<clsGetGridData> clsData::GetConstructItemData(const std::string& pData) const {
    return cMngItem->GetConstructItem(cSystem->GetConstructItemTarget(pData));
}

bool clsData::GetIsItemMaterial(const std::string& pData) const {
    return cMngItem->GetIsItemMaterial(pData);
}

host::runtime::Collection<clsGetGridData> clsData::GetItemStorageData(const std::string& pData) const {
    return cMngItem->GetItemStorageData(pData);
}

host::runtime::Collection<clsGetGridData> clsData::GetItemConsumeData() const {
    return cMngItem->GetConsumeItemData();
}

bool clsData::GetIsConsumeItem() const {
    return cMngItem->GetIsConsumeItem();
}

std::string clsData::GetConsumeItemTips(const std::string& pData) const {
    return cMngItem->GetConsumeItemTips(pData);
}

std::int16_t clsData::SetDrawTicket(const std::string& pTicket, std::int16_t Count) {
    return cMngItem->DrawTicket(pTicket, Count);
}

void clsData::SetConstructItem(const std::string& Build, const std::string& ConstructItem) {
    cSystem->SetConstructItem(Build, ConstructItem);
}

void clsData::SetRemoveConstructItem(const std::string& pBuildingName) {
    cSystem->SetRemoveConstructItem(pBuildingName);
}
