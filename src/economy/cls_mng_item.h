#pragma once

#include "economy/class_item_class_provider.h"
#include "economy/cls_item.h"
#include "economy/cls_item_shop.h"
#include "economy/cls_recipe.h"
#include "economy/cls_ticket.h"
#include "host/runtime/collection.h"
#include "host/runtime/event.h"

#include <cstdint>
#include <string>
#include <string_view>

// The school's items: the item catalogue with the held units of each kind,
// the shop rows, the recipes, the ticket prizes and the counter that gives
// each unit its ID. No kind holds more than 100 units: a unit beyond is sold
// at once (MoveMoney and Report). Money itself never moves here.
class clsMngItem {
  public:
    explicit clsMngItem(ClassItemClassProvider& lessons);
    clsMngItem(const clsMngItem&) = delete;
    clsMngItem& operator=(const clsMngItem&) = delete;

    // A unit broke: "アイテム【name】は使い物にならなくなった".
    host::runtime::Event<std::string> ItemBroken;
    // A surplus unit was sold.
    host::runtime::Event<std::string> Report;
    // MMethod 1 (add), Money: a surplus unit sold at the kind's sale price.
    host::runtime::Event<std::int32_t, std::int32_t> MoveMoney;
    host::runtime::Event<std::string> SoundPlay;

    // The kind most recently worn (a blank kind before the first wear).
    clsItem& cEventItem() { return *eventItem_; }

    std::string GetItemTips(const std::string& ItemName) const;
    std::int16_t ItemStorage(const std::string& ItemName) const;
    // How many units of a shop item the money and the cap allow.
    std::int32_t MaxItem(const std::string& ItemName, std::int32_t lngMoney) const;
    // How many times a recipe can be processed with the materials, the money and the cap.
    std::int16_t MaxItemMixture(const std::string& RecipeName, std::int32_t lngMoney) const;
    void ItemAdd(const std::string& ItemName, std::int16_t count);
    // Removes the oldest units; count is lowered to the number removed. "" does nothing.
    void ItemDelete(const std::string& ItemName, std::int16_t& count);
    void ItemDeleteID(const std::string& ItemName, std::int32_t ID);
    // Wears one unit; wear 0 is drawn from 1..Broken and written back. "" does nothing.
    void ItemDamage(const std::string& ItemName, std::int16_t& wear);
    // Held units and the counter from a save text, all or nothing: an unknown
    // item, a bad number or a unit held twice raises the runtime's error and
    // changes nothing.
    void SetSaveData(std::string_view text);
    void SetDataInit() { ClearAllItems(); }
    // name;ID:wear:ID:wear;name;.../counter
    std::string GetSaveData() const;
    // Master-data sections 14 (items), 26 (shop), 15 (recipes) and 28 (ticket
    // prizes): one row a line, empty lines skipped; a bad row or a repeated
    // key raises the runtime's error.
    void SetItemData(std::string_view text);
    void SetItemShopData(std::string_view text);
    void SetRecipe(std::string_view text);
    void SetTicket(std::string_view text);

  private:
    void ClearAllItems();
    void watch(clsItem& item);
    // The next unit ID, passing over IDs still held once the counter has wrapped.
    std::int32_t nextUnitId();

    ClassItemClassProvider& lessons_;
    host::runtime::Collection<clsItem> Items{host::runtime::KeyFold::IgnoreCaseAndWidth};
    host::runtime::Collection<clsItemShop> ShopItems{host::runtime::KeyFold::IgnoreCaseAndWidth};
    host::runtime::Collection<clsRecipe> Recipes{host::runtime::KeyFold::IgnoreCaseAndWidth};
    host::runtime::Collection<clsTicket> Tickets{host::runtime::KeyFold::IgnoreCaseAndWidth};
    std::int32_t UnitIDCounter = 0;
    clsItem blankItem_;
    clsItem* eventItem_ = &blankItem_;
    host::runtime::Event<std::string>::Token eventToken_ = 0;
};
