#include "economy/cls_item.h"

#include "economy/cls_battle_item.h"
#include "economy/item_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/rounding.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "platform/rules/mdl_zrd_func.h"

#include <set>

using host::runtime::CStr;
using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

namespace {

clsBattleItem battleItemOf(const clsItem& item) {
    clsBattleItem battleItem;
    battleItem.SetData(item.ItemName(), item.Category(), item.Effect1(), item.Effect2());
    return battleItem;
}

} // namespace

clsGetGridData clsItem::GetBattleItemData(bool AllData) const {
    const clsBattleItem battleItem = battleItemOf(*this);
    clsGetGridData row;
    const std::int16_t last = AllData ? 18 : 13;
    row.SetCols(last);
    for (std::int16_t k = 0; k <= last; ++k)
        row.Data(k, battleItem.GetItemData(k, AllData));
    return row;
}

std::string clsItem::GetBattleItemDataTips() const {
    return battleItemOf(*this).GetItemDataTips();
}

std::string clsItem::BattleTipsText() const {
    return battleItemOf(*this).GetItemTips() + "\r\n" + Tips_;
}

std::int64_t clsItem::wornPriceTenths(const clsItemStorage& unit) const {
    const std::int64_t tenthsLeft = 10 - unit.Damage() / item_rule::kWearStep;
    return tenthsLeft * Price_;
}

namespace {

// A price in tenths as the decimal it is: "31.5", "32", "-0.5".
std::string tenthsText(std::int64_t tenths) {
    const std::int64_t magnitude = tenths < 0 ? -tenths : tenths;
    // Appended piece by piece: GCC 12 at -O3 reports a false overlap
    // (-Wrestrict) for a literal + a temporary string.
    std::string text = tenths < 0 ? "-" : "";
    text += std::to_string(magnitude / 10);
    if (magnitude % 10 != 0) {
        text += '.';
        text += std::to_string(magnitude % 10);
    }
    return text;
}

// Tenths rounded to a whole number, half to even.
std::int64_t roundTenths(std::int64_t tenths) {
    const std::int64_t magnitude = tenths < 0 ? -tenths : tenths;
    std::int64_t whole = magnitude / 10;
    const std::int64_t rest = magnitude % 10;
    if (rest > 5 || (rest == 5 && whole % 2 != 0)) ++whole;
    return tenths < 0 ? -whole : whole;
}

} // namespace

host::runtime::Collection<clsGetGridData> clsItem::GetItemDataAsID() const {
    host::runtime::Collection<clsGetGridData> rows;
    for (const clsItemStorage& unit : Units) {
        clsGetGridData row;
        row.SetCols(2);
        row.Data(0, "0");
        row.Data(1, tenthsText(wornPriceTenths(unit)));
        row.Data(2, CStr(unit.ID()));
        rows.add(std::move(row));
    }
    return rows;
}

std::int32_t clsItem::GetItemPriceAsID(std::int32_t ID) const {
    const clsItemStorage* unit = Units.find(unitKey(ID));
    return unit ? host::runtime::saturate32(roundTenths(wornPriceTenths(*unit))) : 0;
}

void clsItem::ItemDamage(std::int16_t wear) {
    if (Units.empty()) return;
    const std::int16_t k = mdlZRDFunc::RandomInt(1, ItemStorage());
    clsItemStorage& unit = Units.item(k);
    unit.ItemDamage(wear);
    if (unit.Damage() <= item_rule::kBreakAbove) return;
    const std::string key = unitKey(unit.ID());
    std::string name = ItemName_;
    ItemBroken.raise(name);
    Units.remove(key);
}

void clsItem::AddItem(std::int32_t ID) {
    clsItemStorage unit;
    unit.NewStorage(ID, 0);
    Units.add(unit, unitKey(ID));
}

void clsItem::DeleteItem(std::int16_t& count) {
    if (count > ItemStorage()) count = ItemStorage();
    for (std::int16_t removed = 0; removed < count; ++removed)
        Units.remove(1);
}

void clsItem::DeleteItemID(std::int32_t ID) {
    Units.remove(unitKey(ID));
}

std::string clsItem::GetSaveData() const {
    std::string text;
    for (const clsItemStorage& unit : Units) {
        mdlZRDFunc::AddSeparator(text, ":");
        text += CStr(unit.ID()) + ":" + CStr(unit.Damage());
    }
    return text;
}

std::vector<std::pair<std::int32_t, std::int16_t>> clsItem::parseUnits(std::string_view text) {
    const auto parts = host::runtime::Split(text, ":");
    if (parts.size() % 2 != 0)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange,
                           "unit text \"" + std::string(text) + "\" ends without wear");
    if (parts.size() / 2 > static_cast<std::size_t>(item_rule::kHoldCap))
        throw RuntimeError(ErrorNumber::InvalidCall,
                           "unit text of " + std::to_string(parts.size() / 2) + " units, more than the " +
                               std::to_string(item_rule::kHoldCap) + " held at most");
    std::vector<std::pair<std::int32_t, std::int16_t>> units;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        const std::int32_t id = host::runtime::CLng(parts[i]);
        const std::int16_t wear = host::runtime::CInt(parts[i + 1]);
        if (id < 1) throw RuntimeError(ErrorNumber::InvalidCall, "unit ID " + parts[i] + " is not above 0");
        if (wear < 0 || wear > item_rule::kBreakAbove)
            throw RuntimeError(ErrorNumber::InvalidCall, "unit " + parts[i] + ": wear " + parts[i + 1] +
                                                             " is outside 0 to " +
                                                             std::to_string(item_rule::kBreakAbove));
        units.emplace_back(id, wear);
    }
    return units;
}

void clsItem::SetSaveData(std::string_view text) {
    const auto units = parseUnits(text);
    if (static_cast<long>(units.size()) + ItemStorage() > item_rule::kHoldCap)
        throw RuntimeError(ErrorNumber::InvalidCall,
                           ItemName_ + ": more than " + std::to_string(item_rule::kHoldCap) + " units");
    std::set<std::int32_t> ids;
    for (const auto& [id, damage] : units)
        if (holdsUnit(id) || !ids.insert(id).second)
            throw RuntimeError(ErrorNumber::DuplicateKey,
                               ItemName_ + ": unit " + std::to_string(id) + " twice");
    for (const auto& [id, damage] : units) {
        clsItemStorage unit;
        unit.NewStorage(id, damage);
        Units.add(unit, unitKey(id));
    }
}

void clsItem::SetData(std::string_view row) {
    const auto f = host::runtime::SplitFields(row, ",", 8, "item row \"" + std::string(row) + "\"");
    if (f[0].empty())
        throw RuntimeError(ErrorNumber::InvalidCall, "item row \"" + std::string(row) + "\" has no name");
    ItemName_ = host::text::toWide(f[0]);
    ItemType_ = host::runtime::CLng(f[1]);
    Category_ = host::runtime::CLng(f[2]);
    Effect1_ = host::runtime::CLng(f[3]);
    Effect2_ = host::runtime::CLng(f[4]);
    Broken_ = host::runtime::CInt(f[5]);
    Price_ = host::runtime::CLng(f[6]);
    Tips_ = host::text::toWide(f[7]);
}
