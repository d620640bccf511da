#include "economy/cls_mng_item.h"

#include "economy/item_codes.h"
#include "host/runtime/rounding.h"
#include "host/runtime/strings.h"
#include "platform/rules/mdl_zrd_func.h"
#include "platform/sound/sound_names.h"

#include <algorithm>

namespace {

template <class Record, class KeyOf>
void loadRows(host::runtime::Collection<Record>& records, std::string_view text, KeyOf keyOf) {
    for (const std::string& line : host::runtime::Split(text, "\r\n")) {
        if (line.empty()) continue;
        Record record;
        record.SetData(line);
        std::string key = keyOf(record);
        records.add(std::move(record), std::move(key));
    }
}

} // namespace

clsMngItem::clsMngItem(ClassItemClassProvider& lessons) : lessons_(lessons) {}

std::string clsMngItem::GetItemTips(const std::string& ItemName) const {
    return Items.item(ItemName).GetItemTips(lessons_);
}

std::int16_t clsMngItem::ItemStorage(const std::string& ItemName) const {
    return Items.item(ItemName).ItemStorage();
}

std::int32_t clsMngItem::MaxItem(const std::string& ItemName, std::int32_t lngMoney) const {
    const std::int64_t room = item_rule::kHoldCap - ItemStorage(ItemName);
    const std::int64_t affordable = host::runtime::IntDiv(lngMoney, ShopItems.item(ItemName).Price());
    return static_cast<std::int32_t>(std::min(affordable, room));
}

void clsMngItem::addRow(Rows& rows, std::initializer_list<std::string> cells) {
    clsGetGridData row;
    row.SetCols(static_cast<std::int16_t>(cells.size() - 1));
    std::int16_t index = 0;
    for (const std::string& cell : cells)
        row.Data(index++, cell);
    rows.add(std::move(row));
}

bool clsMngItem::HasItemCount(const std::string& ItemName, std::int16_t n) const {
    return ItemName.empty() || ItemStorage(ItemName) >= n;
}

std::int16_t clsMngItem::materialLimit(const clsRecipe& recipe) const {
    if (recipe.Material1() == recipe.Material2()) return ItemStorage(recipe.Material1()) / 2;
    if (recipe.Material2().empty()) return ItemStorage(recipe.Material1());
    return std::min(ItemStorage(recipe.Material1()), ItemStorage(recipe.Material2()));
}

std::int16_t clsMngItem::MaxItemMixture(const std::string& RecipeName, std::int32_t lngMoney) const {
    const clsRecipe& recipe = Recipes.item(RecipeName);
    const std::int64_t materials = materialLimit(recipe);
    std::int64_t n = 0;
    if (lngMoney >= recipe.Money()) n = std::min(materials, host::runtime::IntDiv(lngMoney, recipe.Money()));
    const std::int64_t held = ItemStorage(recipe.RecipeItem());
    if (held == item_rule::kHoldCap)
        n = 0;
    else if (held + n > item_rule::kHoldCap)
        n = item_rule::kHoldCap - held;
    return static_cast<std::int16_t>(n);
}

std::int32_t clsMngItem::nextUnitId() {
    const auto held = [this](std::int32_t id) {
        for (const clsItem& item : Items)
            if (item.holdsUnit(id)) return true;
        return false;
    };
    do {
        ++UnitIDCounter;
    } while (held(UnitIDCounter));
    return UnitIDCounter;
}

void clsMngItem::ItemAdd(const std::string& ItemName, std::int16_t count) {
    if (count < 1) return;
    clsItem& item = Items.item(ItemName);
    for (std::int16_t n = 0; n < count; ++n) {
        if (item.ItemStorage() >= item_rule::kHoldCap) {
            std::int32_t method = 1;
            std::int32_t money = item.Price();
            MoveMoney.raise(method, money);
            std::string message = ItemName + "は一杯だったので売却しました";
            Report.raise(message);
        } else {
            item.AddItem(nextUnitId());
        }
    }
    if (UnitIDCounter > item_rule::kUnitIdWrapAbove) UnitIDCounter = 0;
}

void clsMngItem::ItemDelete(const std::string& ItemName, std::int16_t& count) {
    if (ItemName.empty()) return;
    Items.item(ItemName).DeleteItem(count);
}

void clsMngItem::ItemDeleteID(const std::string& ItemName, std::int32_t ID) {
    if (ItemName.empty()) return;
    Items.item(ItemName).DeleteItemID(ID);
}

void clsMngItem::watch(clsItem& item) {
    if (eventItem_ == &item) return;
    eventItem_->ItemBroken.unsubscribe(eventToken_);
    eventItem_ = &item;
    eventToken_ = item.ItemBroken.subscribe([this](std::string& name) {
        std::string sound = sound_name::kBoo;
        SoundPlay.raise(sound);
        std::string message = "アイテム【" + name + "】は使い物にならなくなった";
        ItemBroken.raise(message);
    });
}

void clsMngItem::ItemDamage(const std::string& ItemName, std::int16_t& wear) {
    if (ItemName.empty()) return;
    clsItem& item = Items.item(ItemName);
    watch(item);
    if (wear == 0) wear = mdlZRDFunc::RandomInt(1, item.Broken());
    item.ItemDamage(wear);
}

void clsMngItem::ClearAllItems() {
    UnitIDCounter = 0;
    for (clsItem& item : Items)
        item.Clear();
}

void clsMngItem::SetItemData(std::string_view text) {
    loadRows(Items, text, [](const clsItem& item) { return item.ItemName(); });
}

void clsMngItem::SetItemShopData(std::string_view text) {
    loadRows(ShopItems, text, [](const clsItemShop& row) { return row.ItemName(); });
}

void clsMngItem::SetRecipe(std::string_view text) {
    loadRows(Recipes, text, [](const clsRecipe& recipe) { return recipe.RecipeItem(); });
}

void clsMngItem::SetTicket(std::string_view text) {
    loadRows(Tickets, text,
             [](const clsTicket& prize) { return prize.TicketName() + ":" + std::to_string(prize.ID()); });
}
