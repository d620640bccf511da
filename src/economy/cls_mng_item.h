#pragma once

#include "economy/class_item_class_provider.h"
#include "economy/cls_battle_item.h"
#include "economy/cls_item.h"
#include "economy/cls_item_shop.h"
#include "economy/cls_recipe.h"
#include "economy/cls_ticket.h"
#include "host/runtime/collection.h"
#include "host/runtime/event.h"
#include "platform/records/cls_get_grid_data.h"
#include "students/student/cls_use_consume_item.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    // Raised by DebugItemTest only, once per battle item of the catalogue.
    host::runtime::Event<clsBattleItem> BattleItemTest;

    using Rows = host::runtime::Collection<clsGetGridData>;
    // Unit IDs as text, as the screens pass them.
    using UnitIds = host::runtime::Collection<std::string>;

    // The kind most recently worn (a blank kind before the first wear).
    clsItem& cEventItem() { return *eventItem_; }

    // Buildings. Rows: cell 0 a building, cell 1 the item placed in it ("" for
    // none); cell 2 receives the item's influence, "0" when none is held.
    void SetConstructItemEffect(Rows& rows) const;
    // True when a held building item belongs in the building (museum 1, library 2, chapel 3).
    bool CheckConstructItem(std::int32_t building) const;
    // "0", name, influence word of each held building item of the building.
    Rows GetConstructItem(std::int32_t building) const;
    // True when a unit is held; false for "".
    bool CheckItem(const std::string& ItemName) const;

    // Lessons. Booked rows name in cell 0 the lesson items already booked.
    std::int32_t GetClassItemClassEffect(const std::string& ItemName) const;
    std::int32_t GetClassItemClassRisk(const std::string& ItemName) const;
    // One single-cell row per held lesson item.
    Rows GetClassItemName() const;
    // "0", name, effect, risk word, wear word of each held lesson item of the
    // kind that no booked row names.
    Rows GetClassItemData(std::int32_t kind, const Rows& booked) const;
    bool CheckClassItem(std::int32_t kind, const Rows& booked) const;
    std::int32_t GetClassItemCheck(const std::string& ItemName) const;

    // Consumables and held items.
    std::string GetConsumeItemTips(const std::string& ItemName) const;
    // Takes the oldest unit and answers its effects; nothing when none is
    // held, so that nothing is applied to the student.
    std::optional<clsUseConsumeItem> GetConsumeItem(const std::string& ItemName);
    // "0", name, risk word, units held of each held consumable.
    Rows GetConsumeItemData() const;
    bool GetIsConsumeItem() const;
    bool CheckItemData() const;
    // "0", price after wear (unrounded), ID of each held unit.
    Rows GetItemStorageData(const std::string& ItemName) const;
    // True for the kinds sold by count: materials, consumables and tickets.
    bool GetIsItemMaterial(const std::string& ItemName) const;

    // Battles. Carried rows: cell 0 a battle item, cell 1 how many units of it
    // the quest teams carry.
    // The item's decoded effects; "" gives an empty record (no item).
    clsBattleItem GetBattleItem(const std::string& ItemName) const;
    bool GetBattleItemCheck() const;
    // The battle-item rows (cells 0..13) of the held battle items not all carried.
    Rows GetBattleItemData(const Rows& carried) const;
    bool CheckBattleItem(const Rows& carried) const;
    std::string GetBattleItemDataTips(const std::string& ItemName) const;
    // Every battle item of the catalogue, held or not.
    host::runtime::Collection<std::string> GetBattleItemName() const;

    // The shop.
    std::int32_t GetShopItemPrice(const std::string& ItemName) const;
    // The sale price of one unworn unit.
    std::int32_t GetSellItemPrice(const std::string& ItemName) const;
    // "0", name, shop price, room left under the cap, of each shop row whose
    // bit is set in the shop word.
    Rows GetItemShopData(std::int32_t SponsorFLG) const;
    // Type word, name, sale price, units held of each held kind.
    Rows GetHoldItemData() const;
    // "0", name, sale price, units held of each held kind.
    Rows GetItemSellData() const;
    // Sells by count: removes the oldest count units, lowers count to the
    // number removed and answers the money due for exactly those, held to
    // the money's range.
    std::int32_t sellByCount(const std::string& ItemName, std::int16_t& count);
    // The sum of the sale prices after wear of the units (0 for an ID not
    // held), held to the money's range.
    std::int32_t GetItemSellPriceAsID(const std::string& ItemName, const UnitIds& IDs) const;
    // Removes the units, all or none: an ID not held (or given twice) raises
    // the missing-key error and removes nothing.
    void SetItemSellAsID(const std::string& ItemName, const UnitIds& IDs);

    // Processing.
    std::int32_t GetProcessPrice(const std::string& RecipeName) const;
    // "0", product, fee, product held, material 1, material 2 of each recipe
    // offered at the school rank.
    Rows GetProcessItem(std::int16_t rank) const;
    // The same rows, only for the recipes whose materials are held.
    Rows GetEnableProcessItem(std::int16_t rank) const;
    // Makes count products from count sets of materials and answers the
    // products held; a unit beyond the cap is sold. More than the materials
    // allow raises the invalid-call error before anything changes.
    std::int16_t SetProcessItem(const std::string& RecipeName, std::int16_t& count);
    // The materials with their held counts, then the product's tip.
    std::string GetProcessItemTips(const std::string& RecipeName) const;

    // Tickets.
    // "0", name, units held of every ticket of the catalogue.
    Rows GetTicketItem() const;
    // Draws a prize for each ticket, at most the tickets held (count is
    // lowered to the number drawn), waiting before each draw; a draw uses
    // its ticket at once, so draws cut short keep what they gave; answers the
    // tickets still held. A ticket without its 50 prizes raises the
    // missing-key error before anything is drawn.
    std::int16_t DrawTicket(const std::string& TicketName, std::int16_t& count);

    std::string GetItemTips(const std::string& ItemName) const;
    // True when the catalogue holds the item.
    bool HasItem(const std::string& ItemName) const { return Items.contains(ItemName); }
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
    // item, a bad number, a unit held twice, a unit the item's own reader
    // refuses or a counter past its wrap point raises the runtime's error and
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

    // --- Developer routines (cls_mng_item.devtools.cpp): they skip every
    // check and follow the inventory rules of ItemAdd (a unit beyond the cap
    // is sold, with its report and money).
    // Adds 10 "薬草", "ホワイトチケット", "気力の腕輪", "ヨイチの心" and 1 "王国簡易事典".
    void DebugItemAddTest();
    // 50 prizes of "ホワイトチケット" added without using a ticket; no wait.
    // Answers the prizes in draw order.
    std::vector<std::string> DebugTicket();
    // Exercises adding, the recipe check, deleting, the save text and the
    // processing limit; the inventory ends as "薬草" units 3, 4, 5, 9..13
    // and "赤いきのこ" units 6, 7, 8 without wear, the counter at 13.
    // What it found on the way.
    struct DebugItemReport {
        std::vector<std::string> makeable; // recipe products, after the first adds
        std::int16_t herbsAfterDelete = 0; // "薬草" held after the recipe's materials went
        std::string saveAfterDelete;
        std::string saveAfterReload;     // after the test inventory and 5 more "薬草"
        std::int16_t potionLimit = 0;    // "ポーション" processable without money
        std::int16_t stimulantLimit = 0; // "興奮剤" likewise
    };
    DebugItemReport DebugItemAdd();
    // BattleItemTest with each battle item of the catalogue, in catalogue order.
    void DebugItemTest();
    // True for "" and for an item of the catalogue of exactly that name.
    bool DebugItemCheck(const std::string& ItemName) const;

    // The catalogue browsers (cls_mng_item.browser.cpp): the recipes and the
    // item catalogue by kind as loaded, held or not; column sets and row sets
    // of text. They only read.
    Rows GetRecipeDataHeader() const;
    Rows GetRecipeData() const;
    Rows GetDataBattleItemHeader() const;
    Rows GetDataBattleItem() const;
    Rows GetDataClassItemHeader() const;
    Rows GetDataClassItem() const;
    // Column records of five cells, the last three empty.
    Rows GetDataConstructItemHeader() const;
    Rows GetDataConstructItem() const;
    // Materials and tickets.
    Rows GetDataMaterialItemHeader() const;
    Rows GetDataMaterialItem() const;
    // Column records of twenty cells, all after cell 1 empty.
    Rows GetDataConsumeItemHeader() const;
    Rows GetDataConsumeItem() const;

  private:
    static void addRow(Rows& rows, std::initializer_list<std::string> cells);
    bool HasItemCount(const std::string& ItemName, std::int16_t n) const;
    // How many times the materials allow the recipe to be processed.
    std::int16_t materialLimit(const clsRecipe& recipe) const;
    Rows recipeRows(std::int16_t rank, bool onlyWithMaterials) const;
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
