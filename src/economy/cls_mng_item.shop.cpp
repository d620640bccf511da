#include "economy/cls_mng_item.h"

#include "economy/item_codes.h"
#include "economy/item_words.h"
#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "platform/rules/cls_method.h"

#include <set>
#include <vector>

using host::runtime::CStr;

std::int32_t clsMngItem::GetShopItemPrice(const std::string& ItemName) const {
    return ShopItems.item(ItemName).Price();
}

std::int32_t clsMngItem::GetSellItemPrice(const std::string& ItemName) const {
    return Items.item(ItemName).Price();
}

clsMngItem::Rows clsMngItem::GetItemShopData(std::int32_t SponsorFLG) const {
    Rows rows;
    for (const clsItemShop& shop : ShopItems) {
        if (!Method().BitCheck(SponsorFLG, shop.ID())) continue;
        const long room = item_rule::kHoldCap - ItemStorage(shop.ItemName());
        addRow(rows, {"0", shop.ItemName(), CStr(shop.Price()), CStr(static_cast<std::int32_t>(room))});
    }
    return rows;
}

clsMngItem::Rows clsMngItem::GetHoldItemData() const {
    Rows rows;
    for (const clsItem& item : Items)
        if (item.ItemStorage() > 0)
            addRow(rows, {itemTypeName(item.ItemType()), item.ItemName(), CStr(item.Price()),
                          CStr(item.ItemStorage())});
    return rows;
}

clsMngItem::Rows clsMngItem::GetItemSellData() const {
    Rows rows;
    for (const clsItem& item : Items)
        if (item.ItemStorage() > 0)
            addRow(rows, {"0", item.ItemName(), CStr(item.Price()), CStr(item.ItemStorage())});
    return rows;
}

std::int32_t clsMngItem::sellByCount(const std::string& ItemName, std::int16_t& count) {
    clsItem& item = Items.item(ItemName);
    item.DeleteItem(count);
    return count < 1 ? 0 : host::runtime::saturate32(std::int64_t{item.Price()} * count);
}

std::int32_t clsMngItem::GetItemSellPriceAsID(const std::string& ItemName, const UnitIds& IDs) const {
    const clsItem& item = Items.item(ItemName);
    std::int64_t total = 0;
    for (const std::string& id : IDs)
        total += item.GetItemPriceAsID(host::runtime::CLng(id));
    return host::runtime::saturate32(total);
}

void clsMngItem::SetItemSellAsID(const std::string& ItemName, const UnitIds& IDs) {
    clsItem& item = Items.item(ItemName);
    std::vector<std::int32_t> sold;
    std::set<std::int32_t> seen;
    for (const std::string& text : IDs) {
        const std::int32_t id = host::runtime::CLng(text);
        if (!item.holdsUnit(id) || !seen.insert(id).second)
            throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                              ItemName + ": unit " + text + " is not held");
        sold.push_back(id);
    }
    for (std::int32_t id : sold)
        item.DeleteItemID(id);
}
