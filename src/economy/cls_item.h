#pragma once

#include "economy/class_item_class_provider.h"
#include "economy/cls_item_storage.h"
#include "host/runtime/collection.h"
#include "host/runtime/event.h"
#include "platform/records/cls_get_grid_data.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One item kind of the catalogue and the units of it the school holds, in
// the order they came, keyed "ID:" and the unit's ID.
class clsItem {
  public:
    // Raised with the item's name when a unit breaks, just before it goes.
    host::runtime::Event<std::string> ItemBroken;

    // The battle-item row: cells 0..13, or 0..18 with AllData.
    clsGetGridData GetBattleItemData(bool AllData) const;
    std::string GetBattleItemDataTips() const;
    // The tip of the item's kind; a lesson item names the lessons that use it.
    std::string GetItemTips(ClassItemClassProvider& lessons) const;
    void Clear() { Units.clear(); }
    // One row per held unit: "0", the price after wear (unrounded), the ID.
    host::runtime::Collection<clsGetGridData> GetItemDataAsID() const;
    // The sale price of the unit after wear, rounded half to even; 0 when no unit has the ID.
    std::int32_t GetItemPriceAsID(std::int32_t ID) const;
    // Adds the wear to one unit drawn at random; a unit worn past the limit breaks.
    void ItemDamage(std::int16_t wear);
    // A duplicate ID raises the duplicate-key error.
    void AddItem(std::int32_t ID);
    // Removes the oldest count units; count is lowered to the number held.
    void DeleteItem(std::int16_t& count);
    // An ID not held raises the missing-key error.
    void DeleteItemID(std::int32_t ID);
    std::int16_t ItemStorage() const { return static_cast<std::int16_t>(Units.count()); }
    bool holdsUnit(std::int32_t ID) const { return Units.contains(unitKey(ID)); }

    const std::string& ItemName() const { return ItemName_; }
    std::int32_t ItemType() const { return ItemType_; }
    std::int32_t Category() const { return Category_; }
    std::int32_t Effect1() const { return Effect1_; }
    std::int32_t Effect2() const { return Effect2_; }
    std::int16_t Broken() const { return Broken_; }
    const std::string& Tips() const { return Tips_; }
    std::int32_t Price() const { return Price_; }

    // "ID:wear" pairs joined by ":"; "" when nothing is held.
    std::string GetSaveData() const;
    // Adds the units of a unit save text, all or none: a text parseUnits
    // refuses, an ID held twice or more units than a kind holds raise the
    // runtime's error and add nothing.
    void SetSaveData(std::string_view text);
    // The (ID, wear) pairs of a unit save text; a bad number, an ID below 1,
    // wear outside 0 to the breaking point or more units than a kind holds
    // raise the runtime's error.
    static std::vector<std::pair<std::int32_t, std::int16_t>> parseUnits(std::string_view text);
    // Name, ItemType, Category, Effect1, Effect2, Broken, Price, Tips; the
    // name and tips are widened. A short row, a bad number or an empty name
    // raises the runtime's error.
    void SetData(std::string_view row);

  private:
    static std::string unitKey(std::int32_t ID) { return "ID:" + std::to_string(ID); }
    // The unit's price after wear, in tenths.
    std::int64_t wornPriceTenths(const clsItemStorage& unit) const;
    std::string BattleTipsText() const;
    std::string ConsumeTipsText() const;
    std::string ConstructTipsText() const;
    static std::string ConsumeEffectText(std::int32_t word);
    std::string ClassTipsText(ClassItemClassProvider& lessons) const;

    std::string ItemName_;
    std::int32_t ItemType_ = 0;
    std::int32_t Category_ = 0;
    std::int32_t Effect1_ = 0;
    std::int32_t Effect2_ = 0;
    std::int16_t Broken_ = 0;
    std::int32_t Price_ = 0;
    std::string Tips_;
    host::runtime::Collection<clsItemStorage> Units;
};
