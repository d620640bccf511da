#include "economy/cls_mng_item.h"

#include "economy/item_codes.h"
#include "economy/item_words.h"
#include "host/runtime/convert.h"

using host::runtime::CStr;

namespace {

bool namedInCell0(const clsMngItem::Rows& rows, const std::string& name) {
    for (const clsGetGridData& row : rows)
        if (row.Data(0) == name) return true;
    return false;
}

} // namespace

void clsMngItem::SetConstructItemEffect(Rows& rows) const {
    for (clsGetGridData& row : rows) {
        const std::string placed = row.Data(1);
        const bool held = !placed.empty() && CheckItem(placed);
        row.Data(2, held ? CStr(Items.item(placed).Effect2()) : "0");
    }
}

bool clsMngItem::CheckConstructItem(std::int32_t building) const {
    for (const clsItem& item : Items)
        if (item.ItemType() == item_type::kBuilding && item.Category() == building && item.ItemStorage() > 0)
            return true;
    return false;
}

clsMngItem::Rows clsMngItem::GetConstructItem(std::int32_t building) const {
    Rows rows;
    for (const clsItem& item : Items)
        if (item.ItemType() == item_type::kBuilding && item.Category() == building && item.ItemStorage() > 0)
            addRow(rows, {"0", item.ItemName(), influenceWord(item.Effect2())});
    return rows;
}

bool clsMngItem::CheckItem(const std::string& ItemName) const {
    return !ItemName.empty() && ItemStorage(ItemName) > 0;
}

std::int32_t clsMngItem::GetClassItemClassEffect(const std::string& ItemName) const {
    return Items.item(ItemName).Effect2();
}

std::int32_t clsMngItem::GetClassItemClassRisk(const std::string& ItemName) const {
    return Items.item(ItemName).Effect1();
}

clsMngItem::Rows clsMngItem::GetClassItemName() const {
    Rows rows;
    for (const clsItem& item : Items)
        if (item.ItemType() == item_type::kLesson && item.ItemStorage() > 0) addRow(rows, {item.ItemName()});
    return rows;
}

clsMngItem::Rows clsMngItem::GetClassItemData(std::int32_t kind, const Rows& booked) const {
    Rows rows;
    for (const clsItem& item : Items) {
        if (item.ItemType() != item_type::kLesson || item.Category() != kind || item.ItemStorage() == 0)
            continue;
        if (namedInCell0(booked, item.ItemName())) continue;
        addRow(rows, {"0", item.ItemName(), lessonEffectText(item.Effect2()),
                      riskWord(lessonRiskStep(item.Effect1())), breakWord(item.Broken())});
    }
    return rows;
}

bool clsMngItem::CheckClassItem(std::int32_t kind, const Rows& booked) const {
    return !GetClassItemData(kind, booked).empty();
}

std::int32_t clsMngItem::GetClassItemCheck(const std::string& ItemName) const {
    return Items.item(ItemName).Category();
}

std::string clsMngItem::GetConsumeItemTips(const std::string& ItemName) const {
    return Items.item(ItemName).Tips();
}

std::optional<clsUseConsumeItem> clsMngItem::GetConsumeItem(const std::string& ItemName) {
    clsItem& item = Items.item(ItemName);
    std::int16_t one = 1;
    item.DeleteItem(one);
    if (one == 0) return std::nullopt;
    clsUseConsumeItem used;
    used.SetConsumeData(item.ItemName(), item.Category(), item.Effect1(), item.Effect2());
    return used;
}

clsMngItem::Rows clsMngItem::GetConsumeItemData() const {
    Rows rows;
    for (const clsItem& item : Items)
        if (item.ItemType() == item_type::kConsumable && item.ItemStorage() > 0)
            addRow(rows, {"0", item.ItemName(), riskWord(consumeRiskStep(item.Category())),
                          CStr(item.ItemStorage())});
    return rows;
}

bool clsMngItem::GetIsConsumeItem() const {
    for (const clsItem& item : Items)
        if (item.ItemType() == item_type::kConsumable && item.ItemStorage() > 0) return true;
    return false;
}

bool clsMngItem::CheckItemData() const {
    for (const clsItem& item : Items)
        if (item.ItemStorage() > 0) return true;
    return false;
}

clsMngItem::Rows clsMngItem::GetItemStorageData(const std::string& ItemName) const {
    return Items.item(ItemName).GetItemDataAsID();
}

bool clsMngItem::GetIsItemMaterial(const std::string& ItemName) const {
    const std::int32_t type = Items.item(ItemName).ItemType();
    return type == item_type::kMaterial || type == item_type::kConsumable || type == item_type::kTicket;
}

clsBattleItem clsMngItem::GetBattleItem(const std::string& ItemName) const {
    clsBattleItem battleItem;
    if (ItemName.empty()) return battleItem;
    const clsItem& item = Items.item(ItemName);
    battleItem.SetData(item.ItemName(), item.Category(), item.Effect1(), item.Effect2());
    return battleItem;
}

bool clsMngItem::GetBattleItemCheck() const {
    for (const clsItem& item : Items)
        if (item.ItemType() == item_type::kBattle && item.ItemStorage() > 0) return true;
    return false;
}

clsMngItem::Rows clsMngItem::GetBattleItemData(const Rows& carried) const {
    Rows rows;
    for (const clsItem& item : Items) {
        if (item.ItemType() != item_type::kBattle || item.ItemStorage() == 0) continue;
        const clsGetGridData* row = nullptr;
        for (const clsGetGridData& candidate : carried)
            if (candidate.Data(0) == item.ItemName()) {
                row = &candidate;
                break;
            }
        if (row && host::runtime::CLng(row->Data(1)) >= item.ItemStorage()) continue;
        rows.add(item.GetBattleItemData(false));
    }
    return rows;
}

bool clsMngItem::CheckBattleItem(const Rows& carried) const {
    return !GetBattleItemData(carried).empty();
}

std::string clsMngItem::GetBattleItemDataTips(const std::string& ItemName) const {
    return Items.item(ItemName).GetBattleItemDataTips();
}

host::runtime::Collection<std::string> clsMngItem::GetBattleItemName() const {
    host::runtime::Collection<std::string> names;
    for (const clsItem& item : Items)
        if (item.ItemType() == item_type::kBattle) names.add(item.ItemName());
    return names;
}
