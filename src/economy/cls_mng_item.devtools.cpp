#include "economy/cls_mng_item.h"
#include "economy/item_codes.h"
#include "host/runtime/convert.h"
#include "platform/rules/mdl_zrd_func.h"

namespace {

constexpr const char* kTestTicket = "ホワイトチケット";
constexpr std::int16_t kTestTicketDraws = 50;
constexpr const char* kTestRecipe = "ハイポーション";
// Three units of each of two items and the counter after them.
constexpr const char* kTestInventory = "薬草;3:0:4:0:5:0;赤いきのこ;6:0:7:0:8:0/8";

} // namespace

void clsMngItem::DebugItemAddTest() {
    ItemAdd("薬草", 10);
    ItemAdd(kTestTicket, 10);
    ItemAdd("気力の腕輪", 10);
    ItemAdd("ヨイチの心", 10);
    ItemAdd("王国簡易事典", 1);
}

std::vector<std::string> clsMngItem::DebugTicket() {
    std::vector<std::string> prizes;
    for (std::int16_t draw = 0; draw < kTestTicketDraws; ++draw) {
        const std::int16_t n = mdlZRDFunc::RandomInt(1, ticket_rule::kPrizeRows);
        prizes.push_back(Tickets.item(std::string(kTestTicket) + ":" + host::runtime::CStr(n)).ItemName());
        ItemAdd(prizes.back(), 1);
    }
    return prizes;
}

clsMngItem::DebugItemReport clsMngItem::DebugItemAdd() {
    DebugItemReport report;
    ItemAdd("薬草", 5);
    ItemAdd("赤いきのこ", 3);

    for (const clsRecipe& recipe : Recipes) {
        const bool same = recipe.Material1() == recipe.Material2();
        if (same ? HasItemCount(recipe.Material1(), 2)
                 : HasItemCount(recipe.Material1(), 1) && HasItemCount(recipe.Material2(), 1))
            report.makeable.push_back(recipe.RecipeItem());
    }

    const clsRecipe& recipe = Recipes.item(kTestRecipe);
    std::int16_t one = 1;
    ItemDelete(recipe.Material1(), one);
    if (!recipe.Material2().empty()) {
        one = 1;
        ItemDelete(recipe.Material2(), one);
    }
    report.herbsAfterDelete = ItemStorage("薬草");
    report.saveAfterDelete = GetSaveData();

    ClearAllItems();
    SetSaveData(kTestInventory);
    ItemAdd("薬草", 5);
    report.saveAfterReload = GetSaveData();
    report.potionLimit = MaxItemMixture("ポーション", 0);
    report.stimulantLimit = MaxItemMixture("興奮剤", 0);
    return report;
}

void clsMngItem::DebugItemTest() {
    std::vector<std::string> names;
    for (const clsItem& item : Items)
        if (item.ItemType() == item_type::kBattle) names.push_back(item.ItemName());
    for (const std::string& name : names) {
        clsBattleItem battleItem = GetBattleItem(name);
        BattleItemTest.raise(battleItem);
    }
}

bool clsMngItem::DebugItemCheck(const std::string& ItemName) const {
    if (ItemName.empty()) return true;
    for (const clsItem& item : Items)
        if (item.ItemName() == ItemName) return true;
    return false;
}
